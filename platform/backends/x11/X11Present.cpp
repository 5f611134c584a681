// Showing windows' pixels: the X server reads the changed rectangles straight from the window's
// own pixels, in shared memory where it can, so nothing is copied on the program's side.
#include <memory>

#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"
#include "backends/x11/X11Backend.h"
#include "user/NonClient.h"

#include "backends/x11/Errors.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace platform {

void X11Backend::Present() {
    MapPendingWindows();
    bool shown = false;
    for (auto& [hwnd, native] : windows_) {
        Window* w = FindWindow(hwnd);
        if (w && !w->dirty.Empty() && native.mapped) {
            PresentWindow(hwnd, native, false);
            shown = true;
        }
    }
    // The server reads the pixels in place: they must stay as they are until it has.
    if (shown) XSync(display_, False);
}

void X11Backend::PresentWindow(HWND window, Native& native, bool whole) {
    Window* w = FindWindow(window);
    if (!w || !w->IsVisibleFlag() || !native.mapped || !MakeWindowPixels(*w)) return;
    // Only the part inside the window manager's frame is on the screen.
    const RECT shown = nonclient::DesktopArea(*w);
    if (whole) {
        w->dirty.Clear();
        w->dirty.Add(shown);
    }
    if (w->dirty.Empty() || !ImageFits(*w, native)) return;
    for (const RECT& changed : w->dirty) {
        RECT area{};
        const RECT pixels{0, 0, w->pixelsWidth, w->pixelsHeight};
        if (!IntersectRect(&area, &changed, &shown) || !IntersectRect(&area, &area, &pixels)) continue;
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        const int toX = area.left - shown.left;
        const int toY = area.top - shown.top;
        if (native.segment)
            XShmPutImage(display_, native.id, gc_, native.image, area.left, area.top, toX, toY, width, height, False);
        else
            XPutImage(display_, native.id, gc_, native.image, area.left, area.top, toX, toY, width, height);
    }
    w->dirty.Clear();
    if (whole) XSync(display_, False);
}

// An image over the window's pixels as they are now; made again when the window's pixels were
// made again (a new size). False when the server takes no image of them.
bool X11Backend::ImageFits(const Window& w, Native& native) {
    if (native.image && native.imagePixels == w.pixels.data() && native.image->width == w.pixelsWidth &&
        native.image->height == w.pixelsHeight)
        return true;
    ReleaseImage(native);
    const int screen = DefaultScreen(display_);
    Visual* visual = DefaultVisual(display_, screen);
    const int depth = DefaultDepth(display_, screen);
    char* data = reinterpret_cast<char*>(const_cast<std::uint32_t*>(w.pixels.data()));
    if (sharedMemory_ && w.pixels.SharedId() >= 0) {
        auto info = std::make_shared<XShmSegmentInfo>();
        info->shmid = w.pixels.SharedId();
        info->shmaddr = data;
        info->readOnly = True;
        XImage* image = XShmCreateImage(display_, visual, depth, ZPixmap, data, info.get(), w.pixelsWidth, w.pixelsHeight);
        x11::ErrorTrap trap;
        const bool attached = image && XShmAttach(display_, info.get());
        XSync(display_, False);
        if (attached && !trap.Failed()) {
            native.image = image;
            native.segment = info;
        } else {
            // The server cannot reach our memory after all: every window goes through the
            // connection from now on.
            if (image) XDestroyImage(image);
            sharedMemory_ = false;
        }
    }
    if (!native.image)
        native.image = XCreateImage(display_, visual, depth, ZPixmap, 0, data, w.pixelsWidth, w.pixelsHeight, 32,
                                    w.pixelsWidth * 4);
    if (!native.image) return false;
    native.image->byte_order = LSBFirst;
    native.imagePixels = w.pixels.data();
    return true;
}

void X11Backend::ReleaseImage(Native& native) {
    if (native.segment) XShmDetach(display_, static_cast<XShmSegmentInfo*>(native.segment.get()));
    if (native.image) {
        // The pixels are the window's own: the image only borrowed them.
        native.image->data = nullptr;
        XDestroyImage(native.image);
    }
    native.image = nullptr;
    native.imagePixels = nullptr;
    native.segment.reset();
}

}  // namespace platform
