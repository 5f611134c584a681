// The drawing objects and contexts that exist, and the stock objects.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "HandleTable.h"
#include "gdi/DeflatedPixels.h"
#include "gdi/GdiObjects.h"

namespace platform {

struct GdiState {
    HandleTable<GdiObject, 1> objects;
    HandleTable<DeviceContext, 2> contexts;
    // Contexts deleted, kept to be made anew: a window's paint takes one each frame.
    std::vector<std::unique_ptr<DeviceContext>> spareContexts;
    // Large bitmaps that left their last context, to be packed once they have sat idle.
    std::vector<HBITMAP> packCandidates;
    // The one idle bitmap being deflated, a slice at each wait.
    std::unique_ptr<PixelDeflation> deflation;
    std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> stock{};
    HBITMAP defaultBitmap = nullptr;  // the 1x1 monochrome bitmap a new memory context holds
    std::array<HBRUSH, COLOR_MENUBAR + 1> systemBrushes{};
};

// The drawing state, with its stock objects made on first use.
GdiState& Gdi();

}  // namespace platform
