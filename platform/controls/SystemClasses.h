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
    // The InitCommonControlsEx flags that register a common control's class; 0 for the classes
    // every program has from the start.
    DWORD commonFlags = 0;
};

// The controls' classes, one line each.
std::span<const SystemClass> ControlClasses();

// ---- What the controls folder offers the window manager ----
// Registers the common control classes any of `flags` (ICC_*) names that are not registered yet.
// A control that makes another common control inside itself asks for its class here first.
void RegisterCommonClasses(DWORD flags);

// ---- What the window manager offers them ----
// The program's top-level windows, the top one first.
std::vector<HWND> TopLevelWindows();
// The top-level window holding `window`; null for a window that is gone.
HWND TopLevelOf(HWND window);
// The font menus, tooltips and message boxes are written in; shared, never deleted.
HFONT SystemUiFont();
// Registers one system class for every program; false when its name is taken already.
bool RegisterSystemClass(const SystemClass& c);

// ---- The procedures of the classes ----
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TooltipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TrackbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TabControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MonthCalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DatePickerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
