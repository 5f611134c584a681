// The drawing objects behind GDI handles: bitmaps, pens, brushes and device contexts.
//
// Pixels are 32-bit 0x00RRGGBB, rows top-down. A monochrome bitmap keeps the same layout with
// every pixel 0 (bit 0) or 0x00FFFFFF (bit 1), so raster operations run the same loops on both.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "PlatformApi.h"

namespace platform {

inline constexpr std::uint32_t kWhitePixel = 0x00FFFFFF;

inline std::uint32_t PixelOf(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
inline COLORREF ColorOf(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

struct GdiObject {
    enum class Kind { Bitmap, Pen, Brush };
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    Kind kind;
    bool stock = false;
    HDC selectedInto = nullptr;  // bitmaps: the one context they are selected into
    int selections = 0;          // how many contexts hold it selected
};

struct BitmapObject : GdiObject {
    BitmapObject(int w, int h, bool mono) : GdiObject(Kind::Bitmap), width(w), height(h), monochrome(mono),
        pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}
    int width;
    int height;
    bool monochrome;
    std::vector<std::uint32_t> pixels;
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

struct DeviceContext {
    HDC handle = nullptr;
    HBITMAP bitmap = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0x00FFFFFF;
    int bkMode = OPAQUE;
};

// What a context draws on: its bitmap's pixels.
struct Surface {
    BitmapObject* bitmap = nullptr;
    int Width() const { return bitmap ? bitmap->width : 0; }
    int Height() const { return bitmap ? bitmap->height : 0; }
    bool Monochrome() const { return bitmap && bitmap->monochrome; }
};

GdiObject* FindGdiObject(HGDIOBJ handle);
template <class T>
T* FindGdi(HGDIOBJ handle, GdiObject::Kind kind) {
    GdiObject* object = FindGdiObject(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}
DeviceContext* FindDc(HDC hdc);
Surface SurfaceOf(const DeviceContext& dc);
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
