// A month calendar in a panel, and what the panel heard from it: its notifications in order,
// with the dates they carried and the selection at that moment. The clock starts on 20 June
// 2024 at 11:30, so today is known.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "core/gdi/GdiObjects.h"

namespace monthcal_test {

inline constexpr int kId = 7;
inline constexpr POINT kAt{10, 10};  // the calendar's place in the panel

inline SYSTEMTIME Date(int year, int month, int day, int hour = 0, int minute = 0) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    return t;
}

inline bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

inline std::string Show(const SYSTEMTIME& t) {
    return std::to_string(t.wYear) + "-" + std::to_string(t.wMonth) + "-" + std::to_string(t.wDay) + " " +
           std::to_string(t.wHour) + ":" + std::to_string(t.wMinute) + " (weekday " + std::to_string(t.wDayOfWeek) + ")";
}

struct Heard {
    UINT code;
    SYSTEMTIME start{};
    SYSTEMTIME end{};
    SYSTEMTIME selection{};  // MCM_GETCURSEL while the parent was being told
    WPARAM wParam = 0;
    UINT_PTR idFrom = 0;
    HWND from = nullptr;
};

inline std::vector<Heard> heard;
inline HWND calendar = nullptr;
// The panel destroys the calendar when it hears this code (0: never).
inline UINT destroyOn = 0;

inline LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NOTIFY) return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    Heard h{header->code};
    h.wParam = wParam;
    h.idFrom = header->idFrom;
    h.from = header->hwndFrom;
    if (header->code == MCN_SELCHANGE || header->code == MCN_SELECT) {
        const auto* change = reinterpret_cast<const NMSELCHANGE*>(lParam);
        h.start = change->stSelStart;
        h.end = change->stSelEnd;
    }
    SendMessageW(header->hwndFrom, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&h.selection));
    heard.push_back(h);
    if (header->code == destroyOn) DestroyWindow(header->hwndFrom);
    return 0;
}

inline std::vector<UINT> Codes() {
    std::vector<UINT> codes;
    for (const Heard& h : heard) codes.push_back(h.code);
    return codes;
}

inline constexpr UINT kReleased = static_cast<UINT>(NM_RELEASEDCAPTURE);

// Sets the environment's locale variables for one test and puts back what was there.
class LocaleEnvironment {
public:
    explicit LocaleEnvironment(const char* lang) {
        Set("LC_ALL", nullptr);
        Set("LC_TIME", nullptr);
        Set("LANG", lang);
    }
    ~LocaleEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

private:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class MonthCalTest : public HeadlessTest {
protected:
    platform::HeadlessOptions Options() const override {
        platform::HeadlessOptions options;
        options.startLocalTime = {2024, 6, 4, 20, 11, 30, 0, 0};
        return options;
    }
    void SetUp() override {
        locale_.emplace("en_US.UTF-8");
        HeadlessTest::SetUp();
        heard.clear();
        destroyOn = 0;
        INITCOMMONCONTROLSEX init{sizeof init, ICC_DATE_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 900, 700, nullptr, nullptr, nullptr,
                                 nullptr);
        screenshot_.emplace(panel_);
        objects_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        EXPECT_EQ(platform::CountGdiObjects(), objects_) << "a drawing object leaked";
        screenshot_.reset();
        DestroyWindow(panel_);
        HeadlessTest::TearDown();
        locale_.reset();
    }

    // A calendar of the smallest size that shows one month whole, unless a size is given.
    HWND Make(DWORD style = 0, SIZE size = {0, 0}) {
        calendar = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_CHILD | WS_VISIBLE | style, kAt.x, kAt.y, 100, 100,
                                   panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        if (!calendar) return nullptr;
        if (size.cx == 0) {
            const RECT minimum = MinimumRect();
            size = {minimum.right, minimum.bottom};
        }
        SetWindowPos(calendar, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        return calendar;
    }
    static LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(calendar, message, wParam, lParam);
    }
    template <typename T>
    static LRESULT Send(UINT message, WPARAM wParam, T* pointer) {
        return SendMessageW(calendar, message, wParam, reinterpret_cast<LPARAM>(pointer));
    }
    static RECT MinimumRect() {
        RECT r{};
        Send(MCM_GETMINREQRECT, 0, &r);
        return r;
    }
    static SYSTEMTIME Selection() {
        SYSTEMTIME t{};
        Send(MCM_GETCURSEL, 0, &t);
        return t;
    }
    static bool Select(const SYSTEMTIME& date) { return Send(MCM_SETCURSEL, 0, &date) != 0; }
    static void SetToday(const SYSTEMTIME& date) { Send(MCM_SETTODAY, 0, &date); }
    // The first and last month shown, as MCM_GETMONTHRANGE's GMR_VISIBLE gives them.
    static std::pair<SYSTEMTIME, SYSTEMTIME> Shown() {
        SYSTEMTIME range[2]{};
        Send(MCM_GETMONTHRANGE, GMR_VISIBLE, range);
        return {range[0], range[1]};
    }
    static MCHITTESTINFO HitAt(POINT at) {
        MCHITTESTINFO info{};
        info.cbSize = sizeof info;
        info.pt = at;
        Send(MCM_HITTEST, 0, &info);
        return info;
    }
    // The middle of a part of the calendar found by hit testing every point: the first whose
    // code is `what` and, when given, whose date is `date`; for a part that has no rectangle,
    // that first point.
    static std::optional<POINT> Find(UINT what, std::optional<SYSTEMTIME> date = std::nullopt) {
        RECT client{};
        GetClientRect(calendar, &client);
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) {
                const MCHITTESTINFO hit = HitAt({x, y});
                if (hit.uHit != what || (date && !SameDay(hit.st, *date))) continue;
                if (IsRectEmpty(&hit.rc)) return POINT{x, y};  // a part without a rectangle of its own
                return POINT{(hit.rc.left + hit.rc.right) / 2, (hit.rc.top + hit.rc.bottom) / 2};
            }
        return std::nullopt;
    }
    // Mouse actions at a point of the calendar's client area.
    void Down(POINT p) { Backend().MouseDown(panel_, kAt.x + p.x, kAt.y + p.y); Backend().PumpUntilIdle(); }
    void Move(POINT p) { Backend().MouseMove(panel_, kAt.x + p.x, kAt.y + p.y); Backend().PumpUntilIdle(); }
    void Up(POINT p) { Backend().MouseUp(panel_, kAt.x + p.x, kAt.y + p.y); Backend().PumpUntilIdle(); }
    void Click(POINT p) { Down(p); Up(p); }
    void Key(UINT vk) {
        Backend().PressKey(vk);
        Backend().PumpUntilIdle();
    }

    HWND panel_ = nullptr;

private:
    std::optional<LocaleEnvironment> locale_;
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_;
};

}  // namespace monthcal_test
