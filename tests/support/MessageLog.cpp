#include "MessageLog.h"

#include <algorithm>
#include <map>
#include <sstream>

MessageLog& Log() {
    static MessageLog log;
    return log;
}

std::vector<LoggedMessage> MessageLog::Without(const std::vector<UINT>& ignored) const {
    std::vector<LoggedMessage> kept;
    for (const LoggedMessage& m : messages_)
        if (std::find(ignored.begin(), ignored.end(), m.message) == ignored.end()) kept.push_back(m);
    return kept;
}

int MessageLog::Count(UINT message, HWND hwnd) const {
    return static_cast<int>(std::count_if(messages_.begin(), messages_.end(), [&](const LoggedMessage& m) {
        return m.message == message && (!hwnd || m.hwnd == hwnd);
    }));
}

std::string MessageName(UINT message) {
    static const std::map<UINT, const char*> names{
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
        {WM_QUIT, "WM_QUIT"}, {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_CANCELMODE, "WM_CANCELMODE"}, {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"}, {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"}, {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"}, {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_COMMAND, "WM_COMMAND"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"}, {WM_HOTKEY, "WM_HOTKEY"},
        {WM_USER, "WM_USER"}};
    auto it = names.find(message);
    if (it != names.end()) return it->second;
    std::ostringstream out;
    out << "0x" << std::hex << message;
    return out.str();
}

namespace {
std::string Describe(const LoggedMessage& m) {
    std::ostringstream out;
    out << MessageName(m.message) << " to " << m.hwnd << " (w=" << m.wParam << ", l=" << m.lParam << ")";
    return out.str();
}

std::string Describe(const std::vector<LoggedMessage>& messages) {
    std::string all;
    for (const LoggedMessage& m : messages) all += "\n    " + Describe(m);
    return all;
}
}  // namespace

LPCWSTR RegisterLoggingClass(UINT style) {
    static const wchar_t* name = L"LoggingWindow";
    WNDCLASSW wc{};
    wc.style = style;
    wc.lpfnWndProc = LoggingProc;
    wc.lpszClassName = name;
    RegisterClassW(&wc);
    return name;
}

LPCWSTR RegisterProcClass(LPCWSTR name, WNDPROC proc, int windowExtra) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = windowExtra;
    wc.lpszClassName = name;
    RegisterClassW(&wc);
    return name;
}

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

::testing::AssertionResult SequenceIs(const std::vector<LoggedMessage>& actual, const std::vector<Expected>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Expected& e = expected[i];
        if (i >= actual.size())
            return ::testing::AssertionFailure() << "message " << i << ": expected " << MessageName(e.message)
                                                 << ", the sequence ended. Actual:" << Describe(actual);
        const LoggedMessage& a = actual[i];
        bool same = a.message == e.message && (!e.hwnd || a.hwnd == e.hwnd) &&
                    (!e.wParam || a.wParam == *e.wParam) && (!e.lParam || a.lParam == *e.lParam);
        if (!same) {
            auto failure = ::testing::AssertionFailure() << "message " << i << ": expected " << MessageName(e.message);
            if (e.hwnd) failure << " to " << e.hwnd;
            if (e.wParam) failure << " w=" << *e.wParam;
            if (e.lParam) failure << " l=" << *e.lParam;
            return failure << ", got " << Describe(a) << ". Actual:" << Describe(actual);
        }
    }
    if (actual.size() > expected.size())
        return ::testing::AssertionFailure() << "unexpected extra messages from " << expected.size()
                                             << ". Actual:" << Describe(actual);
    return ::testing::AssertionSuccess();
}
