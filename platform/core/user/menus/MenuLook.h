// How menus look: the bar along the top of a window and its drop-downs, in a light, flat
// desktop style. Shared by the bar's painting and the drop-down window.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace platform::menulook {

inline constexpr int kTitlePadding = 8;     // space on each side of a title
inline constexpr int kItemHeight = 22;
inline constexpr int kSeparatorHeight = 9;
inline constexpr int kCheckColumn = 28;     // left of an item's text, where its check mark goes
inline constexpr int kRightPadding = 24;

inline constexpr COLORREF kBarFace = RGB(255, 255, 255);
inline constexpr COLORREF kTitleHot = RGB(229, 243, 255);
inline constexpr COLORREF kTitleHotBorder = RGB(204, 232, 255);
inline constexpr COLORREF kTitleOpen = RGB(204, 232, 255);
inline constexpr COLORREF kTitleOpenBorder = RGB(153, 209, 255);
inline constexpr COLORREF kDropFace = RGB(242, 242, 242);
inline constexpr COLORREF kDropBorder = RGB(204, 204, 204);
inline constexpr COLORREF kItemHot = RGB(145, 201, 247);
inline constexpr COLORREF kText = RGB(0, 0, 0);
inline constexpr COLORREF kGreyText = RGB(109, 109, 109);
inline constexpr COLORREF kSeparator = RGB(215, 215, 215);

// The font menus are written in; shared, never deleted.
HFONT Font();
// A menu text without its access-key ampersands ("&&" stands for one "&").
std::wstring Visible(const std::wstring& text);
// The access key of a menu text, lower-cased; 0 when it has none.
wchar_t AccessKey(const std::wstring& text);
// Draws a menu text at (x, y) in `colour`, the access key underlined.
void DrawText(HDC dc, int x, int y, const std::wstring& text, COLORREF colour);
// The width a menu text takes.
int TextWidth(HDC dc, const std::wstring& text);

}  // namespace platform::menulook
