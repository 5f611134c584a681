// What the showcase tells the outside world: one line per thing that happened (text typed, a
// button clicked, a check mark changed, a message box answered, the program ending), written
// at once so that a script watching the file sees each line as soon as it happens.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace showcase {

class EventLog {
public:
    // The environment variable naming the file the lines go to; without it they go to stdout.
    static constexpr const char* kFileVariable = "SHOWCASE_LOG";

    // Null when the named file cannot be opened for writing.
    static std::unique_ptr<EventLog> Open();
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void Write(const std::string& line);
    void Write(const std::string& what, const std::wstring& text);

private:
    EventLog(std::FILE* file, bool owned) : file_(file), owned_(owned) {}

    std::FILE* file_;
    bool owned_;
};

// The platform's wide text as UTF-8, for the log.
std::string Utf8Of(const std::wstring& text);

}  // namespace showcase
