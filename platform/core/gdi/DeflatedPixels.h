// Large idle bitmaps that do not pack as runs of one colour (a starfield, a photograph) are
// compressed with deflate instead: such pictures shrink five- to eightfold. The compressing is
// spread over the program's waits, a slice at each, so that no wait grows by more than a
// millisecond or so; a context that takes the bitmap meanwhile simply ends it. Coming back
// costs one inflate when a context next takes the bitmap.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gdi/GdiObjects.h"

struct z_stream_s;

namespace platform {

class PixelDeflation {
public:
    // Starts compressing an idle bitmap's pixels; null when the compressor cannot start.
    static std::unique_ptr<PixelDeflation> Start(HBITMAP handle, const BitmapObject& bitmap);
    ~PixelDeflation();
    PixelDeflation(const PixelDeflation&) = delete;
    PixelDeflation& operator=(const PixelDeflation&) = delete;

    HBITMAP Handle() const { return handle_; }
    // Compresses the next slice of the bitmap (null: it is gone). True when the work is over:
    // the bitmap now holds its compressed pixels, or it compressed too little to be worth it
    // (it is then marked so, until a context takes it again), or it left the idle state.
    bool Step(BitmapObject* bitmap);

private:
    PixelDeflation(HBITMAP handle, std::uint32_t spell);
    bool Finish(BitmapObject& bitmap);
    bool Refuse(BitmapObject& bitmap);

    HBITMAP handle_;
    std::uint32_t spell_;  // the bitmap's idle spell (its times taken) whose pixels are deflated
    std::unique_ptr<z_stream_s> stream_;
    std::size_t consumed_ = 0;  // bytes of pixels given to the compressor
    std::vector<std::uint8_t> output_;
};

// Restores a deflated bitmap's pixels; false when there is no memory for them.
bool InflatePixels(BitmapObject& bitmap);

}  // namespace platform
