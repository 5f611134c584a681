#include "controls/MessageBox.h"

#include <algorithm>
#include <string>
#include <vector>

#include "controls/Look.h"
#include "controls/MessageBoxIcons.h"
#include "controls/SystemClasses.h"

namespace platform::messagebox {

namespace {

constexpr int kMargin = 24;
constexpr int kIconGap = 16;
constexpr int kBandHeight = 50;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 8;
constexpr int kMinWidth = 260;
constexpr COLORREF kBandColour = RGB(240, 240, 240);

struct ButtonSpec {
    int id;
    const wchar_t* label;
};

// The buttons of each MB_ type, labelled as the system of an Italian desktop labels them.
std::vector<ButtonSpec> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, L"OK"}, {IDCANCEL, L"Annulla"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, L"&Interrompi"}, {IDRETRY, L"&Riprova"}, {IDIGNORE, L"&Ignora"}};
    case MB_YESNOCANCEL: return {{IDYES, L"&S\u00EC"}, {IDNO, L"&No"}, {IDCANCEL, L"Annulla"}};
    case MB_YESNO: return {{IDYES, L"&S\u00EC"}, {IDNO, L"&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, L"&Riprova"}, {IDCANCEL, L"Annulla"}};
    default: return {{IDOK, L"OK"}};
    }
}

struct Box {
    UINT type = 0;
    std::vector<ButtonSpec> buttons;
    int defaultId = IDOK;
    int answer = 0;
    bool done = false;
    SIZE client{};
    RECT textRect{};

    bool Has(int id) const {
        return std::any_of(buttons.begin(), buttons.end(), [&](const ButtonSpec& b) { return b.id == id; });
    }
    // Escape and the close button cancel; a box with only OK takes them as OK; otherwise they
    // do nothing (a question must be answered).
    int CancelAnswer() const {
        if (Has(IDCANCEL)) return IDCANCEL;
        return buttons.size() == 1 && buttons[0].id == IDOK ? IDOK : 0;
    }
};

Box* BoxOf(HWND hwnd) { return reinterpret_cast<Box*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// A box is at most a third of the screen wide; its text breaks between words to fit.
int WidestText(int textX) { return std::max(kMinWidth, GetSystemMetrics(SM_CXSCREEN) / 3) - textX - kMargin; }

void Layout(Box& box, const std::wstring& text) {
    bool icon = (box.type & MB_ICONMASK) != 0;
    int textX = kMargin + (icon ? kIconSize + kIconGap : 0);
    SIZE measured = look::MeasureText(text, SystemUiFont(), WidestText(textX));
    int contentHeight = std::max<int>(icon ? kIconSize : 0, measured.cy);
    int textY = kMargin + (contentHeight - measured.cy) / 2;
    int buttonsWidth = static_cast<int>(box.buttons.size()) * (kButtonWidth + kButtonGap) + kMargin;
    box.client.cx = std::max({kMinWidth, textX + static_cast<int>(measured.cx) + kMargin, buttonsWidth});
    box.client.cy = kMargin + contentHeight + kMargin + kBandHeight;
    box.textRect = {textX, textY, textX + measured.cx, textY + measured.cy};
}

// Centred on the owner (on the screen without one), and kept on the screen.
POINT Placement(HWND owner, SIZE size) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area = screen;
    if (owner) GetWindowRect(owner, &area);
    POINT at{area.left + (area.right - area.left - size.cx) / 2, area.top + (area.bottom - area.top - size.cy) / 2};
    at.x = std::max<LONG>(screen.left, std::min<LONG>(at.x, screen.right - size.cx));
    at.y = std::max<LONG>(screen.top, std::min<LONG>(at.y, screen.bottom - size.cy));
    return at;
}

void CreateChildren(HWND hwnd, const Box& box, const std::wstring& text) {
    HFONT font = SystemUiFont();
    HWND label = CreateWindowExW(0, L"static", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                 box.textRect.left, box.textRect.top, box.textRect.right - box.textRect.left,
                                 box.textRect.bottom - box.textRect.top, hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), nullptr, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    int x = box.client.cx - kMargin / 2 - static_cast<int>(box.buttons.size()) * (kButtonWidth + kButtonGap) + kButtonGap;
    int y = box.client.cy - kBandHeight + (kBandHeight - kButtonHeight) / 2;
    for (const ButtonSpec& spec : box.buttons) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (spec.id == box.defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND button = CreateWindowExW(0, L"Button", spec.label, style, x, y, kButtonWidth, kButtonHeight, hwnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), nullptr, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        x += kButtonWidth + kButtonGap;
    }
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    Box* box = BoxOf(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    look::Fill(dc, client, RGB(255, 255, 255));
    look::Fill(dc, {0, client.bottom - kBandHeight, client.right, client.bottom}, kBandColour);
    if (box) DrawIcon(dc, kMargin, kMargin, box->type);
    EndPaint(hwnd, &ps);
}

void Answer(HWND hwnd, int id) {
    Box* box = BoxOf(hwnd);
    if (!box || id == 0) return;
    box->answer = id;
    box->done = true;
}

// Keeps the program's other windows from taking input while the box is up; returns those it
// disabled, to enable again afterwards.
std::vector<HWND> DisableOthers(HWND owner, HWND box, UINT type) {
    std::vector<HWND> disabled;
    auto disable = [&](HWND w) {
        if (w != box && IsWindowEnabled(w) && !EnableWindow(w, FALSE)) disabled.push_back(w);
    };
    // Task-modal: every window of the program; otherwise the owner alone, if there is one.
    if (type & MB_TASKMODAL)
        for (HWND top : TopLevelWindows()) disable(top);
    else if (owner)
        disable(owner);
    return disabled;
}

int RunLoop(HWND hwnd, Box& box) {
    MSG msg;
    while (!box.done && IsWindow(hwnd)) {
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the program's own loop
            break;
        }
        if (IsDialogMessageW(hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return box.answer;
}

int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
    Box box;
    box.type = type;
    box.buttons = ButtonsOf(type);
    std::size_t defaultIndex = std::min<std::size_t>((type & MB_DEFMASK) >> 8, box.buttons.size() - 1);
    box.defaultId = box.buttons[defaultIndex].id;
    Layout(box, text);
    if (owner) owner = TopLevelOf(owner);
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = WS_EX_DLGMODALFRAME | ((type & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0);
    RECT outer{0, 0, box.client.cx, box.client.cy};
    AdjustWindowRectEx(&outer, kStyle, FALSE, exStyle);
    const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    POINT at = Placement(owner, size);
    HWND hwnd = CreateWindowExW(exStyle, L"#32770", caption.c_str(), kStyle, at.x, at.y, size.cx, size.cy, owner,
                                nullptr, nullptr, &box);
    if (!hwnd) return 0;
    CreateChildren(hwnd, box, text);
    std::vector<HWND> disabled = DisableOthers(owner, hwnd, type);
    ShowWindow(hwnd, SW_SHOW);
    if (HWND button = GetDlgItem(hwnd, box.defaultId)) SetFocus(button);
    int answer = RunLoop(hwnd, box);
    // The others come back before the box goes, so activation returns to them.
    for (HWND w : disabled) EnableWindow(w, TRUE);
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    return answer;
}

}  // namespace

LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_COMMAND: {
        Box* box = BoxOf(hwnd);
        int id = LOWORD(wParam);
        if (box && id == IDCANCEL) Answer(hwnd, box->CancelAnswer());
        else if (box && box->Has(id)) Answer(hwnd, id);
        return 0;
    }
    case WM_CLOSE:
        if (Box* box = BoxOf(hwnd)) Answer(hwnd, box->CancelAnswer());
        return 0;
    case DM_GETDEFID:
        if (Box* box = BoxOf(hwnd)) return MAKELRESULT(box->defaultId, DC_HASDEFID);
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace platform::messagebox

using namespace platform;

int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    if (hWnd && !IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    std::wstring text = lpText ? lpText : L"";
    std::wstring caption = lpCaption ? lpCaption : L"Errore";
    return messagebox::Show(hWnd, text, caption, uType);
}

// Narrow text is taken byte for byte as Latin-1, the program's own convention.
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    auto widen = [](LPCSTR s) {
        std::wstring wide;
        for (; s && *s; ++s) wide += static_cast<wchar_t>(static_cast<unsigned char>(*s));
        return wide;
    };
    std::wstring text = widen(lpText);
    std::wstring caption = widen(lpCaption);
    return MessageBoxW(hWnd, text.c_str(), lpCaption ? caption.c_str() : nullptr, uType);
}
