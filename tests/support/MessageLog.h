// Records the messages windows receive, and compares them with an expected sequence given as
// data, reporting the first difference by name.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PlatformApi.h"

struct LoggedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// One expected message: which window (null: any), and the parameters that matter.
struct Expected {
    UINT message;
    HWND hwnd = nullptr;
    std::optional<WPARAM> wParam = std::nullopt;
    std::optional<LPARAM> lParam = std::nullopt;
};

class MessageLog {
public:
    void Clear() { messages_.clear(); }
    void Add(const LoggedMessage& m) { messages_.push_back(m); }
    const std::vector<LoggedMessage>& Messages() const { return messages_; }
    // The logged messages, leaving out those in `ignored`.
    std::vector<LoggedMessage> Without(const std::vector<UINT>& ignored) const;
    int Count(UINT message, HWND hwnd = nullptr) const;

private:
    std::vector<LoggedMessage> messages_;
};

// The log every window of the logging class writes to.
MessageLog& Log();
std::string MessageName(UINT message);

// A class whose procedure logs each message and then passes it to DefWindowProcW.
// Returns the class name.
LPCWSTR RegisterLoggingClass(UINT style = 0);
LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// A class with the given procedure and nothing else; returns its name.
LPCWSTR RegisterProcClass(LPCWSTR name, WNDPROC proc, int windowExtra = 0);

// Messages that are part of the platform's plumbing rather than of what a test is about.
inline const std::vector<UINT> kHitTestNoise{WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE};

::testing::AssertionResult SequenceIs(const std::vector<LoggedMessage>& actual, const std::vector<Expected>& expected);
