#include "backends/x11/NativeWindows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <errno.h>
#include <cctype>
#include <cstring>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "backends/x11/WindowHints.h"
#include "Utf8.h"
#include "DesktopWindows.h"

namespace platform::x11 {

namespace {

Atom AtomOf(Display* display, const char* name) { return XInternAtom(display, name, False); }

constexpr long kEvents = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                         EnterWindowMask | LeaveWindowMask | ExposureMask | StructureNotifyMask | FocusChangeMask;

void SetAtoms(Display* display, ::Window window, const char* property, const std::vector<Atom>& atoms) {
    XChangeProperty(display, window, AtomOf(display, property), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
}

// Who the window belongs to: the program's name and class, its process and machine, and that it
// takes the keyboard and answers the close button and the manager's pings itself.
void SetOwnership(Display* display, ::Window window) {
    const char* name = program_invocation_short_name;
    std::string className = name;
    if (!className.empty()) className[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(className[0])));
    XClassHint classHint{const_cast<char*>(name), className.data()};
    XSetClassHint(display, window, &classHint);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(display, window, &hints);
    Atom protocols[] = {AtomOf(display, "WM_DELETE_WINDOW"), AtomOf(display, "_NET_WM_PING")};
    XSetWMProtocols(display, window, protocols, 2);
    const long pid = getpid();
    XChangeProperty(display, window, AtomOf(display, "_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0) {
        XTextProperty machine{reinterpret_cast<unsigned char*>(host), XA_STRING, 8, std::strlen(host)};
        XSetWMClientMachine(display, window, &machine);
    }
}

const char* TypeOf(const NativeKind& kind) {
    if (kind.popup) return "_NET_WM_WINDOW_TYPE_POPUP_MENU";
    if (kind.utility) return "_NET_WM_WINDOW_TYPE_UTILITY";
    if (kind.dialog) return "_NET_WM_WINDOW_TYPE_DIALOG";
    return "_NET_WM_WINDOW_TYPE_NORMAL";
}

}  // namespace

NativeKind KindOf(const desktop::TopLevel& window) {
    const DWORD style = window.style, exStyle = window.exStyle;
    NativeKind kind;
    kind.framed = (style & WS_CAPTION) == WS_CAPTION;
    kind.popup = desktop::IsFloatingPopup(window);
    kind.borderless = !kind.framed && !kind.popup;
    kind.utility = !kind.popup && (exStyle & WS_EX_TOOLWINDOW);
    kind.dialog = kind.framed && (exStyle & WS_EX_DLGMODALFRAME) && !(exStyle & WS_EX_TOOLWINDOW);
    kind.topmost = (exStyle & WS_EX_TOPMOST) != 0;
    return kind;
}

::Window CreateNativeWindow(Display* display, const RECT& rect, const NativeKind& kind) {
    XSetWindowAttributes attributes{};
    // No background: the server would clear an exposed window before the program's pixels
    // arrive, and the person would see it flash.
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = kEvents;
    attributes.override_redirect = kind.popup ? True : False;
    const unsigned long mask = CWBackPixmap | CWBorderPixel | CWBitGravity | CWEventMask | CWOverrideRedirect;
    const ::Window window = XCreateWindow(display, DefaultRootWindow(display), rect.left, rect.top,
                                          std::max(1, int(rect.right - rect.left)), std::max(1, int(rect.bottom - rect.top)),
                                          0, CopyFromParent, InputOutput, CopyFromParent, mask, &attributes);
    if (!window) return 0;
    SetOwnership(display, window);
    FixSize(display, window, rect);
    SetWindowType(display, window, TypeOf(kind));
    if (kind.topmost) SetAtoms(display, window, "_NET_WM_STATE", {AtomOf(display, "_NET_WM_STATE_ABOVE")});
    return window;
}

void FixSize(Display* display, ::Window window, const RECT& rect) {
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    const int width = std::max(1, int(rect.right - rect.left));
    const int height = std::max(1, int(rect.bottom - rect.top));
    hints->flags = USPosition | PPosition | PMinSize | PMaxSize;
    hints->x = rect.left;
    hints->y = rect.top;
    hints->min_width = hints->max_width = width;
    hints->min_height = hints->max_height = height;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

// The title in UTF-8 for current window managers, and for the rest in Latin-1 when it holds it
// (the classic encoding, which needs none of Xlib's locale tables to write).
void SetTitle(Display* display, ::Window window, const std::wstring& text) {
    const std::string utf8 = Utf8Of(text);
    std::string latin1;
    for (wchar_t c : text) latin1.push_back(static_cast<char>(c));
    const bool fitsLatin1 = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c > 0 && c <= 0xFF; });
    const Atom utf8String = AtomOf(display, "UTF8_STRING");
    const std::string& classic = fitsLatin1 ? latin1 : utf8;
    const Atom classicType = fitsLatin1 ? XA_STRING : utf8String;
    for (Atom name : {XA_WM_NAME, XA_WM_ICON_NAME})
        XChangeProperty(display, window, name, classicType, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(classic.data()), static_cast<int>(classic.size()));
    for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"})
        XChangeProperty(display, window, AtomOf(display, name), utf8String, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
}

void InternAtomsUsed(Display* display) {
    const char* names[] = {"WM_DELETE_WINDOW", "WM_PROTOCOLS", "_NET_WM_PING", "_NET_WM_PID", "_NET_WM_WINDOW_TYPE",
                           "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_DIALOG", "_NET_WM_WINDOW_TYPE_UTILITY",
                           "_NET_WM_WINDOW_TYPE_POPUP_MENU", "_NET_WM_STATE", "_NET_WM_STATE_ABOVE", "UTF8_STRING",
                           "_NET_WM_NAME", "_NET_WM_ICON_NAME", "_NET_WM_ICON", "_MOTIF_WM_HINTS",
                           "_NET_ACTIVE_WINDOW", "_NET_WM_USER_TIME"};
    constexpr int kCount = sizeof names / sizeof names[0];
    Atom atoms[kCount];
    XInternAtoms(display, const_cast<char**>(names), kCount, False, atoms);
}

void SetIcon(Display* display, ::Window window, const std::uint32_t* pixels, int size) {
    if (!pixels || size <= 0) return;
    // Each value of a 32-bit property is a long to Xlib, whatever a long's size.
    std::vector<long> values;
    values.reserve(2 + static_cast<std::size_t>(size) * size);
    values.push_back(size);
    values.push_back(size);
    for (int i = 0; i < size * size; ++i) values.push_back(static_cast<long>(pixels[i]));
    XChangeProperty(display, window, AtomOf(display, "_NET_WM_ICON"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values.data()), static_cast<int>(values.size()));
}

unsigned CursorShapeOf(int systemCursorId) {
    using namespace systemcursor;
    switch (systemCursorId) {
    case kIBeam: return XC_xterm;
    case kWait: return XC_watch;
    case kCross: return XC_crosshair;
    case kHand: return XC_hand2;
    case kNo: return XC_X_cursor;
    case kSizeAll: return XC_fleur;
    default: return XC_left_ptr;
    }
}

}  // namespace platform::x11
