// Showing windows' pixels: the X server reads the changed rectangles straight from the window's
// own pixels, in shared memory where it can, so nothing is copied on the program's side.
#include <memory>

#include "DesktopInput.h"
#include "DesktopWindows.h"
#include "backends/x11/Errors.h"
#include "backends/x11/X11Backend.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace platform {

void X11Backend::Present() {
    MapPendingWindows();
    bool shown = false;
    for (auto& [hwnd, native] : windows_) {
        if (native.mapped && desktop::HasChanges(hwnd)) {
            PresentWindow(hwnd, native, false);
            shown = true;
        }
    }
    // The server reads the pixels in place: they must stay as they are until it has.
    if (shown) XSync(display_, False);
}

void X11Backend::PresentWindow(HWND window, Native& native, bool whole) {
    if (!native.mapped) return;
    if (whole) desktop::Exposed(window);
    const std::optional<desktop::WindowPixels> pixels = desktop::PixelsOf(window);
    if (!pixels || !desktop::HasChanges(window) || !ImageFits(*pixels, native)) return;
    // Only the part inside the window manager's frame is on the screen.
    const desktop::Changes changes = desktop::TakeChanges(window);
    for (int i = 0; i < changes.count; ++i) {
        const RECT& area = changes.rects[static_cast<std::size_t>(i)];
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        const int toX = area.left - pixels->shown.left;
        const int toY = area.top - pixels->shown.top;
        if (native.segment)
            XShmPutImage(display_, native.id, gc_, native.image, area.left, area.top, toX, toY, width, height, False);
        else
            XPutImage(display_, native.id, gc_, native.image, area.left, area.top, toX, toY, width, height);
    }
    if (whole) XSync(display_, False);
}

// An image over the window's pixels as they are now; made again when the window's pixels were
// made again (a new size). False when the server takes no image of them.
bool X11Backend::ImageFits(const desktop::WindowPixels& w, Native& native) {
    if (native.image && native.imagePixels == w.pixels && native.image->width == w.width &&
        native.image->height == w.height)
        return true;
    ReleaseImage(native);
    const int screen = DefaultScreen(display_);
    Visual* visual = DefaultVisual(display_, screen);
    const int depth = DefaultDepth(display_, screen);
    char* data = reinterpret_cast<char*>(const_cast<std::uint32_t*>(w.pixels));
    if (sharedMemory_ && w.sharedId >= 0) {
        auto info = std::make_shared<XShmSegmentInfo>();
        info->shmid = w.sharedId;
        info->shmaddr = data;
        info->readOnly = True;
        XImage* image = XShmCreateImage(display_, visual, depth, ZPixmap, data, info.get(), w.width, w.height);
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
        native.image = XCreateImage(display_, visual, depth, ZPixmap, 0, data, w.width, w.height, 32,
                                    w.width * 4);
    if (!native.image) return false;
    native.image->byte_order = LSBFirst;
    native.imagePixels = w.pixels;
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
