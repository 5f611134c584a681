// Memory device contexts: what they hold selected, and their colours and background mode.
#include "PlatformState.h"
#include "gdi/PackedPixels.h"
#include "gdi/WindowSurfaces.h"

namespace platform {

namespace {

std::uintptr_t Key(HDC hdc) { return reinterpret_cast<std::uintptr_t>(hdc); }

DeviceContext* CheckDc(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

template <class Handle>
void Select(Handle& slot, Handle handle) {
    if (GdiObject* old = FindGdiObject(slot)) --old->selections;
    slot = handle;
    if (GdiObject* now = FindGdiObject(handle)) ++now->selections;
}

HGDIOBJ SelectBitmap(DeviceContext& dc, HBITMAP bitmap) {
    auto* object = FindGdi<BitmapObject>(bitmap, GdiObject::Kind::Bitmap);
    // A bitmap is in one context at a time.
    if (object->selectedInto && object->selectedInto != dc.handle) return nullptr;
    HBITMAP previous = dc.bitmap;
    auto* old = FindGdi<BitmapObject>(previous, GdiObject::Kind::Bitmap);
    if (old) old->selectedInto = nullptr;
    Select(dc.bitmap, bitmap);
    if (!object->stock) object->selectedInto = dc.handle;
    // Drawn on or read only through a context: unpacked while one holds it.
    ++object->timesTaken;
    Unpack(*object);
    if (old && old != object) NoteBitmapIdle(previous, *old, CurrentBackend().MonotonicMs());
    return previous;
}

}  // namespace

DeviceContext* FindDc(HDC hdc) { return State().gdi.contexts.Get(Key(hdc)); }

HDC NewContext(HWND window, bool screen, bool wholeWindow) {
    GdiState& gdi = Gdi();
    std::unique_ptr<DeviceContext> dc;
    if (gdi.spareContexts.empty()) {
        dc = std::make_unique<DeviceContext>();
    } else {
        dc = std::move(gdi.spareContexts.back());
        gdi.spareContexts.pop_back();
        *dc = DeviceContext{};
    }
    dc->window = window;
    dc->screen = screen;
    dc->wholeWindow = wholeWindow;
    DeviceContext* added = dc.get();
    std::uintptr_t value = gdi.contexts.Add(std::move(dc));
    if (!value) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    added->handle = reinterpret_cast<HDC>(value);
    // Every new context holds the default objects.
    Select(added->bitmap, gdi.defaultBitmap);
    Select(added->pen, static_cast<HPEN>(gdi.stock[BLACK_PEN]));
    Select(added->brush, static_cast<HBRUSH>(gdi.stock[WHITE_BRUSH]));
    Select(added->font, static_cast<HFONT>(gdi.stock[SYSTEM_FONT]));
    return added->handle;
}

Surface SurfaceOfBitmap(BitmapObject& bitmap) {
    Surface surface;
    surface.pixels = bitmap.pixels.data();
    surface.stride = bitmap.width;
    surface.clip = {0, 0, bitmap.width, bitmap.height};
    surface.monochrome = bitmap.monochrome;
    return surface;
}

Surface SurfaceOf(const DeviceContext& dc) {
    if (dc.window) return dc.wholeWindow ? WholeWindowSurface(dc.window) : WindowSurface(dc.window);
    auto* bitmap = FindGdi<BitmapObject>(dc.bitmap, GdiObject::Kind::Bitmap);
    return bitmap && !dc.screen ? SurfaceOfBitmap(*bitmap) : Surface{};
}

bool IsMonochrome(const DeviceContext& dc) {
    if (dc.window || dc.screen) return false;
    auto* bitmap = FindGdi<BitmapObject>(dc.bitmap, GdiObject::Kind::Bitmap);
    return bitmap && bitmap->monochrome;
}

}  // namespace platform

using namespace platform;

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !FindDc(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return NewContext(nullptr, false);
}

BOOL WINAPI DeleteDC(HDC hdc) {
    DeviceContext* dc = CheckDc(hdc);
    if (!dc) return FALSE;
    // What it held goes back to its owner, still alive.
    SelectBitmap(*dc, Gdi().defaultBitmap);
    Select(dc->bitmap, HBITMAP{});
    Select(dc->pen, HPEN{});
    Select(dc->brush, HBRUSH{});
    Select(dc->font, HFONT{});
    GdiState& gdi = State().gdi;
    std::unique_ptr<DeviceContext> removed = gdi.contexts.Remove(Key(hdc));
    // A handful is plenty: contexts are made and deleted in pairs within a frame.
    if (removed && gdi.spareContexts.size() < 8) gdi.spareContexts.push_back(std::move(removed));
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = CheckDc(hdc);
    GdiObject* object = FindGdiObject(h);
    if (!dc || !object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    HGDIOBJ previous = nullptr;
    switch (object->kind) {
    case GdiObject::Kind::Bitmap: return SelectBitmap(*dc, static_cast<HBITMAP>(h));
    case GdiObject::Kind::Pen:
        previous = dc->pen;
        Select(dc->pen, static_cast<HPEN>(h));
        break;
    case GdiObject::Kind::Brush:
        previous = dc->brush;
        Select(dc->brush, static_cast<HBRUSH>(h));
        break;
    case GdiObject::Kind::Font:
        previous = dc->font;
        Select(dc->font, static_cast<HFONT>(h));
        break;
    }
    return previous;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = CheckDc(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_BITMAP: return dc->bitmap;
    case OBJ_PEN: return dc->pen;
    case OBJ_BRUSH: return dc->brush;
    case OBJ_FONT: return dc->font;
    default: return nullptr;
    }
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = CheckDc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->textColor;
    dc->textColor = color & 0xFFFFFF;
    return previous;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    DeviceContext* dc = CheckDc(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = CheckDc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->bkColor;
    dc->bkColor = color & 0xFFFFFF;
    return previous;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    DeviceContext* dc = CheckDc(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = CheckDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int WINAPI GetBkMode(HDC hdc) {
    DeviceContext* dc = CheckDc(hdc);
    return dc ? dc->bkMode : 0;
}
