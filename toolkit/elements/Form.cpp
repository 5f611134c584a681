#include "toolkit/elements/Form.h"

#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/WindowProcedure.h"

namespace OrloUtility {

namespace {

// Visible, with caption, system menu and maximize box: 0x10C90000.
constexpr DWORD kFramedStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;
// The dialog modal-frame bit of a dialog's style (DS_MODALFRAME), kept by tool-window forms.
constexpr DWORD kModalFrame = 0x80;
constexpr DWORD kToolExStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
// The numbers of IDC_ARROW and IDI_APPLICATION: on Windows those macros are narrow text unless
// the whole build is wide, and the wide loaders need them as wide resource names.
constexpr WORD kArrowCursor = 32512;
constexpr WORD kApplicationIcon = 32512;

}  // namespace

Form::Form(HINSTANCE instance) : GUIElement(instance) { typeName_ = "form"; }

Form::Form(HINSTANCE instance, DialogVariant) : Form(instance) { toolWindow = true; }

// The class goes too once its window is gone, and with it the background brush it was given;
// while the window still exists the platform refuses and both stay.
Form::~Form() {
    ForgetActiveForm(*this);
    if (windowIcon_) DestroyIcon(windowIcon_);
    if (!className_.empty()) UnregisterClassW(className_.c_str(), instance_);
}

void Form::Create() {
    if (window_) return;
    RegisterWindowClass();
    HWND created = CreateWindowExW(ExtendedStyle(), className_.c_str(), text_.c_str(), Style(), x, y, width, height,
                                   nullptr, nullptr, instance_, nullptr);
    window_ = created;
    if (!MainWindow()) RecordMainWindow(created);
    OnCreate(created);
    ShowWindow(created, SW_SHOWNORMAL);
    UpdateWindow(created);
    created_ = true;
    ApplyTooltipAndFont();
}

void Form::RegisterWindowClass() {
    className_ = L"Window" + std::to_wstring(IdCounter());
    id_ = TakeNextId();
    windowClass_ = WNDCLASSW{};
    windowClass_.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass_.lpfnWndProc = WindowProcedure;
    windowClass_.hInstance = instance_;
    windowClass_.hIcon = ClassIcon();
    windowClass_.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(kArrowCursor));
    windowClass_.hbrBackground =
        backColor_ == kButtonFace ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor_);
    windowClass_.lpszClassName = className_.c_str();
    RegisterClassW(&windowClass_);
}

HICON Form::ClassIcon() const {
    if (iconResourceId_ == 0) return LoadIconW(nullptr, MAKEINTRESOURCEW(kApplicationIcon));
    return LoadIconW(instance_, MAKEINTRESOURCEW(iconResourceId_));
}

DWORD Form::Style() const {
    DWORD style = FrameStyle();
    if (!sizable) style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    if (!minimizeBox) style &= ~static_cast<DWORD>(WS_MINIMIZEBOX);
    if (!enabled) style |= WS_DISABLED;
    return style;
}

DWORD Form::FrameStyle() const {
    if (toolWindow) return modalFrame ? kFramedStyle | kModalFrame : kFramedStyle;
    if (!framed) return static_cast<DWORD>(WS_POPUP);
    DWORD style = kFramedStyle;
    if (minimizeBox) style |= WS_MINIMIZEBOX;
    if (sizable) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
    return style;
}

DWORD Form::ExtendedStyle() const {
    if (!toolWindow) return 0;
    return topmostWhenTool ? kToolExStyle | WS_EX_TOPMOST : kToolExStyle;
}

void Form::SetIcon(int resourceId) {
    iconResourceId_ = resourceId;
    if (!window_) return;
    HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(resourceId));
    if (!icon) return;
    HICON previous = windowIcon_;
    windowIcon_ = icon;
    // Both sizes: the title bar shows the small one, the taskbar and the window switcher the big
    // one, which would otherwise stay the class's generic icon.
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    // Loading the same resource again gives the same handle, which is still in use.
    if (previous && previous != icon) DestroyIcon(previous);
}

void Form::RegisterHotKeys() {
    for (std::size_t i = 0; i < hotKeys.size(); ++i)
        RegisterHotKey(window_, static_cast<int>(i + 1), hotKeys[i].modifiers, hotKeys[i].key);
}

void Form::UnregisterHotKeys() {
    for (int id = 1; id <= static_cast<int>(hotKeys.size()); ++id) UnregisterHotKey(window_, id);
}

}  // namespace OrloUtility
