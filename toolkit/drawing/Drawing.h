// The toolkit's drawing surface: a thin object over one device context through which the game
// and owner-drawn controls put every pixel on screen. It draws text, rectangles, plain,
// stretched, partial and transparent bitmap copies, captures regions into new bitmaps, and
// ends the paint cycle of a window.
//
// A surface with no context is closed: every operation then returns at once and does nothing.
// Each operation puts back every selection it changed. The memory contexts and the mask that
// bitmap copies work in are kept by the surface from one operation to the next, because the
// game calls them for every sprite on every frame; pens and brushes are made and freed by each
// operation. A surface lets go of them when it closes. Bitmaps handed in stay the caller's; a
// null bitmap draws nothing.
#pragma once

#include <string>

#include "PlatformApi.h"
#include "toolkit/drawing/DrawingScratch.h"
#include "toolkit/drawing/GdiHandles.h"

namespace OrloUtility {

class GUIElement;
class FontInfo;

class Drawing {
public:
    // Text alignment codes of DrawString.
    static constexpr int kAlignLeft = 0;
    static constexpr int kAlignRight = 1;
    static constexpr int kAlignCentre = 2;

    // A closed surface that paints the window of `owner` (not owned, never used by the surface itself).
    explicit Drawing(GUIElement* owner);
    // Ends drawing first (EndDrawing). A context that belongs to someone else must be let go
    // with Detach before.
    virtual ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    // ---- Opening and closing ----

    // Opens the surface on `context`, deleting the context stored before. For a window this is
    // the context of BeginPaint(window, PaintRecord()), so that EndDrawing ends that paint.
    void StoreContext(HDC context);
    // Opens the surface on a memory context it owns outright, the bitmap it holds included
    // (from CreateBackBuffer); EndDrawing then deletes both and ends no paint cycle.
    void StorePrivateContext(HDC context);
    // From now on draws into a back buffer as large as the window, which EndDrawing copies to
    // the window. False when the surface is closed or private, already buffered, or the buffer
    // cannot be made.
    bool BeginBackBuffer();
    // Closes the surface without deleting its context or ending anything: for a context that
    // belongs to the system, such as an owner-drawn control's.
    void Detach() { context_ = nullptr; }
    // A private surface deletes its context. Otherwise a back buffer is copied to the window
    // and deleted, the paint cycle is ended, and the surface closes.
    void EndDrawing();

    GUIElement* Owner() const { return owner_; }
    HDC Context() const { return context_; }
    bool IsOpen() const { return context_ != nullptr; }
    bool IsPrivate() const { return private_; }
    bool HasBackBuffer() const { return windowContext_ != nullptr; }
    // Filled by BeginPaint; its paint rectangle is the surface's size when its context belongs
    // to no window.
    PAINTSTRUCT* PaintRecord() { return &paint_; }

    // ---- Drawing ----

    // A memory context compatible with the surface, holding a compatible bitmap as large as
    // the client area of the surface's window (the paint rectangle when it has none). The
    // caller owns the context and the bitmap in it.
    HDC CreateBackBuffer();
    // Text in the colour, transparent over what lies below, at most 1023 characters, in `font`
    // (null: the context's font). With width and height both non-zero it is laid out in the box
    // (x, y, x + width, y + height), aligned by the code, clipped to it, new lines only at line
    // breaks; otherwise it is one line at (x, y), not clipped.
    void DrawString(int x, int y, int width, int height, const std::wstring& text, COLORREF colour,
                    int alignment, FontInfo* font);
    // The same for narrow text.
    void DrawString(int x, int y, int width, int height, const std::string& text, COLORREF colour,
                    int alignment, FontInfo* font);
    // The platform's text-metric height of `font`; -1 when closed, the font is null or its
    // metrics cannot be read.
    int TextHeight(FontInfo* font);
    // A 1-pixel outline of the box (left, top, left + width, top + height), not filled.
    void DrawFrame(int left, int top, int width, int height, COLORREF colour);
    // The box filled with `fillColour`, outlined with a pen `penWidth` wide (none when <= 0).
    void FillBox(int penWidth, COLORREF penColour, int left, int top, int width, int height, COLORREF fillColour);
    // The whole bitmap at (0, 0) at its own size.
    void DrawBitmapAtOrigin(HBITMAP bitmap);
    // The whole bitmap stretched into (x, y, width, height) when both are non-zero, otherwise
    // at its own size at (x, y).
    void DrawBitmap(int x, int y, int width, int height, HBITMAP bitmap);
    // The width-by-height block at (sourceX, sourceY) of the bitmap, at (x, y).
    void DrawBitmapPart(int x, int y, int width, int height, HBITMAP bitmap, int sourceX, int sourceY);
    // A new bitmap holding the block at (sourceX, sourceY) of the surface; the caller owns it.
    // Null when closed or the bitmap cannot be made.
    HBITMAP CaptureRegion(int sourceX, int sourceY, int width, int height);
    // Copies the block at (sourceX, sourceY) of the surface into `target`, an existing bitmap of
    // exactly width by height (not selected anywhere), as CaptureRegion would into a new one.
    // False, and nothing drawn, when closed or the bitmap is null, selected or of another size.
    bool CaptureRegionInto(HBITMAP target, int sourceX, int sourceY, int width, int height);
    // The block (x, y, width, height) of `source` to the same place on this surface, unchanged.
    void CopyBlockFrom(const Drawing& source, int x, int y, int width, int height);
    // The width-by-height block at (0, sourceY) of the bitmap, at (x, y), its black pixels
    // transparent: one frame of vertically stacked animation frames.
    void DrawMaskedPart(int x, int y, int width, int height, HBITMAP bitmap, int sourceY);
    // As DrawBitmap, black pixels transparent.
    void DrawMasked(int x, int y, int width, int height, HBITMAP bitmap);

protected:
    // Called after a platform drawing call fails; the operation then carries on with what it
    // has. Silent here; a subclass may report. The destructor reaches only this version.
    virtual void OnError() {}

private:
    void Check(bool succeeded);
    RECT AreaOf(HDC context) const;
    void DrawRectangle(HPEN pen, HGDIOBJ brush, int left, int top, int width, int height);
    void CopyWhole(HDC source, int sourceWidth, int sourceHeight, int x, int y, int width, int height,
                   DWORD operation);
    void PresentBackBuffer();
    void DeleteBackBuffer();
    void DropContext();

    GUIElement* owner_;
    HDC context_ = nullptr;
    // Set only while a back buffer stands in for the window: the window's own context.
    HDC windowContext_ = nullptr;
    OwnedBitmap backBuffer_;
    bool private_ = false;
    PAINTSTRUCT paint_{};
    DrawingScratch scratch_;
};

}  // namespace OrloUtility
