// The drawing objects behind GDI handles: bitmaps, pens, brushes and device contexts.
//
// Pixels are 32-bit 0x00RRGGBB, rows top-down. A monochrome bitmap keeps the same layout with
// every pixel 0 (bit 0) or 0x00FFFFFF (bit 1), so raster operations run the same loops on both.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "PlatformApi.h"
#include "DirtyRegion.h"
#include "PixelBuffer.h"

namespace platform {

inline constexpr std::uint32_t kWhitePixel = 0x00FFFFFF;

inline std::uint32_t PixelOf(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
inline COLORREF ColorOf(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}
// A single colour drawn on a monochrome surface: white when nearer white, black otherwise.
inline std::uint32_t NearestMonochrome(COLORREF color) {
    int sum = static_cast<int>((color & 0xFF) + ((color >> 8) & 0xFF) + ((color >> 16) & 0xFF));
    return sum >= 383 ? kWhitePixel : 0;
}

struct GdiObject {
    enum class Kind { Bitmap, Pen, Brush, Font };
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    Kind kind;
    bool stock = false;
    HDC selectedInto = nullptr;  // bitmaps: the one context they are selected into
    int selections = 0;          // how many contexts hold it selected
};

struct BitmapObject : GdiObject {
    BitmapObject(int w, int h, bool mono)
        : BitmapObject(w, h, mono, PixelBuffer(static_cast<std::size_t>(w) * static_cast<std::size_t>(h))) {}
    BitmapObject(int w, int h, bool mono, PixelBuffer held)
        : GdiObject(Kind::Bitmap), width(w), height(h), monochrome(mono), pixels(std::move(held)) {}
    // False when the memory for the pixels could not be had.
    bool HasPixels() const { return pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }
    int width;
    int height;
    bool monochrome;
    PixelBuffer pixels;
    // While packed (see PackedPixels) the pixels are empty and either these runs hold them (pairs
    // of a count and a colour, row after row) or their deflated bytes do.
    std::vector<std::uint32_t> runs;
    std::vector<std::uint8_t> deflated;
    bool packed = false;
    std::uint64_t idleSinceMs = 0;  // when it last left a context
    // How many times a context took it: each idle spell between two takings has its own count,
    // and work done on the pixels of an earlier spell is stale.
    std::uint32_t timesTaken = 0;
    // The spell in which deflating it saved too little; tried again in the next one.
    std::uint32_t deflateRefusedIn = UINT32_MAX;
    std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

struct PenObject : GdiObject {
    PenObject(UINT s, int w, COLORREF c) : GdiObject(Kind::Pen), style(s), width(w), color(c) {}
    UINT style;
    int width;
    COLORREF color;
};

struct BrushObject : GdiObject {
    BrushObject(UINT s, COLORREF c) : GdiObject(Kind::Brush), style(s), color(c) {}
    UINT style;
    COLORREF color;
};

struct FontObject : GdiObject {
    explicit FontObject(const LOGFONTW& lf) : GdiObject(Kind::Font), logFont(lf) {}
    LOGFONTW logFont;
};

struct DeviceContext {
    HDC handle = nullptr;
    // A window's context draws into the window's pixels, clipped to its client area; a memory
    // context draws into the bitmap it holds. The screen's context (GetDC of null) has no
    // pixels of its own but is colour, so bitmaps compatible with it are colour.
    HWND window = nullptr;
    bool screen = false;
    bool wholeWindow = false;  // a window's context that also reaches its non-client area
    HBITMAP bitmap = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0x00FFFFFF;
    int bkMode = OPAQUE;
};

// What a context draws on, in the context's coordinates: pixel (x, y) is
// pixels[(y + originY) * stride + x + originX], and only points inside `clip` may be touched.
struct Surface {
    std::uint32_t* pixels = nullptr;
    int stride = 0;
    int originX = 0;
    int originY = 0;
    RECT clip{};
    bool monochrome = false;
    // Where changes are noted for the display (a window's pixels); null for a bitmap.
    DirtyRegion* dirty = nullptr;

    // Notes that the area (context coordinates) was drawn on.
    void Touch(RECT area) const {
        if (!dirty || !IntersectRect(&area, &area, &clip)) return;
        OffsetRect(&area, originX, originY);
        dirty->Add(area);
    }

    bool Valid() const { return pixels && clip.right > clip.left && clip.bottom > clip.top; }
    bool Contains(int x, int y) const {
        return Valid() && x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
    }
    std::uint32_t* At(int x, int y) const {
        return pixels + static_cast<std::ptrdiff_t>(y + originY) * stride + (x + originX);
    }
};

GdiObject* FindGdiObject(HGDIOBJ handle);
template <class T>
T* FindGdi(HGDIOBJ handle, GdiObject::Kind kind) {
    GdiObject* object = FindGdiObject(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}
DeviceContext* FindDc(HDC hdc);
Surface SurfaceOf(const DeviceContext& dc);
Surface SurfaceOfBitmap(BitmapObject& bitmap);
// A new context holding the default objects: a memory context (no window, not the screen), a
// window's, or the screen's.
HDC NewContext(HWND window, bool screen, bool wholeWindow = false);
// A new context drawing on a window's client area, or on the screen for a null window.
HDC CreateDisplayDc(HWND window);
// Whether a context draws in monochrome (a memory context holding a monochrome bitmap).
bool IsMonochrome(const DeviceContext& dc);
HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object);

// Live objects, stock objects left out: tests compare these before and after to find leaks.
struct GdiCounts {
    int contexts = 0;
    int bitmaps = 0;
    int pens = 0;
    int brushes = 0;
    int fonts = 0;
    bool operator==(const GdiCounts&) const = default;
};
GdiCounts CountGdiObjects();

}  // namespace platform
