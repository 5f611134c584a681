// The contract between the window manager and the system's window classes the controls folder
// holds ("Button", "static", "edit", tooltips, message boxes): the table of those classes, which
// the window manager registers for every program, and the little the classes need of the window
// manager that the API every program has does not offer. The classes are otherwise written
// against the API like any program's window procedures.
#pragma once

#include <span>
#include <vector>

#include "PlatformApi.h"

namespace platform {

struct SystemClass {
    const wchar_t* name;
    WNDPROC proc;
    UINT style;
    LPCWSTR cursor;
    int windowExtra;
};

// The controls' classes, one line each.
std::span<const SystemClass> ControlClasses();

// ---- What the window manager offers them ----
// The program's top-level windows, the top one first.
std::vector<HWND> TopLevelWindows();
// The top-level window holding `window`; null for a window that is gone.
HWND TopLevelOf(HWND window);
// The font menus, tooltips and message boxes are written in; shared, never deleted.
HFONT SystemUiFont();

// ---- The procedures of the classes ----
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TooltipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TrackbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
