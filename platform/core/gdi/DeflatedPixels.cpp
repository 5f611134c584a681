#include "gdi/DeflatedPixels.h"

#include <zlib.h>

#include <algorithm>

namespace platform {

namespace {

// About a millisecond of compressing.
constexpr std::size_t kSliceBytes = 128 * 1024;
// Worth keeping compressed at a quarter of the pixels' room or less.
constexpr std::size_t kWorthDivisor = 4;
constexpr std::size_t kFirstOutput = 64 * 1024;

std::size_t PixelBytes(const BitmapObject& bitmap) { return bitmap.pixels.size() * sizeof(std::uint32_t); }

}  // namespace

PixelDeflation::PixelDeflation(HBITMAP handle, std::uint32_t spell)
    : handle_(handle), spell_(spell), stream_(std::make_unique<z_stream_s>()) {}

PixelDeflation::~PixelDeflation() {
    if (stream_) deflateEnd(stream_.get());
}

std::unique_ptr<PixelDeflation> PixelDeflation::Start(HBITMAP handle, const BitmapObject& bitmap) {
    std::unique_ptr<PixelDeflation> job(new PixelDeflation(handle, bitmap.timesTaken));
    // The fastest level: pictures of the screen's size compress well at it already.
    if (deflateInit(job->stream_.get(), Z_BEST_SPEED) != Z_OK) {
        job->stream_.reset();
        return nullptr;
    }
    job->output_.resize(kFirstOutput);
    return job;
}

bool PixelDeflation::Step(BitmapObject* bitmap) {
    if (!bitmap || bitmap->packed || bitmap->selections > 0 || bitmap->timesTaken != spell_) return true;
    const std::size_t total = PixelBytes(*bitmap);
    const std::size_t limit = total / kWorthDivisor;
    const std::size_t slice = std::min(kSliceBytes, total - consumed_);
    z_stream& stream = *stream_;
    stream.next_in = reinterpret_cast<Bytef*>(bitmap->pixels.data()) + consumed_;
    stream.avail_in = static_cast<uInt>(slice);
    consumed_ += slice;
    const int flush = consumed_ == total ? Z_FINISH : Z_NO_FLUSH;
    for (;;) {
        if (stream.total_out == output_.size()) {
            // Past a quarter of the pixels it is not worth keeping: given up at once.
            if (output_.size() >= limit) return Refuse(*bitmap);
            output_.resize(std::min(output_.size() * 2, limit));
        }
        stream.next_out = output_.data() + stream.total_out;
        stream.avail_out = static_cast<uInt>(output_.size() - stream.total_out);
        const int status = deflate(&stream, flush);
        if (status == Z_STREAM_END) return Finish(*bitmap);
        if (status != Z_OK && status != Z_BUF_ERROR) return Refuse(*bitmap);
        if (stream.avail_in == 0 && stream.avail_out > 0) return false;
    }
}

bool PixelDeflation::Refuse(BitmapObject& bitmap) {
    bitmap.deflateRefusedIn = spell_;
    return true;
}

bool PixelDeflation::Finish(BitmapObject& bitmap) {
    if (stream_->total_out > PixelBytes(bitmap) / kWorthDivisor) return Refuse(bitmap);
    output_.resize(stream_->total_out);
    output_.shrink_to_fit();
    bitmap.deflated = std::move(output_);
    bitmap.pixels = PixelBuffer();
    bitmap.packed = true;
    return true;
}

bool InflatePixels(BitmapObject& bitmap) {
    PixelBuffer pixels(static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height));
    if (pixels.empty()) return false;
    uLongf size = static_cast<uLongf>(pixels.size() * sizeof(std::uint32_t));
    if (uncompress(reinterpret_cast<Bytef*>(pixels.data()), &size, bitmap.deflated.data(),
                   static_cast<uLong>(bitmap.deflated.size())) != Z_OK)
        return false;
    bitmap.pixels = std::move(pixels);
    bitmap.deflated = {};
    bitmap.packed = false;
    return true;
}

}  // namespace platform
