// Creating, describing and deleting drawing objects; stock objects.
#include <algorithm>
#include <cstring>

#include "PlatformState.h"

namespace platform {

namespace {

// Initial pixels given to CreateBitmap: rows top-down, each padded to a 16-bit boundary; one
// bit a pixel (1 white) or four bytes a pixel in blue, green, red, unused order.
void FillFromBits(BitmapObject& bitmap, const std::uint8_t* bits) {
    const int bitsPerPixel = bitmap.monochrome ? 1 : 32;
    const std::size_t rowBytes = ((static_cast<std::size_t>(bitmap.width) * bitsPerPixel + 15) / 16) * 2;
    for (int y = 0; y < bitmap.height; ++y) {
        const std::uint8_t* row = bits + rowBytes * static_cast<std::size_t>(y);
        std::uint32_t* out = bitmap.Row(y);
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.monochrome) {
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? kWhitePixel : 0;
            } else {
                const std::uint8_t* p = row + 4 * static_cast<std::size_t>(x);
                out[x] = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                         (static_cast<std::uint32_t>(p[2]) << 16);
            }
        }
    }
}

std::uintptr_t Key(HGDIOBJ handle) { return reinterpret_cast<std::uintptr_t>(handle); }

LOGFONTW LogFontOf(LONG height, LONG weight, const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    for (std::size_t i = 0; face[i] && i + 1 < LF_FACESIZE; ++i) lf.lfFaceName[i] = face[i];
    return lf;
}

HGDIOBJ AddStock(std::unique_ptr<GdiObject> object) {
    object->stock = true;
    return AddGdiObject(std::move(object));
}

void CreateStockObjects(GdiState& gdi) {
    using K = std::unique_ptr<GdiObject>;
    auto brush = [](COLORREF c) -> K { return std::make_unique<BrushObject>(BS_SOLID, c); };
    auto pen = [](COLORREF c) -> K { return std::make_unique<PenObject>(PS_SOLID, 0, c); };
    gdi.stock[WHITE_BRUSH] = AddStock(brush(0xFFFFFF));
    gdi.stock[LTGRAY_BRUSH] = AddStock(brush(0xC0C0C0));
    gdi.stock[GRAY_BRUSH] = AddStock(brush(0x808080));
    gdi.stock[DKGRAY_BRUSH] = AddStock(brush(0x404040));
    gdi.stock[BLACK_BRUSH] = AddStock(brush(0x000000));
    gdi.stock[NULL_BRUSH] = AddStock(std::make_unique<BrushObject>(BS_NULL, 0));
    gdi.stock[WHITE_PEN] = AddStock(pen(0xFFFFFF));
    gdi.stock[BLACK_PEN] = AddStock(pen(0x000000));
    gdi.stock[NULL_PEN] = AddStock(std::make_unique<PenObject>(PS_NULL, 0, 0));
    gdi.defaultBitmap = static_cast<HBITMAP>(AddStock(std::make_unique<BitmapObject>(1, 1, true)));
    gdi.stock[SYSTEM_FONT] = AddStock(std::make_unique<FontObject>(LogFontOf(16, FW_BOLD, L"System")));
    gdi.stock[DEFAULT_GUI_FONT] = AddStock(std::make_unique<FontObject>(LogFontOf(-11, FW_NORMAL, L"MS Shell Dlg")));
}

int DescribeBitmap(const BitmapObject& bitmap, int size, void* out) {
    BITMAP info{};
    info.bmWidth = bitmap.width;
    info.bmHeight = bitmap.height;
    // Rows of a device bitmap are padded to 16 bits.
    info.bmWidthBytes = bitmap.monochrome ? (bitmap.width + 15) / 16 * 2 : bitmap.width * 4;
    info.bmPlanes = 1;
    info.bmBitsPixel = bitmap.monochrome ? 1 : 32;
    if (!out) return sizeof info;
    int copied = std::min<int>(size, sizeof info);
    std::memcpy(out, &info, static_cast<std::size_t>(copied));
    return copied;
}

template <class T>
int Describe(const T& value, int size, void* out) {
    if (!out) return sizeof value;
    int copied = std::min<int>(size, sizeof value);
    std::memcpy(out, &value, static_cast<std::size_t>(copied));
    return copied;
}

}  // namespace

GdiState& Gdi() {
    GdiState& gdi = State().gdi;
    if (!gdi.defaultBitmap) CreateStockObjects(gdi);
    return gdi;
}

GdiObject* FindGdiObject(HGDIOBJ handle) { return State().gdi.objects.Get(Key(handle)); }

HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object) {
    return reinterpret_cast<HGDIOBJ>(State().gdi.objects.Add(std::move(object)));
}

GdiCounts CountGdiObjects() {
    GdiCounts counts;
    const GdiState& gdi = State().gdi;
    gdi.objects.ForEach([&](const GdiObject& object) {
        if (object.stock) return;
        switch (object.kind) {
        case GdiObject::Kind::Bitmap: ++counts.bitmaps; break;
        case GdiObject::Kind::Pen: ++counts.pens; break;
        case GdiObject::Kind::Brush: ++counts.brushes; break;
        case GdiObject::Kind::Font: ++counts.fonts; break;
        }
    });
    gdi.contexts.ForEach([&](const DeviceContext&) { ++counts.contexts; });
    return counts;
}

}  // namespace platform

using namespace platform;

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nWidth < 0 || nHeight < 0 || nPlanes != 1 || (nBitCount != 1 && nBitCount != 32)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Gdi();
    // An empty bitmap is the 1x1 monochrome stock bitmap, as on the real platform.
    if (nWidth == 0 || nHeight == 0) return Gdi().defaultBitmap;
    auto bitmap = std::make_unique<BitmapObject>(nWidth, nHeight, nBitCount == 1);
    if (!bitmap->HasPixels()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (lpBits) FillFromBits(*bitmap, static_cast<const std::uint8_t*>(lpBits));
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // Compatible with a memory context means with what it holds: a monochrome bitmap stays so.
    bool mono = IsMonochrome(*dc);
    return CreateBitmap(cx, cy, 1, mono ? 1 : 32, nullptr);
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    Gdi();
    UINT style = iStyle == PS_NULL ? PS_NULL : PS_SOLID;
    return static_cast<HPEN>(AddGdiObject(std::make_unique<PenObject>(style, std::max(0, cWidth), color & 0xFFFFFF)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    Gdi();
    return static_cast<HBRUSH>(AddGdiObject(std::make_unique<BrushObject>(BS_SOLID, color & 0xFFFFFF)));
}

HGDIOBJ WINAPI GetStockObject(int i) {
    if (i < 0 || i >= static_cast<int>(Gdi().stock.size())) return nullptr;
    return Gdi().stock[static_cast<std::size_t>(i)];
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    GdiObject* object = FindGdiObject(ho);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->stock) return TRUE;
    // An object a context still uses stays; deleting it would leave the context drawing with nothing.
    if (object->selections > 0) return FALSE;
    State().gdi.objects.Remove(reinterpret_cast<std::uintptr_t>(ho));
    return TRUE;
}

int WINAPI GetObjectW(HANDLE h, int c, LPVOID pv) {
    GdiObject* object = FindGdiObject(h);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (pv && c <= 0) return 0;
    switch (object->kind) {
    case GdiObject::Kind::Bitmap: return DescribeBitmap(*static_cast<BitmapObject*>(object), c, pv);
    case GdiObject::Kind::Pen: {
        auto* pen = static_cast<PenObject*>(object);
        return Describe(LOGPEN{pen->style, {pen->width, 0}, pen->color}, c, pv);
    }
    case GdiObject::Kind::Brush: {
        auto* brush = static_cast<BrushObject*>(object);
        return Describe(LOGBRUSH{brush->style, brush->color, 0}, c, pv);
    }
    case GdiObject::Kind::Font: return Describe(static_cast<FontObject*>(object)->logFont, c, pv);
    }
    return 0;
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
    if (FindDc(static_cast<HDC>(h))) return OBJ_MEMDC;
    GdiObject* object = FindGdiObject(h);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    switch (object->kind) {
    case GdiObject::Kind::Bitmap: return OBJ_BITMAP;
    case GdiObject::Kind::Pen: return OBJ_PEN;
    case GdiObject::Kind::Brush: return OBJ_BRUSH;
    case GdiObject::Kind::Font: return OBJ_FONT;
    }
    return 0;
}
