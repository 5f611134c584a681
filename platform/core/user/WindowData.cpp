// Window text, window longs, parent and enabled state.
#include <algorithm>
#include <cstring>

#include "PlatformState.h"
#include "user/Activation.h"
#include "user/WindowOps.h"

using namespace platform;

namespace {

bool ExtraOffsetValid(const Window& w, int offset, std::size_t size) {
    return offset >= 0 && static_cast<std::size_t>(offset) + size <= w.extraBytes.size();
}

template <class T>
T ReadExtra(const Window& w, int offset) {
    T value{};
    std::memcpy(&value, w.extraBytes.data() + offset, sizeof value);
    return value;
}

template <class T>
void WriteExtra(Window& w, int offset, T value) {
    std::memcpy(w.extraBytes.data() + offset, &value, sizeof value);
}

LONG SetStyle(HWND hwnd, int index, DWORD newValue) {
    Window* w = FindWindow(hwnd);
    DWORD old = index == GWL_STYLE ? w->style : w->exStyle;
    STYLESTRUCT styles{old, newValue};
    SendMessageW(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&styles));
    if (!(w = FindWindow(hwnd))) return 0;
    // The bits the platform implies come back whatever was asked.
    if (index == GWL_STYLE && !w->IsChild()) styles.styleNew |= WS_CLIPSIBLINGS;
    if (index == GWL_EXSTYLE) styles.styleNew = WithImpliedExStyle(w->style, styles.styleNew);
    (index == GWL_STYLE ? w->style : w->exStyle) = styles.styleNew;
    SendMessageW(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&styles));
    return static_cast<LONG>(old);
}

// The pointer-sized longs; `valid` is false for an index that is not one.
LONG_PTR GetLongPtr(const Window& w, int index, bool& valid) {
    valid = true;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w.proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w.instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w.IsChild() ? w.parent : w.owner);
    case GWLP_ID: return w.id;
    case GWLP_USERDATA: return w.userData;
    case GWL_STYLE: return static_cast<LONG>(w.style);
    case GWL_EXSTYLE: return static_cast<LONG>(w.exStyle);
    default: break;
    }
    if (ExtraOffsetValid(w, index, sizeof(LONG_PTR))) return ReadExtra<LONG_PTR>(w, index);
    valid = false;
    return 0;
}

bool IsPointerOnlyIndex(int index) {
    return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT;
}

}  // namespace

BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
    if (!CheckWindow(hWnd)) return FALSE;
    return static_cast<BOOL>(SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    if (!lpString || nMaxCount <= 0) return 0;
    lpString[0] = 0;
    if (!CheckWindow(hWnd)) return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthW(HWND hWnd) {
    if (!CheckWindow(hWnd)) return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex) {
    Window* w = CheckWindow(hWnd);
    if (!w) return 0;
    if (nIndex >= 0) {
        if (ExtraOffsetValid(*w, nIndex, sizeof(LONG))) return ReadExtra<LONG>(*w, nIndex);
    } else if (!IsPointerOnlyIndex(nIndex)) {
        bool valid = false;
        LONG_PTR value = GetLongPtr(*w, nIndex, valid);
        if (valid) return static_cast<LONG>(value);
    }
    // A pointer does not fit in a LONG: the 64-bit platform refuses those indexes here.
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int nIndex) {
    Window* w = CheckWindow(hWnd);
    if (!w) return 0;
    bool valid = false;
    LONG_PTR value = GetLongPtr(*w, nIndex, valid);
    if (!valid) SetLastError(ERROR_INVALID_INDEX);
    return value;
}

LONG WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) {
    Window* w = CheckWindow(hWnd);
    if (!w) return 0;
    if (nIndex >= 0 && ExtraOffsetValid(*w, nIndex, sizeof(LONG))) {
        LONG old = ReadExtra<LONG>(*w, nIndex);
        WriteExtra(*w, nIndex, dwNewLong);
        return old;
    }
    if (nIndex == GWL_STYLE || nIndex == GWL_EXSTYLE) return SetStyle(hWnd, nIndex, static_cast<DWORD>(dwNewLong));
    if (nIndex == GWLP_ID || nIndex == GWLP_USERDATA)
        return static_cast<LONG>(SetWindowLongPtrW(hWnd, nIndex, dwNewLong));
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Window* w = CheckWindow(hWnd);
    if (!w) return 0;
    LONG_PTR old = 0;
    switch (nIndex) {
    case GWLP_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(w->proc);
        // A window without a procedure could hear nothing; a null one is not taken.
        if (dwNewLong) w->proc = reinterpret_cast<WNDPROC>(dwNewLong);
        return old;
    case GWLP_HINSTANCE: old = reinterpret_cast<LONG_PTR>(w->instance); w->instance = reinterpret_cast<HINSTANCE>(dwNewLong); return old;
    case GWLP_ID: old = w->id; w->id = dwNewLong; return old;
    case GWLP_USERDATA: old = w->userData; w->userData = dwNewLong; return old;
    case GWL_STYLE: case GWL_EXSTYLE: return SetStyle(hWnd, nIndex, static_cast<DWORD>(dwNewLong));
    case GWLP_HWNDPARENT:
        if (w->IsChild()) break;
        old = reinterpret_cast<LONG_PTR>(w->owner);
        w->owner = reinterpret_cast<HWND>(dwNewLong);
        return old;
    default:
        if (ExtraOffsetValid(*w, nIndex, sizeof(LONG_PTR))) {
            old = ReadExtra<LONG_PTR>(*w, nIndex);
            WriteExtra(*w, nIndex, dwNewLong);
            return old;
        }
        break;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

// Named values attached to a window (SetPropW), found again by name.
BOOL WINAPI SetPropW(HWND hWnd, LPCWSTR lpString, HANDLE hData) {
    Window* w = CheckWindow(hWnd);
    if (!w || !lpString) return FALSE;
    for (auto& [name, data] : w->properties)
        if (name == lpString) {
            data = hData;
            return TRUE;
        }
    w->properties.emplace_back(lpString, hData);
    return TRUE;
}

HANDLE WINAPI GetPropW(HWND hWnd, LPCWSTR lpString) {
    Window* w = FindWindow(hWnd);
    if (!w || !lpString) return nullptr;
    for (const auto& [name, data] : w->properties)
        if (name == lpString) return data;
    return nullptr;
}

HANDLE WINAPI RemovePropW(HWND hWnd, LPCWSTR lpString) {
    Window* w = FindWindow(hWnd);
    if (!w || !lpString) return nullptr;
    for (auto it = w->properties.begin(); it != w->properties.end(); ++it)
        if (it->first == lpString) {
            HANDLE data = it->second;
            w->properties.erase(it);
            return data;
        }
    return nullptr;
}

HWND WINAPI GetParent(HWND hWnd) {
    Window* w = CheckWindow(hWnd);
    if (!w) return nullptr;
    if (w->IsChild()) return w->parent;
    // A pop-up window's "parent" is its owner; an overlapped window has none.
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
    Window* w = CheckWindow(hWnd);
    return w && !(w->style & WS_DISABLED);
}

// Returns whether the window was disabled before.
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (bEnable) {
        w->style &= ~WS_DISABLED;
        if (wasDisabled) SendMessageW(hWnd, WM_ENABLE, TRUE, 0);
        return wasDisabled;
    }
    SendMessageW(hWnd, WM_CANCELMODE, 0, 0);
    if (!(w = FindWindow(hWnd))) return wasDisabled;
    w->style |= WS_DISABLED;
    if (!wasDisabled) {
        // A disabled window cannot keep the focus.
        if (hWnd == State().focus) SetFocus(nullptr);
        SendMessageW(hWnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}
