// How the standard controls look: a light, flat desktop style drawn with the platform's own
// drawing calls, shared by every control so they look like one family.
#pragma once

#include <string>

#include "Painting.h"
#include "PlatformApi.h"

namespace platform::look {

// Colours of the controls' parts (0x00BBGGRR).
inline constexpr COLORREF kFace = 0xE1E1E1;         // button face
inline constexpr COLORREF kFaceHot = 0xFBF1E5;      // button face under the pointer
inline constexpr COLORREF kFacePressed = 0xF7E4CC;  // button face while held down
inline constexpr COLORREF kBorder = 0xADADAD;       // control border
inline constexpr COLORREF kBorderFocus = 0xD77800;  // border of the focused or default control
inline constexpr COLORREF kBorderPressed = 0x995400;  // border of a button held down
inline constexpr COLORREF kDisabledText = 0x838383;
inline constexpr COLORREF kDisabledFace = 0xCCCCCC;
inline constexpr COLORREF kDisabledBorder = 0xBFBFBF;
inline constexpr COLORREF kField = 0xFFFFFF;        // edit field background
inline constexpr COLORREF kSelection = 0xD77800;    // selected text background
inline constexpr COLORREF kSelectionText = 0xFFFFFF;

using paint::Fill;
using paint::Outline;
// A box with softly rounded corners: `face` inside a frame `borderWidth` pixels wide. The
// corner pixels are blended with what is already there, so fill the surroundings first.
void RoundedBox(HDC dc, const RECT& rect, COLORREF face, COLORREF border, int borderWidth);
// The platform's classic edges, two pixels wide, drawn just inside `rect` on the sides named
// (`kLeft | kTop | ...`) in the system's 3D colours: a raised shape (a tab, a button at rest) is
// lit from the top left, a sunken one (a button held down) from the bottom right.
enum Side : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8, kAllSides = 15 };
void RaisedEdge(HDC dc, const RECT& rect, unsigned sides = kAllSides);
void SunkenEdge(HDC dc, const RECT& rect, unsigned sides = kAllSides);
// Asks the control's parent for its colours (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, ...): the
// parent sets them in `dc` and answers with the brush to fill with (null when it gives none).
HBRUSH ParentColours(HWND control, HDC dc, UINT message);
// The size a text takes in `font`, its line breaks kept, no access-key prefixes; with a
// `wrapWidth`, also broken between words to lines no wider than that where words allow.
SIZE MeasureText(const std::wstring& text, HFONT font, int wrapWidth = 0);
// The font a control draws with: the one it was given (WM_SETFONT), else the dialog font.
HFONT FontOf(HWND control, HFONT given);

}  // namespace platform::look
