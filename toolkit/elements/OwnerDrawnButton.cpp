#include "toolkit/elements/OwnerDrawnButton.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontInfo.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/ElementRegistry.h"

namespace OrloUtility {

namespace {

constexpr COLORREF kDisabledOutline = 0x696969;
constexpr COLORREF kDisabledText = 0x969696;
constexpr COLORREF kWhite = 0xFFFFFF;
// The focus rectangle lies this far inside the item on every side.
constexpr int kFocusInset = 3;

struct FaceColours {
    COLORREF text;
    COLORREF outline;
};

// Disabled items are grey; a pressed one has its outline in the inverse of the text colour.
FaceColours ColoursFor(UINT state, COLORREF text) {
    if (state & ODS_DISABLED) return {kDisabledText, kDisabledOutline};
    if (state & ODS_SELECTED) return {text, kWhite - text};
    return {text, text};
}

// How far below the item's top the text starts so that a line of the context's font sits in
// the middle. The font is found by selecting a stand-in and reading what it replaced.
int TextOffset(HDC context, int itemHeight) {
    FontInfo standIn;
    HGDIOBJ current = SelectObject(context, standIn.Handle());
    LOGFONTW description{};
    const bool read = current && GetObjectW(current, sizeof description, &description) != 0;
    if (current) SelectObject(context, current);
    standIn.Release();
    if (!read) return 0;
    // A negative height gives the characters' height rather than the cell's (the usual case for
    // the system's fonts); either way its size is about one line.
    return std::max(0, (itemHeight - std::abs(static_cast<int>(description.lfHeight))) / 2);
}

void DrawFace(Button& button, Drawing& surface, const DRAWITEMSTRUCT& item) {
    const RECT& box = item.rcItem;
    const int itemWidth = box.right - box.left, itemHeight = box.bottom - box.top;
    const FaceColours colours = ColoursFor(item.itemState, GetTextColor(item.hDC));
    const int textTop = box.top + TextOffset(item.hDC, itemHeight);
    const COLORREF face = GetBkColor(item.hDC);
    surface.FillBox(0, face, box.left, box.top, itemWidth, itemHeight, face);
    surface.DrawFrame(box.left, box.top, itemWidth, itemHeight, colours.outline);
    const int textStart = button.DrawImage(surface, box, (item.itemState & ODS_SELECTED) != 0);
    surface.DrawString(box.left + textStart, textTop, itemWidth - textStart, itemHeight, button.GetNarrowText(),
                       colours.text, Drawing::kAlignCentre, nullptr);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = box;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace

bool PaintOwnerDrawnButton(WPARAM controlId, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return false;
    auto* button = dynamic_cast<Button*>(FindById(static_cast<std::uint32_t>(controlId)));
    if (!button) return false;
    // The context belongs to the system: the surface draws on it and lets it go untouched.
    Drawing surface(button);
    surface.StoreContext(item.hDC);
    DrawFace(*button, surface, item);
    surface.Detach();
    return true;
}

}  // namespace OrloUtility
