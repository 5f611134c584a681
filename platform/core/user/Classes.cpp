#include "user/Classes.h"

#include <algorithm>
#include <cwctype>

#include "PlatformState.h"
#include "controls/SystemClasses.h"
#include "user/WindowTree.h"
#include "user/menus/MenuLook.h"
#include "user/menus/MenuTracking.h"

namespace platform {

namespace {

bool SameName(const std::wstring& a, LPCWSTR b) {
    std::size_t i = 0;
    for (; b[i]; ++i)
        if (i >= a.size() || std::towlower(a[i]) != std::towlower(b[i])) return false;
    return i == a.size();
}

bool Matches(const WindowClass& cls, LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return cls.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    return SameName(cls.name, name);
}

ATOM Register(const WNDCLASSW* wc, bool global) {
    if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !wc->lpszClassName[0]) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (const auto& cls : State().classes) {
        if (Matches(*cls, wc->lpszClassName) && (cls->instance == wc->hInstance || cls->global || global)) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    }
    auto cls = std::make_unique<WindowClass>();
    cls->atom = State().nextAtom++;
    cls->name = wc->lpszClassName;
    cls->style = wc->style;
    cls->proc = wc->lpfnWndProc;
    cls->classExtra = std::max(0, wc->cbClsExtra);
    cls->windowExtra = std::max(0, wc->cbWndExtra);
    cls->instance = wc->hInstance;
    cls->icon = wc->hIcon;
    cls->cursor = wc->hCursor;
    cls->background = wc->hbrBackground;
    cls->global = global || (wc->style & CS_GLOBALCLASS);
    ATOM atom = cls->atom;
    State().classes.push_back(std::move(cls));
    return atom;
}

// The menus' drop-down windows are the window manager's own; the other system classes are the
// controls'.
const SystemClass kDropDownClass{L"#32768", menutracking::DropDownProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0};

}  // namespace

bool RegisterSystemClass(const SystemClass& c) {
    for (const auto& cls : State().classes)
        if (cls->global && Matches(*cls, c.name)) return false;
    WNDCLASSW wc{};
    wc.style = c.style;
    wc.lpfnWndProc = c.proc;
    wc.cbWndExtra = c.windowExtra;
    wc.hCursor = LoadCursorW(nullptr, c.cursor);
    wc.lpszClassName = c.name;
    return Register(&wc, true) != 0;
}

void EnsureSystemClasses() {
    PlatformState& state = State();
    if (state.systemClassesRegistered) return;
    state.systemClassesRegistered = true;
    RegisterSystemClass(kDropDownClass);
    for (const SystemClass& c : ControlClasses())
        if (!c.commonFlags) RegisterSystemClass(c);
}

std::vector<HWND> TopLevelWindows() { return State().topLevels; }

HWND TopLevelOf(HWND window) { return IsWindow(window) ? RootOf(window) : nullptr; }

HFONT SystemUiFont() { return menulook::Font(); }

WindowClass* FindClass(LPCWSTR name, HINSTANCE instance) {
    if (!name) return nullptr;
    EnsureSystemClasses();
    WindowClass* fallback = nullptr;
    for (const auto& cls : State().classes) {
        if (!Matches(*cls, name)) continue;
        if (cls->instance == instance && !cls->global) return cls.get();
        // One process, one module: a class of another instance is still this program's.
        if (!fallback || cls->global) fallback = cls.get();
    }
    return fallback;
}

}  // namespace platform

using namespace platform;

ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass) { return Register(lpWndClass, false); }

BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance) {
    auto& classes = State().classes;
    auto it = std::find_if(classes.begin(), classes.end(), [&](const auto& cls) {
        return lpClassName && Matches(*cls, lpClassName) && cls->instance == hInstance && !cls->global;
    });
    if (it == classes.end()) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if ((*it)->windowCount > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    // The class's background brush is the system's to delete from now on; a system colour
    // index given instead of a brush is no object and is left alone.
    if ((*it)->background) DeleteObject((*it)->background);
    classes.erase(it);
    return TRUE;
}

// The first top-level window, in z-order, of the class (any when null) with the title (any when null).
HWND WINAPI FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
    for (HWND top : State().topLevels) {
        Window* w = FindWindow(top);
        if (!w) continue;
        if (lpClassName && !Matches(*w->windowClass, lpClassName)) continue;
        if (lpWindowName && w->text != lpWindowName) continue;
        return top;
    }
    return nullptr;
}

int WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
    Window* window = CheckWindow(hWnd);
    if (!window || !lpClassName || nMaxCount <= 0) return 0;
    const std::wstring& name = window->windowClass->name;
    int count = std::min<int>(static_cast<int>(name.size()), nMaxCount - 1);
    std::copy_n(name.begin(), count, lpClassName);
    lpClassName[count] = 0;
    return count;
}
