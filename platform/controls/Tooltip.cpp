// The tooltip control ("tooltips_class32"): a small window with a line of text that appears
// when the pointer rests over one of its tools and goes when the pointer leaves it. With
// TTF_SUBCLASS the tooltip sees the tool window's mouse messages itself. A tool whose text is
// LPSTR_TEXTCALLBACKW has its text asked for each time its tip is about to show: the tooltip
// sends TTN_GETDISPINFOW to the tool's window, which fills szText or points lpszText at the text.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "controls/Look.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kInitialDelayMs = 500;
constexpr int kPadding = 4;
constexpr wchar_t kRelayProcProperty[] = L"TooltipRelayProc";
constexpr wchar_t kTooltipProperty[] = L"TooltipWindow";

struct Tool {
    HWND window;
    UINT_PTR id;
    UINT flags;
    RECT rect;
    std::wstring text;
    bool callback;  // LPSTR_TEXTCALLBACKW: the text is asked for
};

struct Tooltip {
    std::vector<Tool> tools;
    int pending = -1;
    int shown = -1;
    bool active = true;
    std::wstring text;  // what the shown tip says
};

Tooltip* StateOf(HWND hwnd) { return reinterpret_cast<Tooltip*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

HWND ToolWindow(const TTTOOLINFOW& info) {
    return (info.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(info.uId) : info.hwnd;
}

Tool* Find(Tooltip& tip, const TTTOOLINFOW& info) {
    for (Tool& tool : tip.tools)
        if (tool.window == info.hwnd && tool.id == info.uId) return &tool;
    return nullptr;
}

// The window whose mouse messages tell about a tool.
HWND ToolWindowOf(const Tool& tool) {
    return (tool.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.id) : tool.window;
}

LRESULT CALLBACK RelayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kRelayProcProperty));
    auto tooltip = static_cast<HWND>(GetPropW(hwnd, kTooltipProperty));
    if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE || message == WM_LBUTTONDOWN) {
        MSG msg{hwnd, message, wParam, lParam, GetMessageTime(), {}};
        SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(hwnd, kRelayProcProperty);
        RemovePropW(hwnd, kTooltipProperty);
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

void Subclass(HWND tooltip, HWND window) {
    if (!IsWindow(window) || GetPropW(window, kTooltipProperty)) return;
    SetPropW(window, kTooltipProperty, tooltip);
    LONG_PTR original = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RelayProc));
    SetPropW(window, kRelayProcProperty, reinterpret_cast<HANDLE>(original));
}

void Hide(HWND hwnd, Tooltip& tip) {
    KillTimer(hwnd, kShowTimer);
    tip.pending = -1;
    if (tip.shown >= 0) ShowWindow(hwnd, SW_HIDE);
    tip.shown = -1;
}

SIZE TipSize(const std::wstring& text) {
    SIZE measured = look::MeasureText(text, SystemUiFont());
    return {measured.cx + 2 * kPadding + 2, measured.cy + 2 * kPadding};
}

void SetText(Tool& tool, LPCWSTR text) {
    tool.callback = text == LPSTR_TEXTCALLBACKW;
    tool.text = tool.callback || !text ? L"" : text;
}

// The text the tool's window gives. With TTF_DI_SETITEM it becomes the tool's own, asked no more.
std::wstring AskText(HWND hwnd, Tooltip& tip, std::size_t index) {
    const Tool tool = tip.tools[index];
    NMTTDISPINFOW info{};
    info.hdr = {hwnd, tool.id, TTN_GETDISPINFOW};
    info.lpszText = info.szText;
    info.uFlags = tool.flags;
    SendMessageW(tool.window, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&info));
    info.szText[std::size(info.szText) - 1] = L'\0';
    // A text from a module's resources (hinst set) is not one this platform can load.
    const bool pointed = !info.hinst && info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW;
    std::wstring text = pointed ? info.lpszText : info.szText;
    if (StateOf(hwnd) != &tip || index >= tip.tools.size()) return text;
    Tool& now = tip.tools[index];
    if ((info.uFlags & TTF_DI_SETITEM) && now.window == tool.window && now.id == tool.id) SetText(now, text.c_str());
    return text;
}

void Show(HWND hwnd, Tooltip& tip) {
    if (tip.pending < 0 || !tip.active) return;
    const auto index = static_cast<std::size_t>(tip.pending);
    KillTimer(hwnd, kShowTimer);
    tip.pending = -1;
    std::wstring text = tip.tools[index].callback ? AskText(hwnd, tip, index) : tip.tools[index].text;
    // The owner may have destroyed the tooltip or its tools meanwhile; an empty tip never shows.
    if (StateOf(hwnd) != &tip || index >= tip.tools.size() || text.empty()) return;
    tip.text = std::move(text);
    tip.shown = static_cast<int>(index);
    POINT at;
    GetCursorPos(&at);
    SIZE size = TipSize(tip.text);
    SetWindowPos(hwnd, HWND_TOPMOST, at.x, at.y + 20, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void Relay(HWND hwnd, Tooltip& tip, const MSG& msg) {
    if (msg.message != WM_MOUSEMOVE) {
        Hide(hwnd, tip);
        return;
    }
    POINT at{static_cast<SHORT>(LOWORD(msg.lParam)), static_cast<SHORT>(HIWORD(msg.lParam))};
    int under = -1;
    for (std::size_t i = 0; i < tip.tools.size(); ++i) {
        const Tool& tool = tip.tools[i];
        RECT area = tool.rect;
        if (tool.flags & TTF_IDISHWND) GetClientRect(reinterpret_cast<HWND>(tool.id), &area);
        if (ToolWindowOf(tool) == msg.hwnd && PtInRect(&area, at)) under = static_cast<int>(i);
    }
    if (under < 0) {
        Hide(hwnd, tip);
        return;
    }
    if (under == tip.shown || under == tip.pending) return;
    // Hearing when the pointer leaves the tool window hides the tip again.
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, msg.hwnd, HOVER_DEFAULT};
    TrackMouseEvent(&leave);
    Hide(hwnd, tip);
    tip.pending = under;
    SetTimer(hwnd, kShowTimer, kInitialDelayMs, nullptr);
}

void Paint(HWND hwnd, Tooltip& tip) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    look::Fill(dc, client, RGB(255, 255, 255));
    look::Outline(dc, client, RGB(118, 118, 118));
    if (tip.shown >= 0) {
        HGDIOBJ old = SelectObject(dc, SystemUiFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(87, 87, 87));
        RECT box = client;
        InflateRect(&box, -kPadding - 1, -kPadding);
        DrawTextW(dc, tip.text.c_str(), -1, &box, DT_NOPREFIX);
        SelectObject(dc, old);
    }
    EndPaint(hwnd, &ps);
}

LRESULT AddTool(HWND hwnd, Tooltip& tip, const TTTOOLINFOW* info) {
    if (!info) return FALSE;
    Tool tool{info->hwnd, info->uId, info->uFlags, info->rect, {}, false};
    SetText(tool, info->lpszText);
    tip.tools.push_back(tool);
    if (info->uFlags & TTF_SUBCLASS) Subclass(hwnd, ToolWindow(*info));
    return TRUE;
}

}  // namespace

LRESULT CALLBACK TooltipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Tooltip* tip = StateOf(hwnd);
    auto* info = reinterpret_cast<const TTTOOLINFOW*>(lParam);
    switch (message) {
    case WM_NCCREATE: SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Tooltip)); break;
    case WM_NCDESTROY:
        delete tip;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    case TTM_ADDTOOLW: return tip ? AddTool(hwnd, *tip, info) : FALSE;
    case TTM_DELTOOLW:
        if (tip && info) std::erase_if(tip->tools, [&](const Tool& t) { return t.window == info->hwnd && t.id == info->uId; });
        if (tip) Hide(hwnd, *tip);
        return 0;
    case TTM_UPDATETIPTEXTW:
        if (Tool* tool = tip && info ? Find(*tip, *info) : nullptr) SetText(*tool, info->lpszText);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case TTM_GETTOOLCOUNT: return tip ? static_cast<LRESULT>(tip->tools.size()) : 0;
    case TTM_NEWTOOLRECTW:
        if (Tool* tool = tip && info ? Find(*tip, *info) : nullptr) tool->rect = info->rect;
        return 0;
    case TTM_ACTIVATE:
        if (tip) tip->active = wParam != 0;
        if (tip && !wParam) Hide(hwnd, *tip);
        return 0;
    case TTM_RELAYEVENT:
        if (tip && lParam) Relay(hwnd, *tip, *reinterpret_cast<const MSG*>(lParam));
        return 0;
    case WM_TIMER:
        if (tip && wParam == kShowTimer) Show(hwnd, *tip);
        return 0;
    case WM_PAINT:
        if (tip) Paint(hwnd, *tip);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTTRANSPARENT;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace platform
