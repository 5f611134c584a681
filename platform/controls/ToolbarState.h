// What a toolbar ("ToolbarWindow32") remembers between messages: its buttons, its images, the
// sizes they are laid out with, which button is hot and which one the mouse holds down, and its
// tooltip. The state lives on the heap, its pointer in the window's extra bytes, so a handle that
// is gone reads as no state at all.
#pragma once

#include <string>
#include <vector>

#include "PlatformApi.h"
#include "controls/ToolbarImages.h"

namespace platform::toolbar {

// The platform's defaults: 16x16 images on 23x22 buttons, separators 8 wide. (The documented
// image height is 15; the platform's toolbar draws 16 rows.)
inline constexpr SIZE kDefaultBitmapSize{16, 16};
inline constexpr SIZE kDefaultButtonSize{23, 22};
// TB_SETBUTTONSIZE with a zero side asks for this side instead.
inline constexpr SIZE kZeroButtonSize{24, 22};
// A button is at least its image and this much around it.
inline constexpr SIZE kImagePadding{7, 6};
inline constexpr int kSeparatorWidth = 8;
// The drop-down arrow's part of a BTNS_DROPDOWN (with TBSTYLE_EX_DRAWDDARROWS) or
// BTNS_WHOLEDROPDOWN button, added to its width.
inline constexpr int kArrowWidth = 11;
// Above and below the row of buttons, inside the client area.
inline constexpr int kRowMargin = 2;
// The two lines above the client area unless CCS_NODIVIDER.
inline constexpr int kDividerHeight = 2;

// Around a label: its width and this much is the least a button with labels is wide.
inline constexpr int kLabelPadding = 6;

struct Button {
    TBBUTTON info{};
    RECT rect{};        // empty while hidden
    std::wstring text;  // the label iString pointed at, copied when the button was added
};

enum class MouseMode { Idle, Pressing };

struct State {
    std::vector<Button> buttons;
    Images images;
    SIZE bitmapSize = kDefaultBitmapSize;
    SIZE buttonSize = kDefaultButtonSize;  // as asked; the laid-out size also fits the images
    DWORD extendedStyle = 0;
    HFONT font = nullptr;  // WM_SETFONT's; the dialog font when none
    SIZE labels{};         // the widest label and a line's height; zero while no button has one
    int standardFirst[2] = {-1, -1};  // where the small and the large standard images begin
    int hot = -1;
    MouseMode mouse = MouseMode::Idle;
    int pressed = -1;           // while pressing: the button the press began on
    bool pointerOnPressed = false;
    bool trackingLeave = false;  // WM_MOUSELEAVE asked for
    HWND tooltip = nullptr;
    std::vector<int> toolIds;   // the tools the tooltip holds for the buttons
    std::wstring infoTip;       // the parent's answer to TBN_GETINFOTIPW, shown by the tooltip
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);
// False once the toolbar did not survive what its parent did when told something.
inline bool Alive(HWND hwnd, const State& state) { return StateOf(hwnd) == &state; }

inline LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }
inline bool IsFlat(HWND hwnd) { return (StyleOf(hwnd) & TBSTYLE_FLAT) != 0; }
inline bool IsSeparator(const Button& b) { return (b.info.fsStyle & BTNS_SEP) != 0; }
inline bool IsHidden(const Button& b) { return (b.info.fsState & TBSTATE_HIDDEN) != 0; }
inline bool IsEnabled(const Button& b) { return (b.info.fsState & TBSTATE_ENABLED) != 0; }

// The index of the button with `command`, -1 for none.
int IndexOfCommand(const State& state, int command);
// The index of the visible button (separators included) at `at`, -1 for none.
int IndexAt(const State& state, POINT at);

// ToolbarLayout.cpp
// The size every button is laid out at: the size asked for, at least the image and its padding,
// and with labels, one line of text more and at least the widest label and its padding.
SIZE ButtonSize(const State& state);
// The part of a button above its label, which the image is centred in.
int ImageAreaHeight(const State& state);
// Lays the buttons out again, tells the tooltip, and repaints.
void LayOut(HWND hwnd, State& state);
// Where the toolbar goes along its parent, by the CCS_* styles (TB_AUTOSIZE, WM_SIZE).
void AutoSize(HWND hwnd, const State& state);
// The drop-down arrow's part of a button; empty for a button without one.
RECT ArrowRect(const State& state, const Button& button);
bool HasArrow(const State& state, const Button& button);

// ToolbarButtons.cpp: TB_* messages about buttons and their states.
LRESULT OnButtonMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam);
// Checks a BTNS_CHECKGROUP button and unchecks the others of its group (the run of BTNS_GROUP
// buttons around it).
void CheckInGroup(HWND hwnd, State& state, int index);

// ToolbarNotify.cpp: what the parent hears.
LRESULT Notify(HWND hwnd, NMHDR& header, UINT code);
void NotifyButton(HWND hwnd, UINT code, const State& state, int index);
void NotifyMouse(HWND hwnd, UINT code, const State& state, int index, POINT at);
LRESULT NotifyDropDown(HWND hwnd, const State& state, int index);
void SendCommand(HWND hwnd, int command);
// Makes `index` (-1: none) the hot button as the platform does: the parent hears it first and may
// refuse it; a disabled button or a separator is heard of but does not stay hot.
void SetHot(HWND hwnd, State& state, int index, DWORD reason);

// ToolbarInput.cpp
void OnButtonDown(HWND hwnd, State& state, POINT at);
void OnMouseMove(HWND hwnd, State& state, POINT at);
void OnButtonUp(HWND hwnd, State& state, POINT at);
void OnMouseLeave(HWND hwnd, State& state);
void OnCaptureChanged(HWND hwnd, State& state, HWND taker);

// ToolbarTips.cpp
void CreateTooltip(HWND hwnd, State& state);
void SyncTools(HWND hwnd, State& state);
void RelayToTooltip(HWND hwnd, const State& state, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNotify(HWND hwnd, State& state, WPARAM wParam, NMHDR* header);
LRESULT SetTooltip(HWND hwnd, State& state, HWND tooltip);

// ToolbarPaint.cpp
void Paint(HWND hwnd, const State& state);

}  // namespace platform::toolbar
