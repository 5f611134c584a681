#include "gdi/BmpDecoder.h"

#include <unistd.h>

#include <array>
#include <algorithm>
#include <bit>
#include <cerrno>
#include <utility>
#include <vector>

#include "kernel/RegularFiles.h"

namespace platform {

namespace {

constexpr std::uint32_t kSignature = 0x4D42;  // "BM", read little-endian
constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// From this size up (the V2 header and later) the colour masks are fields of the header;
// a plain 40-byte header is followed by them instead.
constexpr std::uint32_t kHeaderSizeWithMasks = 52;
constexpr std::uint64_t kMasksOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr std::uint64_t kSeparateMasksSize = 12;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

// Bounds that keep a hostile header from asking for gigabytes.
constexpr std::int64_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = std::int64_t{64} << 20;
// The largest pixel array those bounds allow (32 bits a pixel), plus room for headers.
// How much of a file is read at a time.
constexpr std::uint64_t kReadBlockBytes = 64 * 1024;
constexpr std::uintmax_t kMaxFileSize = (std::uintmax_t{kMaxPixels} * 4) + (1u << 20);

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Little-endian field reads. A read past the end yields 0 and marks the reader failed, so a
// parser reads all its fields and checks once.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint32_t U8(std::uint64_t offset) { return Read(offset, 1); }
    std::uint32_t U16(std::uint64_t offset) { return Read(offset, 2); }
    std::uint32_t U32(std::uint64_t offset) { return Read(offset, 4); }
    std::int32_t I32(std::uint64_t offset) { return static_cast<std::int32_t>(Read(offset, 4)); }

    // Marks the reader failed unless [offset, offset + count) lies in the bytes.
    void Require(std::uint64_t offset, std::uint64_t count) {
        if (offset > bytes_.size() || count > bytes_.size() - offset) ok_ = false;
    }
    bool Ok() const { return ok_; }

private:
    std::uint32_t Read(std::uint64_t offset, unsigned count) {
        Require(offset, count);
        if (!ok_) return 0;
        std::uint32_t value = 0;
        for (unsigned i = count; i-- > 0;) value = (value << 8) | bytes_[offset + i];
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    bool ok_ = true;
};

// The fields of both header kinds that decoding needs.
struct Header {
    bool core = false;
    std::uint64_t pixelOffset = 0;
    std::uint64_t headersEnd = 0;  // just past the info header and any masks after it
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative for top-down rows
    std::uint32_t planes = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue; read for BI_BITFIELDS only
};

// The OS/2-era header: 16-bit unsigned sizes, so rows are always bottom-up.
void ReadCoreHeader(FieldReader& in, Header& header) {
    header.core = true;
    header.headersEnd = kFileHeaderSize + kCoreHeaderSize;
    header.width = in.U16(18);
    header.height = in.U16(20);
    header.planes = in.U16(22);
    header.bitsPerPixel = in.U16(24);
}

// BITMAPINFOHEADER and its larger versions, which share its first 40 bytes.
void ReadInfoHeader(FieldReader& in, std::uint32_t headerSize, Header& header) {
    in.Require(kFileHeaderSize, headerSize);
    header.headersEnd = kFileHeaderSize + headerSize;
    header.width = in.I32(18);
    header.height = in.I32(22);
    header.planes = in.U16(26);
    header.bitsPerPixel = in.U16(28);
    header.compression = in.U32(30);
    header.colorsUsed = in.U32(46);
    if (header.compression != kBiBitfields) return;
    if (headerSize < kHeaderSizeWithMasks) header.headersEnd += kSeparateMasksSize;
    for (std::uint64_t i = 0; i < header.masks.size(); ++i) {
        header.masks[i] = in.U32(kMasksOffset + 4 * i);
    }
}

std::optional<Header> ReadHeader(std::span<const std::uint8_t> file) {
    FieldReader in(file);
    if (in.U16(0) != kSignature) return std::nullopt;
    Header header;
    header.pixelOffset = in.U32(10);
    const std::uint32_t headerSize = in.U32(14);
    if (headerSize == kCoreHeaderSize) {
        ReadCoreHeader(in, header);
    } else if (headerSize >= kInfoHeaderSize) {
        ReadInfoHeader(in, headerSize, header);
    } else {
        return std::nullopt;
    }
    if (!in.Ok()) return std::nullopt;
    return header;
}

bool IsSupportedFormat(const Header& header) {
    const std::uint32_t bpp = header.bitsPerPixel;
    if (header.planes != 1) return false;
    switch (header.compression) {
    case kBiRgb:
        if (header.core && (bpp == 16 || bpp == 32)) return false;  // the core header predates them
        return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    case kBiBitfields:
        return bpp == 16 || bpp == 32;
    default:
        // Run-length encoding (RLE8, RLE4) and embedded JPEG or PNG data are not decoded.
        return false;
    }
}

// Where the rows are and how they are stored, after every size has been checked.
struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    std::uint64_t stride = 0;  // bytes a row, padded to 4
};

std::optional<Layout> CheckLayout(const Header& header, std::uint64_t fileSize) {
    const std::int64_t rows = header.height < 0 ? -header.height : header.height;
    if (header.width <= 0 || header.width > kMaxSide) return std::nullopt;
    if (rows <= 0 || rows > kMaxSide) return std::nullopt;
    if (header.width * rows > kMaxPixels) return std::nullopt;
    // The pixel data starts after the headers and inside the file, and all of it is there.
    const std::uint64_t offset = header.pixelOffset;
    if (offset < header.headersEnd || offset > fileSize) return std::nullopt;
    const std::uint64_t bitsPerRow = static_cast<std::uint64_t>(header.width) * header.bitsPerPixel;
    const std::uint64_t stride = (bitsPerRow + 31) / 32 * 4;
    if (stride * static_cast<std::uint64_t>(rows) > fileSize - offset) return std::nullopt;
    return Layout{static_cast<int>(header.width), static_cast<int>(rows), header.height < 0,
                  stride};
}

// The palette of a depth of 8 bits or less; empty for deeper pixels, whose optional colour
// table only hints at a display palette.
std::optional<std::vector<std::uint32_t>> ReadPalette(std::span<const std::uint8_t> file,
                                                      const Header& header) {
    if (header.bitsPerPixel > 8) return std::vector<std::uint32_t>{};
    const std::uint64_t capacity = std::uint64_t{1} << header.bitsPerPixel;
    const std::uint64_t entries = header.colorsUsed == 0 ? capacity : header.colorsUsed;
    // More entries than the depth can index means the header is not to be trusted.
    if (entries > capacity) return std::nullopt;
    const std::uint64_t entrySize = header.core ? 3 : 4;
    if (header.headersEnd + entries * entrySize > header.pixelOffset) return std::nullopt;
    FieldReader in(file);
    std::vector<std::uint32_t> palette;
    for (std::uint64_t offset = header.headersEnd; palette.size() < entries; offset += entrySize) {
        palette.push_back((in.U8(offset + 2) << 16) | (in.U8(offset + 1) << 8) | in.U8(offset));
    }
    if (!in.Ok()) return std::nullopt;
    return palette;
}

// One colour channel of a direct-colour pixel: a contiguous run of bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

std::optional<Channel> MakeChannel(std::uint32_t mask, std::uint32_t bitsPerPixel) {
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) return std::nullopt;
    if (mask == 0) return Channel{};  // a channel the file leaves out reads as 0
    const int shift = std::countr_zero(mask);
    const std::uint32_t run = mask >> shift;
    if ((run & (run + 1)) != 0) return std::nullopt;  // holes in the mask
    return Channel{mask, shift, std::popcount(run)};
}

// Widens a channel to 8 bits. Narrow channels repeat their bits downwards, so the full value
// maps to 255 and 0 to 0; wide ones keep their top 8 bits.
std::uint32_t ExpandTo8Bits(std::uint32_t value, int bits) {
    if (bits == 0) return 0;
    if (bits >= 8) return value >> (bits - 8);
    std::uint32_t expanded = 0;
    for (int shift = 8 - bits; shift > -bits; shift -= bits) {
        expanded |= shift >= 0 ? value << shift : value >> -shift;
    }
    return expanded & 0xFF;
}

std::uint32_t Extract(const Channel& channel, std::uint32_t value) {
    return ExpandTo8Bits((value & channel.mask) >> channel.shift, channel.bits);
}

std::array<std::uint32_t, 3> DirectColourMasks(const Header& header) {
    if (header.compression == kBiBitfields) return header.masks;
    if (header.bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F};  // 5-5-5
    return {0xFF0000, 0x00FF00, 0x0000FF};  // bytes B, G, R (and X at 32 bits)
}

// Turns a stored pixel value (a palette index or packed channels) into 0x00RRGGBB.
class PixelFormat {
public:
    static std::optional<PixelFormat> For(std::span<const std::uint8_t> file,
                                          const Header& header) {
        PixelFormat format;
        format.bitsPerPixel_ = header.bitsPerPixel;
        auto palette = ReadPalette(file, header);
        if (!palette) return std::nullopt;
        format.palette_ = std::move(*palette);
        if (header.bitsPerPixel <= 8) return format;
        const auto masks = DirectColourMasks(header);
        for (std::size_t i = 0; i < masks.size(); ++i) {
            auto channel = MakeChannel(masks[i], header.bitsPerPixel);
            if (!channel) return std::nullopt;
            format.channels_[i] = *channel;
        }
        return format;
    }

    std::uint32_t Colour(std::uint32_t value) const {
        if (bitsPerPixel_ <= 8) return value < palette_.size() ? palette_[value] : kBlack;
        return (Extract(channels_[0], value) << 16) | (Extract(channels_[1], value) << 8) |
               Extract(channels_[2], value);
    }

    // Black at index 0 and white at index 1, the layout a monochrome bitmap keeps.
    bool IsMonochrome() const {
        return bitsPerPixel_ == 1 && palette_.size() == 2 && palette_[0] == kBlack &&
               palette_[1] == kWhite;
    }

    std::uint32_t BitsPerPixel() const { return bitsPerPixel_; }

    // Bytes blue, green, red, the common 24-bit layout, which rows copy without a per-pixel
    // look at the channels.
    bool IsPlainBgr24() const {
        return bitsPerPixel_ == 24 && channels_[0].mask == 0xFF0000 && channels_[1].mask == 0x00FF00 &&
               channels_[2].mask == 0x0000FF;
    }

private:
    std::uint32_t bitsPerPixel_ = 0;
    std::vector<std::uint32_t> palette_;
    std::array<Channel, 3> channels_{};
};

// The stored value of pixel x in a row; the row holds at least `width` pixels.
std::uint32_t StoredValue(std::span<const std::uint8_t> row, std::uint64_t x,
                          std::uint32_t bitsPerPixel) {
    if (bitsPerPixel < 8) {
        // Sub-byte pixels are packed from the most significant bit.
        const std::uint64_t bit = x * bitsPerPixel;
        const unsigned shift = 8 - bitsPerPixel - static_cast<unsigned>(bit % 8);
        return (row[bit / 8] >> shift) & ((1u << bitsPerPixel) - 1);
    }
    const std::uint64_t bytes = bitsPerPixel / 8;
    std::uint32_t value = 0;
    for (std::uint64_t i = bytes; i-- > 0;) value = (value << 8) | row[x * bytes + i];
    return value;
}

void DecodeRow(std::span<const std::uint8_t> row, std::uint32_t* out, const Layout& layout, const PixelFormat& format) {
    if (format.IsPlainBgr24()) {
        const std::uint8_t* in = row.data();
        for (int x = 0; x < layout.width; ++x, in += 3)
            out[x] = (std::uint32_t{in[2]} << 16) | (std::uint32_t{in[1]} << 8) | in[0];
        return;
    }
    for (int x = 0; x < layout.width; ++x) out[x] = format.Colour(StoredValue(row, x, format.BitsPerPixel()));
}

DecodedBitmap EmptyBitmap(const Layout& layout, const PixelFormat& format) {
    DecodedBitmap bitmap;
    bitmap.width = layout.width;
    bitmap.height = layout.height;
    bitmap.monochrome = format.IsMonochrome();
    bitmap.pixels = PixelBuffer(static_cast<std::size_t>(layout.width) * layout.height);
    return bitmap;
}

// The picture row of a row as stored: bottom-up files store the last row first.
std::uint32_t* PictureRow(DecodedBitmap& bitmap, const Layout& layout, int storedRow) {
    const int y = layout.topDown ? storedRow : layout.height - 1 - storedRow;
    return bitmap.pixels.data() + static_cast<std::size_t>(y) * layout.width;
}

DecodedBitmap DecodeRows(std::span<const std::uint8_t> file, std::uint64_t pixelOffset,
                         const Layout& layout, const PixelFormat& format) {
    DecodedBitmap bitmap = EmptyBitmap(layout, format);
    if (bitmap.pixels.empty()) return bitmap;
    // CheckLayout has made sure every stored row lies inside the file.
    for (int stored = 0; stored < layout.height; ++stored)
        DecodeRow(file.subspan(pixelOffset + stored * layout.stride, layout.stride), PictureRow(bitmap, layout, stored),
                  layout, format);
    return bitmap;
}

// Reads exactly `count` bytes at `offset`; false when the file ended or failed first.
bool ReadAt(int fd, std::uint8_t* to, std::size_t count, std::uint64_t offset) {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = pread(fd, to + got, count - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

// The rows read from the file a block at a time, in the order they are stored: the whole file
// is never held, only the picture and a block.
DecodedBitmap DecodeRowsFromFile(int fd, std::uint64_t pixelOffset, const Layout& layout, const PixelFormat& format) {
    DecodedBitmap bitmap = EmptyBitmap(layout, format);
    if (bitmap.pixels.empty()) return bitmap;
    const int rowsPerBlock = static_cast<int>(std::max<std::uint64_t>(1, kReadBlockBytes / layout.stride));
    std::vector<std::uint8_t> block(static_cast<std::size_t>(rowsPerBlock * layout.stride));
    for (int first = 0; first < layout.height; first += rowsPerBlock) {
        const int rows = std::min(rowsPerBlock, layout.height - first);
        if (!ReadAt(fd, block.data(), rows * layout.stride, pixelOffset + first * layout.stride)) {
            bitmap.pixels = PixelBuffer();  // the file changed under us: no picture
            return bitmap;
        }
        for (int i = 0; i < rows; ++i)
            DecodeRow(std::span(block).subspan(i * layout.stride, layout.stride), PictureRow(bitmap, layout, first + i),
                      layout, format);
    }
    return bitmap;
}

}  // namespace

std::optional<DecodedBitmap> DecodeBmp(std::span<const std::uint8_t> file) {
    const auto header = ReadHeader(file);
    if (!header || !IsSupportedFormat(*header)) return std::nullopt;
    const auto layout = CheckLayout(*header, file.size());
    if (!layout) return std::nullopt;
    const auto format = PixelFormat::For(file, *header);
    if (!format) return std::nullopt;
    DecodedBitmap decoded = DecodeRows(file, header->pixelOffset, *layout, *format);
    // No memory for the pixels: as good as no picture.
    if (decoded.pixels.empty()) return std::nullopt;
    return decoded;
}

// Only a regular file is read: the open of a named pipe, or a read of a device, would not end.
std::optional<DecodedBitmap> DecodeBmpFile(const std::string& nativePath) {
    struct stat info;
    const int fd = OpenRegularNative(nativePath, kMaxFileSize, info);
    if (fd < 0) return std::nullopt;
    const std::uint64_t size = static_cast<std::uint64_t>(info.st_size);
    // The headers and the palette come before the pixels: read first, the rows after.
    std::vector<std::uint8_t> head(static_cast<std::size_t>(std::min<std::uint64_t>(size, kReadBlockBytes)));
    std::optional<DecodedBitmap> decoded;
    std::optional<Header> header;
    if (ReadAt(fd, head.data(), head.size(), 0)) header = ReadHeader(head);
    if (header && header->pixelOffset > head.size() && header->pixelOffset <= size) {
        head.resize(static_cast<std::size_t>(header->pixelOffset));
        if (!ReadAt(fd, head.data(), head.size(), 0)) header.reset();
    }
    const auto layout = header && IsSupportedFormat(*header) ? CheckLayout(*header, size) : std::nullopt;
    const auto format = layout ? PixelFormat::For(head, *header) : std::nullopt;
    if (format) decoded = DecodeRowsFromFile(fd, header->pixelOffset, *layout, *format);
    close(fd);
    // No memory for the pixels, or a file cut short meanwhile: as good as no picture.
    if (!decoded || decoded->pixels.empty()) return std::nullopt;
    return decoded;
}

}  // namespace platform
