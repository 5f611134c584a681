#include "toolkit/drawing/Drawing.h"

#include <algorithm>
#include <cstddef>

#include "toolkit/drawing/BitmapContext.h"
#include "toolkit/drawing/FontInfo.h"
#include "toolkit/drawing/ScopedSelection.h"
#include "toolkit/drawing/TransparentSource.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

namespace {

// Text is copied into a buffer of 1024 characters, terminator included.
constexpr std::size_t kLongestText = 1023;

UINT AlignmentFlags(int alignment) {
    switch (alignment) {
    case Drawing::kAlignRight: return DT_RIGHT;
    case Drawing::kAlignCentre: return DT_CENTER;
    default: return DT_LEFT | DT_TOP;
    }
}

}  // namespace

Drawing::Drawing(GUIElement* owner) : owner_(owner) {}

Drawing::~Drawing() { EndDrawing(); }

// ---- Opening and closing ----

void Drawing::StoreContext(HDC context) {
    DropContext();
    context_ = context;
}

void Drawing::StorePrivateContext(HDC context) {
    DropContext();
    context_ = context;
    private_ = context != nullptr;
}

bool Drawing::BeginBackBuffer() {
    if (!context_ || private_ || windowContext_) return false;
    HDC buffer = CreateBackBuffer();
    if (!buffer) return false;
    backBuffer_.reset(static_cast<HBITMAP>(GetCurrentObject(buffer, OBJ_BITMAP)));
    windowContext_ = context_;
    context_ = buffer;
    return true;
}

void Drawing::EndDrawing() {
    if (private_) {
        DropContext();
        return;
    }
    if (!context_) return;
    if (windowContext_) PresentBackBuffer();
    // The context is the one BeginPaint gave for the owner's window, so the window that owns
    // it is the owner's: the paint ends for the same window without asking the owner.
    EndPaint(WindowFromDC(context_), &paint_);
    context_ = nullptr;
    scratch_.Release();
}

void Drawing::PresentBackBuffer() {
    RECT target = AreaOf(windowContext_);
    Check(BitBlt(windowContext_, target.left, target.top, target.right - target.left, target.bottom - target.top,
                 context_, 0, 0, SRCCOPY));
    DeleteBackBuffer();
}

void Drawing::DeleteBackBuffer() {
    // The context goes first: a bitmap still selected into a context cannot be deleted.
    DeleteDC(context_);
    backBuffer_.reset();
    context_ = windowContext_;
    windowContext_ = nullptr;
}

// A private context is deleted with the bitmap it holds, which nobody else refers to: a back
// buffer's bitmap would otherwise outlive its context with no handle left to free it.
void Drawing::DropContext() {
    if (windowContext_) DeleteBackBuffer();
    if (private_ && context_) {
        HGDIOBJ held = GetCurrentObject(context_, OBJ_BITMAP);
        DeleteDC(context_);
        DeleteObject(held);
    } else if (context_) {
        DeleteDC(context_);
    }
    context_ = nullptr;
    private_ = false;
    scratch_.Release();
}

// ---- Drawing ----

void Drawing::Check(bool succeeded) {
    if (!succeeded) OnError();
}

RECT Drawing::AreaOf(HDC context) const {
    RECT area = paint_.rcPaint;
    if (HWND window = WindowFromDC(context)) GetClientRect(window, &area);
    return area;
}

HDC Drawing::CreateBackBuffer() {
    if (!context_) return nullptr;
    HDC buffer = CreateCompatibleDC(context_);
    if (!buffer) {
        OnError();
        return nullptr;
    }
    // Compatible with the surface, not with the new context: that one holds a monochrome
    // placeholder until a bitmap is selected into it.
    RECT area = AreaOf(context_);
    HBITMAP bitmap = CreateCompatibleBitmap(context_, area.right - area.left, area.bottom - area.top);
    Check(bitmap != nullptr);
    if (bitmap) SelectObject(buffer, bitmap);
    return buffer;
}

void Drawing::DrawString(int x, int y, int width, int height, const std::wstring& text, COLORREF colour,
                         int alignment, FontInfo* font) {
    if (!context_) return;
    SetBkMode(context_, TRANSPARENT);
    const std::wstring shown = text.substr(0, kLongestText);
    const int length = static_cast<int>(shown.size());
    ScopedSelection fontSelection(context_, font ? font->Handle() : nullptr);
    const COLORREF previousColour = SetTextColor(context_, colour);
    if (width != 0 && height != 0) {
        RECT box{x, y, x + width, y + height};
        DrawTextW(context_, shown.c_str(), length, &box, AlignmentFlags(alignment));
    } else {
        // A box without width or height has nothing to clip to or align in: one line,
        // unclipped, at (x, y).
        TextOutW(context_, x, y, shown.c_str(), length);
    }
    SetTextColor(context_, previousColour);
}

void Drawing::DrawString(int x, int y, int width, int height, const std::string& text, COLORREF colour,
                         int alignment, FontInfo* font) {
    DrawString(x, y, width, height, ToWide(text), colour, alignment, font);
}

int Drawing::TextHeight(FontInfo* font) {
    if (!context_ || !font) return -1;
    ScopedSelection selection(context_, font->Handle());
    TEXTMETRICW metrics{};
    if (!selection.Selected() || !GetTextMetricsW(context_, &metrics)) return -1;
    return metrics.tmHeight;
}

void Drawing::DrawFrame(int left, int top, int width, int height, COLORREF colour) {
    if (!context_) return;
    OwnedPen pen(CreatePen(PS_SOLID, 1, colour));
    DrawRectangle(pen.get(), GetStockObject(NULL_BRUSH), left, top, width, height);
}

void Drawing::FillBox(int penWidth, COLORREF penColour, int left, int top, int width, int height,
                      COLORREF fillColour) {
    if (!context_) return;
    OwnedPen pen(penWidth <= 0 ? CreatePen(PS_NULL, 1, penColour) : CreatePen(PS_SOLID, penWidth, penColour));
    OwnedBrush brush(CreateSolidBrush(fillColour));
    DrawRectangle(pen.get(), brush.get(), left, top, width, height);
}

void Drawing::DrawRectangle(HPEN pen, HGDIOBJ brush, int left, int top, int width, int height) {
    Check(pen && brush);
    ScopedSelection penSelection(context_, pen);
    ScopedSelection brushSelection(context_, brush);
    Rectangle(context_, left, top, left + width, top + height);
}

void Drawing::DrawBitmapAtOrigin(HBITMAP bitmap) { DrawBitmap(0, 0, 0, 0, bitmap); }

void Drawing::DrawBitmap(int x, int y, int width, int height, HBITMAP bitmap) {
    if (!context_ || !bitmap) return;
    BitmapContext source(bitmap, scratch_.ImageContext(context_));
    Check(source.Ready());
    CopyWhole(source.Context(), source.Width(), source.Height(), x, y, width, height, SRCCOPY);
}

// The whole source at (x, y): stretched into width by height when both are non-zero,
// otherwise at its own size.
void Drawing::CopyWhole(HDC source, int sourceWidth, int sourceHeight, int x, int y, int width, int height,
                        DWORD operation) {
    if (width != 0 && height != 0) {
        Check(StretchBlt(context_, x, y, width, height, source, 0, 0, sourceWidth, sourceHeight, operation));
    } else {
        Check(BitBlt(context_, x, y, sourceWidth, sourceHeight, source, 0, 0, operation));
    }
}

void Drawing::DrawBitmapPart(int x, int y, int width, int height, HBITMAP bitmap, int sourceX, int sourceY) {
    if (!context_ || !bitmap) return;
    BitmapContext source(bitmap, scratch_.ImageContext(context_));
    Check(source.Ready());
    Check(BitBlt(context_, x, y, width, height, source.Context(), sourceX, sourceY, SRCCOPY));
}

HBITMAP Drawing::CaptureRegion(int sourceX, int sourceY, int width, int height) {
    if (!context_) return nullptr;
    HBITMAP copy = CreateCompatibleBitmap(context_, width, height);
    if (!copy) {
        OnError();
        return nullptr;
    }
    BitmapContext target(copy, scratch_.ImageContext(context_));
    Check(target.Ready() && BitBlt(target.Context(), 0, 0, width, height, context_, sourceX, sourceY, SRCCOPY));
    return copy;
}

bool Drawing::CaptureRegionInto(HBITMAP target, int sourceX, int sourceY, int width, int height) {
    if (!context_ || !target) return false;
    BitmapContext into(target, scratch_.ImageContext(context_));
    if (!into.Ready() || into.Width() != width || into.Height() != height) return false;
    // Black first where the block reaches past the surface, as in a bitmap made new.
    const bool copied = BitBlt(into.Context(), 0, 0, width, height, nullptr, 0, 0, BLACKNESS) &&
                        BitBlt(into.Context(), 0, 0, width, height, context_, sourceX, sourceY, SRCCOPY);
    Check(copied);
    return copied;
}

void Drawing::CopyBlockFrom(const Drawing& source, int x, int y, int width, int height) {
    if (!context_ || !source.context_) return;
    Check(BitBlt(context_, x, y, width, height, source.context_, x, y, SRCCOPY));
}

// The mask blackens the opaque pixels' places (AND), then the image paints into them (OR);
// black image pixels change nothing in either step.
void Drawing::DrawMaskedPart(int x, int y, int width, int height, HBITMAP bitmap, int sourceY) {
    if (!context_ || !bitmap) return;
    // Only the rows of the block that lie inside the bitmap are drawn (a copy from outside it
    // would be clipped away), so only they need a mask.
    BITMAP size{};
    if (!GetObjectW(bitmap, sizeof size, &size)) {
        OnError();
        return;
    }
    int top = std::max(0, sourceY);
    int bottom = std::min<int>(size.bmHeight, sourceY + height);
    if (bottom <= top || width <= 0) return;
    TransparentSource source(context_, bitmap, top, bottom - top, scratch_);
    Check(source.Ready());
    int drawY = y + (top - sourceY);
    Check(BitBlt(context_, x, drawY, width, bottom - top, source.Mask(), 0, 0, SRCAND));
    Check(BitBlt(context_, x, drawY, width, bottom - top, source.Image(), 0, top, SRCPAINT));
}

void Drawing::DrawMasked(int x, int y, int width, int height, HBITMAP bitmap) {
    if (!context_ || !bitmap) return;
    TransparentSource source(context_, bitmap, scratch_);
    Check(source.Ready());
    CopyWhole(source.Mask(), source.Width(), source.Height(), x, y, width, height, SRCAND);
    CopyWhole(source.Image(), source.Width(), source.Height(), x, y, width, height, SRCPAINT);
}

}  // namespace OrloUtility
