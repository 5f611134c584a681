// LoadImageW for bitmap files. A black-and-white 1-bit file becomes a monochrome bitmap, every
// other file a colour bitmap; a size other than the file's stretches the picture to it.
#include <cstring>

#include "PlatformState.h"
#include "gdi/BmpDecoder.h"
#include "kernel/NativePaths.h"
#include "Utf8.h"

namespace platform {

namespace {

// The decoded pixels become the bitmap's own, not a copy of them.
HBITMAP BitmapFrom(DecodedBitmap& decoded) {
    auto bitmap = std::make_unique<BitmapObject>(decoded.width, decoded.height, decoded.monochrome,
                                                 std::move(decoded.pixels));
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

HBITMAP Stretched(HBITMAP original, const DecodedBitmap& decoded, int cx, int cy) {
    HBITMAP sized = CreateBitmap(cx, cy, 1, decoded.monochrome ? 1 : 32, nullptr);
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFrom = SelectObject(from, original);
    HGDIOBJ oldTo = SelectObject(to, sized);
    StretchBlt(to, 0, 0, cx, cy, from, 0, 0, decoded.width, decoded.height, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    DeleteObject(original);
    return sized;
}

}  // namespace

}  // namespace platform

using namespace platform;

HANDLE WINAPI LoadImageW(HINSTANCE, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad) {
    // Resources compiled into the program (icons, cursors) are not loaded through here.
    if (type != IMAGE_BITMAP || !(fuLoad & LR_LOADFROMFILE) || !name || IS_INTRESOURCE(name) || cx < 0 || cy < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string path = NativePathOfWide(name);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return nullptr;  // its error stays
    std::optional<DecodedBitmap> decoded = DecodeBmpFile(path);
    if (!decoded) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    Gdi();
    HBITMAP bitmap = BitmapFrom(*decoded);
    int width = cx ? cx : decoded->width;
    int height = cy ? cy : decoded->height;
    if (width != decoded->width || height != decoded->height) bitmap = Stretched(bitmap, *decoded, width, height);
    return bitmap;
}
