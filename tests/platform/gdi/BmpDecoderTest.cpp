// Decoding BMP files built in memory: every depth in both row orders and under each header
// version, colour masks, palettes, and malformed or mutated files that must be refused without
// reading outside the input.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "core/gdi/BmpDecoder.h"

namespace {

using platform::DecodeBmp;
using platform::DecodedBitmap;
using Bytes = std::vector<std::uint8_t>;
using Colours = std::vector<std::uint32_t>;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiJpeg = 4;
constexpr std::uint32_t kBiPng = 5;

constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kV4Header = 108;
constexpr std::uint32_t kV5Header = 124;

// Where the fields sit in a file with an info header, for tests that damage one of them.
constexpr std::size_t kOffBitsAt = 10;
constexpr std::size_t kHeaderSizeAt = 14;
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kHeightAt = 22;
constexpr std::size_t kPlanesAt = 26;
constexpr std::size_t kBitCountAt = 28;
constexpr std::size_t kCompressionAt = 30;
constexpr std::size_t kColorsUsedAt = 46;

// Row padding and the gap before the pixels hold this, so a decoder reading them shows it.
constexpr std::uint8_t kFiller = 0xA5;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;

// The fields of a BMP file to write; each test sets the ones it is about.
struct BmpFields {
    std::uint32_t headerSize = kInfoHeader;
    std::int32_t width = 3;
    std::int32_t height = 2;  // negative for top-down rows
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    Colours palette{};                    // 0x00RRGGBB
    std::vector<std::uint32_t> masks{};   // red, green, blue
    std::uint32_t gap = 0;                // unused bytes between the palette and the pixels
    std::vector<std::uint32_t> values{};  // top row first: palette indices or packed colours
};

void Put(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The file with a little-endian field overwritten.
Bytes With(Bytes file, std::size_t at, std::uint32_t value, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) file.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    return file;
}

std::uint32_t ValueAt(const BmpFields& fields, int x, int y) {
    const std::size_t index = static_cast<std::size_t>(y) * fields.width + x;
    return index < fields.values.size() ? fields.values[index] : 0;
}

// One stored row: sub-byte pixels packed from the top bit, unused bits set, padded to 4 bytes.
void PutRow(Bytes& out, const BmpFields& fields, int y) {
    const std::size_t start = out.size();
    const int depth = fields.bitCount;
    unsigned pending = 0;
    int pendingBits = 0;
    for (int x = 0; x < fields.width; ++x) {
        if (depth >= 8) {
            Put(out, ValueAt(fields, x, y), depth / 8);
            continue;
        }
        pending = (pending << depth) | ValueAt(fields, x, y);
        pendingBits += depth;
        if (pendingBits == 8) {
            out.push_back(static_cast<std::uint8_t>(pending));
            pending = 0;
            pendingBits = 0;
        }
    }
    if (pendingBits > 0) {
        const int unused = 8 - pendingBits;
        out.push_back(static_cast<std::uint8_t>((pending << unused) | ((1u << unused) - 1)));
    }
    while ((out.size() - start) % 4 != 0) out.push_back(kFiller);
}

void PutInfoHeader(Bytes& out, const BmpFields& fields) {
    Put(out, fields.headerSize, 4);
    Put(out, static_cast<std::uint32_t>(fields.width), 4);
    Put(out, static_cast<std::uint32_t>(fields.height), 4);
    Put(out, fields.planes, 2);
    Put(out, fields.bitCount, 2);
    Put(out, fields.compression, 4);
    Put(out, 0, 4);     // image size, optional without compression
    Put(out, 2835, 4);  // 72 dots an inch, horizontally
    Put(out, 2835, 4);  // and vertically
    Put(out, fields.colorsUsed, 4);
    Put(out, 0, 4);  // important colours
    // Masks go inside a header of 52 bytes or more, and after a 40-byte one.
    for (const std::uint32_t mask : fields.masks) Put(out, mask, 4);
    while (out.size() < 14 + fields.headerSize) out.push_back(0);
}

void PutCoreHeader(Bytes& out, const BmpFields& fields) {
    Put(out, kCoreHeader, 4);
    Put(out, static_cast<std::uint32_t>(fields.width), 2);
    Put(out, static_cast<std::uint32_t>(fields.height), 2);
    Put(out, fields.planes, 2);
    Put(out, fields.bitCount, 2);
}

Bytes WriteBmp(const BmpFields& fields) {
    const bool core = fields.headerSize == kCoreHeader;
    const bool masksAfterHeader = fields.headerSize == kInfoHeader && !fields.masks.empty();
    const std::size_t pixelOffset = 14 + fields.headerSize + (masksAfterHeader ? 12 : 0) +
                                    fields.palette.size() * (core ? 3 : 4) + fields.gap;
    Bytes out{'B', 'M'};
    Put(out, 0, 4);  // the file size, filled in at the end
    Put(out, 0, 4);
    Put(out, static_cast<std::uint32_t>(pixelOffset), 4);
    if (core) PutCoreHeader(out, fields);
    if (!core) PutInfoHeader(out, fields);
    for (const std::uint32_t colour : fields.palette) Put(out, colour, core ? 3 : 4);
    out.insert(out.end(), fields.gap, kFiller);
    const int rows = std::abs(fields.height);
    for (int i = 0; i < rows; ++i) PutRow(out, fields, fields.height < 0 ? i : rows - 1 - i);
    const auto fileSize = static_cast<std::uint32_t>(out.size());
    return With(std::move(out), 2, fileSize);
}

Bytes Truncated(Bytes file, std::size_t size) {
    file.resize(size);
    return file;
}

// Distinct entries whose red, green and blue always differ, so a channel swap shows.
Colours Ramp(std::uint32_t count) {
    Colours palette;
    for (std::uint32_t i = 0; i < count; ++i) {
        palette.push_back((i << 16) | ((255 - i) << 8) | (i ^ 0x5A));
    }
    return palette;
}

Colours ThroughPalette(const Colours& palette, const std::vector<std::uint32_t>& indices) {
    Colours colours;
    for (const std::uint32_t index : indices) colours.push_back(palette.at(index));
    return colours;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", value);
    return text;
}

void ExpectImage(const std::optional<DecodedBitmap>& decoded, int width, int height,
                 const Colours& expected) {
    ASSERT_TRUE(decoded.has_value()) << "the file was refused";
    EXPECT_EQ(width, decoded->width);
    EXPECT_EQ(height, decoded->height);
    ASSERT_EQ(expected.size(), decoded->pixels.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == decoded->pixels[i]) continue;
        ADD_FAILURE() << "pixel (" << i % width << ", " << i / width << ") expected: "
                      << Hex(expected[i]) << ", got: " << Hex(decoded->pixels[i]);
        return;
    }
}

// ---------------------------------------------------------------------------------------------
// Depths, row orders and header versions

struct DepthCase {
    const char* name;
    std::uint16_t bitCount;
    int width;                          // odd, so rows need padding
    Colours palette;                    // empty for direct colour
    std::vector<std::uint32_t> values;  // two rows
    Colours expected;                   // direct colour only; palette files look their values up
    bool inCoreHeader;                  // the core header predates 16 and 32 bits
};

const std::vector<DepthCase>& DepthCases() {
    static const std::vector<DepthCase> cases = {
        {"1 bit, across a byte", 1, 11, {0x123456, 0xABCDEF},
         {1, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, 1, 0, 1, 1}, {}, true},
        {"4 bits", 4, 3, Ramp(16), {15, 0, 9, 6, 10, 5}, {}, true},
        {"8 bits", 8, 3, Ramp(256), {255, 0, 128, 1, 127, 200}, {}, true},
        // 5-5-5 with the top bit unused: 16 in five bits widens to 0x84, 1 to 0x08.
        {"16 bits", 16, 3, {}, {0x7C00, 0x03E0, 0x001F, 0x4210, 0x7FFF, 0x8421},
         {kRed, kGreen, kBlue, 0x848484, kWhite, 0x080808}, false},
        {"24 bits", 24, 3, {}, {0x123456, kRed, kGreen, kBlue, 0xABCDEF, 0x010203},
         {0x123456, kRed, kGreen, kBlue, 0xABCDEF, 0x010203}, true},
        // The fourth byte is unused.
        {"32 bits", 32, 3, {}, {0xFF123456, kRed, 0x8000FF00, kBlue, 0xABCDEF, 0x01010203},
         {0x123456, kRed, kGreen, kBlue, 0xABCDEF, 0x010203}, false},
    };
    return cases;
}

TEST(BmpDecoderTest, DecodesEveryDepthInBothRowOrdersAndHeaderVersions) {
    for (const DepthCase& c : DepthCases()) {
        const Colours expected =
            c.palette.empty() ? c.expected : ThroughPalette(c.palette, c.values);
        for (const std::uint32_t headerSize : {kCoreHeader, kInfoHeader, kV4Header, kV5Header}) {
            for (const bool topDown : {false, true}) {
                // The core header's height is unsigned: its rows are always bottom-up.
                if (headerSize == kCoreHeader && (!c.inCoreHeader || topDown)) continue;
                SCOPED_TRACE(std::string(c.name) + ", header " + std::to_string(headerSize) +
                             (topDown ? ", top-down" : ", bottom-up"));
                BmpFields fields{.headerSize = headerSize, .width = c.width,
                                 .height = topDown ? -2 : 2, .bitCount = c.bitCount,
                                 .palette = c.palette, .values = c.values};
                ExpectImage(DecodeBmp(WriteBmp(fields)), c.width, 2, expected);
            }
        }
    }
}

TEST(BmpDecoderTest, ReadsPixelsAtTheirOffsetAfterAShortPalette) {
    const Colours palette = {kRed, kGreen, kBlue};
    const std::vector<std::uint32_t> values = {2, 1, 0, 0, 2, 1};
    const BmpFields fields{.bitCount = 8, .colorsUsed = 3, .palette = palette, .gap = 7,
                           .values = values};
    ExpectImage(DecodeBmp(WriteBmp(fields)), 3, 2, ThroughPalette(palette, values));
}

// A value past the palette's end decodes as black rather than refusing the whole image.
TEST(BmpDecoderTest, IndexPastThePaletteIsBlack) {
    struct Case {
        const char* name;
        std::uint16_t bitCount;
        Colours palette;
        std::vector<std::uint32_t> values;
        Colours expected;
    };
    const Case cases[] = {
        {"8 bits, two entries", 8, {kRed, kGreen}, {0, 1, 2, 255, 1, 0},
         {kRed, kGreen, kBlack, kBlack, kGreen, kRed}},
        {"4 bits, three entries", 4, {kRed, kGreen, kBlue}, {2, 3, 15, 0, 1, 2},
         {kBlue, kBlack, kBlack, kRed, kGreen, kBlue}},
        {"1 bit, one entry", 1, {kWhite}, {0, 1, 0, 1, 1, 0},
         {kWhite, kBlack, kWhite, kBlack, kBlack, kWhite}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BmpFields fields{.bitCount = c.bitCount,
                               .colorsUsed = static_cast<std::uint32_t>(c.palette.size()),
                               .palette = c.palette, .values = c.values};
        ExpectImage(DecodeBmp(WriteBmp(fields)), 3, 2, c.expected);
    }
}

TEST(BmpDecoderTest, MonochromeOnlyForOneBitBlackThenWhite) {
    struct Case {
        const char* name;
        std::uint16_t bitCount;
        Colours palette;
        bool monochrome;
    };
    const Case cases[] = {
        {"black then white", 1, {kBlack, kWhite}, true},
        {"white then black", 1, {kWhite, kBlack}, false},
        {"two colours", 1, {kRed, kBlue}, false},
        {"nearly black", 1, {0x000001, kWhite}, false},
        {"black then white at 4 bits", 4, {kBlack, kWhite}, false},
        {"black then white at 8 bits", 8, {kBlack, kWhite}, false},
    };
    const std::vector<std::uint32_t> values = {0, 1, 1, 1, 0, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BmpFields fields{.bitCount = c.bitCount, .colorsUsed = 2, .palette = c.palette,
                               .values = values};
        const auto decoded = DecodeBmp(WriteBmp(fields));
        ExpectImage(decoded, 3, 2, ThroughPalette(c.palette, values));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(c.monochrome, decoded->monochrome);
    }
}

// ---------------------------------------------------------------------------------------------
// Colour masks

TEST(BmpDecoderTest, BitfieldsTakeTheirMasksFromWhereverTheHeaderKeepsThem) {
    struct Case {
        const char* name;
        std::uint16_t bitCount;
        std::vector<std::uint32_t> masks;
        std::vector<std::uint32_t> values;
        Colours expected;
    };
    const Case cases[] = {
        // Six bits of green: 32 widens to 0x82 and 1 to 0x04.
        {"5-6-5", 16, {0xF800, 0x07E0, 0x001F}, {0xF800, 0x07E0, 0x001F, 0x8410, 0xFFFF, 0x0821},
         {kRed, kGreen, kBlue, 0x848284, kWhite, 0x080408}},
        {"4-4-4 without blue", 16, {0x0F00, 0x00F0, 0x0000},
         {0x0F80, 0x00F0, 0xF00F, 0, 0x0FFF, 0x0100},
         {0xFF8800, kGreen, kBlack, kBlack, 0xFFFF00, 0x110000}},
        {"bytes in reverse order", 32, {0x000000FF, 0x0000FF00, 0x00FF0000},
         {0x563412, 0x0000FF, 0x00FF00, 0xFF0000, 0xEFCDAB, 0xFF000000},
         {0x123456, kRed, kGreen, kBlue, 0xABCDEF, kBlack}},
        // Ten bits a channel keep their top eight.
        {"10-10-10", 32, {0x3FF00000, 0x000FFC00, 0x000003FF},
         {0x3FFFFFFF, 0x20000000 | 0x40000 | 0x3FF, 0x00300C03, 0xC0000000, 0x3FF00000, 0x3FF},
         {kWhite, 0x8040FF, kBlack, kBlack, kRed, kBlue}},
    };
    for (const Case& c : cases) {
        for (const std::uint32_t headerSize : {kInfoHeader, 52u, 56u, kV4Header, kV5Header}) {
            SCOPED_TRACE(std::string(c.name) + ", header " + std::to_string(headerSize));
            const BmpFields fields{.headerSize = headerSize, .bitCount = c.bitCount,
                                   .compression = kBiBitfields, .masks = c.masks,
                                   .values = c.values};
            ExpectImage(DecodeBmp(WriteBmp(fields)), 3, 2, c.expected);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Refusals

Bytes Valid24() { return WriteBmp({}); }

Bytes ValidPalette(std::uint16_t bitCount, std::uint32_t compression = kBiRgb) {
    return WriteBmp({.bitCount = bitCount, .compression = compression,
                     .palette = Ramp(1u << bitCount), .values = {1, 0, 1, 0, 1, 0}});
}

Bytes Valid565(std::vector<std::uint32_t> masks = {0xF800, 0x07E0, 0x001F}) {
    return WriteBmp({.bitCount = 16, .compression = kBiBitfields, .masks = std::move(masks)});
}

// A 1-bit file with all its pixel data present, so only the size limits can refuse it.
Bytes Blank1Bit(std::int32_t width, std::int32_t height) {
    Bytes file =
        WriteBmp({.width = width, .height = 1, .bitCount = 1, .palette = {kBlack, kWhite}});
    const std::size_t stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    file.resize(file.size() + stride * (std::abs(height) - 1));
    return With(std::move(file), kHeightAt, static_cast<std::uint32_t>(height));
}

TEST(BmpDecoderTest, AcceptsSidesOf32768) {
    const struct {
        std::int32_t width;
        std::int32_t height;
    } cases[] = {{32768, 1}, {1, 32768}, {1, -32768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const auto decoded = DecodeBmp(Blank1Bit(c.width, c.height));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(c.width, decoded->width);
        EXPECT_EQ(std::abs(c.height), decoded->height);
    }
}

struct RefusalCase {
    const char* name;
    Bytes (*file)();
};

const RefusalCase kRefusals[] = {
    {"empty", [] { return Bytes{}; }},
    {"signature only", [] { return Bytes{'B', 'M'}; }},
    {"wrong signature", [] { return With(Valid24(), 0, 'B' | ('A' << 8), 2); }},
    {"file header only", [] { return Truncated(Valid24(), 14); }},
    {"info header cut short", [] { return Truncated(Valid24(), 14 + 30); }},
    {"core header cut short",
     [] { return Truncated(WriteBmp({.headerSize = kCoreHeader}), 14 + 8); }},
    {"masks cut short", [] { return Truncated(Valid565(), 14 + 40 + 6); }},
    {"header size 0", [] { return With(Valid24(), kHeaderSizeAt, 0); }},
    {"header size between core and info", [] { return With(Valid24(), kHeaderSizeAt, 20); }},
    {"header size past the end", [] { return With(Valid24(), kHeaderSizeAt, 0xFFFFFFF0); }},
    {"pixel data one byte short", [] { Bytes f = Valid24(); return Truncated(f, f.size() - 1); }},
    {"palette pixel data one byte short",
     [] { Bytes f = ValidPalette(4); return Truncated(f, f.size() - 1); }},
    {"zero width", [] { return With(Valid24(), kWidthAt, 0); }},
    {"negative width", [] { return With(Valid24(), kWidthAt, static_cast<std::uint32_t>(-3)); }},
    {"zero height", [] { return With(Valid24(), kHeightAt, 0); }},
    {"most negative height", [] { return With(Valid24(), kHeightAt, 0x80000000); }},
    {"width over 32768", [] { return Blank1Bit(32769, 1); }},
    {"height over 32768", [] { return Blank1Bit(1, 32769); }},
    {"top-down height over 32768", [] { return Blank1Bit(1, -32769); }},
    {"largest width", [] { return With(Valid24(), kWidthAt, 0x7FFFFFFF); }},
    {"over 64 Mi pixels", [] { return Blank1Bit(32768, 2049); }},
    {"far over 64 Mi pixels, data missing",
     [] { return With(With(Valid24(), kWidthAt, 32768), kHeightAt, 32768); }},
    {"core width over 32768",
     [] { return With(WriteBmp({.headerSize = kCoreHeader}), kWidthAt, 0xFFFF, 2); }},
    {"zero planes", [] { return With(Valid24(), kPlanesAt, 0, 2); }},
    {"two planes", [] { return With(Valid24(), kPlanesAt, 2, 2); }},
    {"0 bits a pixel", [] { return With(Valid24(), kBitCountAt, 0, 2); }},
    {"7 bits a pixel", [] { return With(Valid24(), kBitCountAt, 7, 2); }},
    {"64 bits a pixel", [] { return With(Valid24(), kBitCountAt, 64, 2); }},
    {"16 bits in a core header",
     [] { return WriteBmp({.headerSize = kCoreHeader, .bitCount = 16}); }},
    {"run-length, 8 bits", [] { return ValidPalette(8, kBiRle8); }},
    {"run-length, 4 bits", [] { return ValidPalette(4, kBiRle4); }},
    {"JPEG", [] { return With(Valid24(), kCompressionAt, kBiJpeg); }},
    {"PNG", [] { return With(Valid24(), kCompressionAt, kBiPng); }},
    {"unknown compression", [] { return With(Valid24(), kCompressionAt, 0x7FFFFFFF); }},
    {"bitfields at 24 bits",
     [] { return WriteBmp({.compression = kBiBitfields, .masks = {kRed, kGreen, kBlue}}); }},
    {"bitfields at 8 bits",
     [] {
         return WriteBmp({.bitCount = 8, .compression = kBiBitfields, .palette = Ramp(256),
                          .masks = {kRed, kGreen, kBlue}});
     }},
    {"mask with a hole", [] { return Valid565({0xF00F, 0x07E0, 0x001F}); }},
    {"mask wider than the pixel", [] { return Valid565({0x1F0000, 0x07E0, 0x001F}); }},
    {"offset 0", [] { return With(Valid24(), kOffBitsAt, 0); }},
    {"offset inside the headers", [] { return With(Valid24(), kOffBitsAt, 20); }},
    {"offset inside the masks", [] { return With(Valid565(), kOffBitsAt, 14 + 40 + 4); }},
    {"offset inside the palette", [] { return With(ValidPalette(4), kOffBitsAt, 14 + 40 + 8); }},
    {"offset past the end",
     [] {
         Bytes f = Valid24();
         return With(f, kOffBitsAt, static_cast<std::uint32_t>(f.size() + 1));
     }},
    {"largest offset", [] { return With(Valid24(), kOffBitsAt, 0xFFFFFFFF); }},
    // The 257th entry is there, in the gap before the pixels.
    {"more colours than 8 bits index",
     [] {
         return With(WriteBmp({.bitCount = 8, .palette = Ramp(256), .gap = 4}), kColorsUsedAt, 257);
     }},
    {"largest colour count", [] { return With(ValidPalette(1), kColorsUsedAt, 0xFFFFFFFF); }},
};

TEST(BmpDecoderTest, RefusesMalformedFiles) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(DecodeBmp(c.file()).has_value());
    }
}

// Damaged copies of valid files, with a fixed seed: the decoder must refuse or decode them
// without reading outside the input (the sanitizer build reports any stray read).
TEST(BmpDecoderTest, SurvivesMutatedFiles) {
    constexpr int kMutations = 4000;
    constexpr std::size_t kHeaderBytes = 14 + 56;  // where most fields are
    const std::vector<Bytes> originals = {
        ValidPalette(8), ValidPalette(1), Valid565(),
        WriteBmp({.headerSize = kV5Header, .height = -2, .bitCount = 4, .colorsUsed = 5,
                  .palette = Ramp(5)}),
        WriteBmp({.headerSize = kCoreHeader, .bitCount = 8, .palette = Ramp(256)}),
    };
    // Damage to a file that was refused anyway would prove little.
    for (const Bytes& original : originals) ASSERT_TRUE(DecodeBmp(original).has_value());
    std::mt19937 random(0xB17B);
    for (int i = 0; i < kMutations; ++i) {
        Bytes file = originals[i % originals.size()];
        if (random() % 4 == 0) {
            file.resize(random() % file.size());
        } else {
            for (unsigned flips = 1 + random() % 4; flips > 0; --flips) {
                const std::size_t range =
                    random() % 2 == 0 ? std::min(kHeaderBytes, file.size()) : file.size();
                file[random() % range] = static_cast<std::uint8_t>(random());
            }
        }
        const auto decoded = DecodeBmp(file);
        if (!decoded) continue;
        const std::size_t area = static_cast<std::size_t>(decoded->width) * decoded->height;
        ASSERT_EQ(area, decoded->pixels.size()) << "mutation " << i;
    }
}

// ---------------------------------------------------------------------------------------------
// Reading from disk

class BmpDecoderFileTest : public ::testing::Test {
protected:
    TempFolder temp_{"astrovex-bmp"};
    const std::string root_ = temp_.Text();
};

TEST_F(BmpDecoderFileTest, DecodesAWrittenFile) {
    const std::vector<std::uint32_t> values = {0x123456, kRed, kGreen, kBlue, kWhite, 0x0A0D1A};
    const Bytes file = WriteBmp({.values = values});
    const std::string path = root_ + "/image.bmp";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                static_cast<std::streamsize>(file.size()));
    ExpectImage(platform::DecodeBmpFile(path), 3, 2, values);
}

// The file is read a block at a time, rows in the order they are stored: pictures of many
// blocks decode exactly as the whole file in memory does, whatever their depth, row order,
// palette or the gap before their pixels, and a file cut short gives nothing.
TEST_F(BmpDecoderFileTest, ReadsLargePicturesABlockAtATimeAsTheWholeFileDecodes) {
    auto pattern = [](int width, int height, std::uint32_t modulo) {
        std::vector<std::uint32_t> values(static_cast<std::size_t>(width) * height);
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<std::uint32_t>(i * 2654435761u) % modulo;
        return values;
    };
    struct Case {
        const char* name;
        BmpFields fields;
    };
    const Case cases[] = {
        {"24-bit bottom-up", {.width = 301, .height = 190, .values = pattern(301, 190, 0x1000000)}},
        {"24-bit top-down", {.width = 301, .height = -190, .values = pattern(301, 190, 0x1000000)}},
        {"8-bit palette", {.width = 517, .height = 300, .bitCount = 8, .palette = Ramp(256), .values = pattern(517, 300, 256)}},
        {"pixels past the first block", {.width = 40, .height = 7, .gap = 70000, .values = pattern(40, 7, 0x1000000)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes file = WriteBmp(c.fields);
        const std::string path = root_ + "/large.bmp";
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        const auto fromMemory = DecodeBmp(file);
        const auto fromFile = platform::DecodeBmpFile(path);
        ASSERT_TRUE(fromMemory.has_value());
        ASSERT_TRUE(fromFile.has_value());
        EXPECT_EQ(fromFile->width, fromMemory->width);
        EXPECT_EQ(fromFile->height, fromMemory->height);
        EXPECT_TRUE(std::equal(fromFile->pixels.begin(), fromFile->pixels.end(), fromMemory->pixels.begin(),
                               fromMemory->pixels.end()));
        std::filesystem::resize_file(path, file.size() - 1);
        EXPECT_FALSE(platform::DecodeBmpFile(path).has_value());
    }
}

TEST_F(BmpDecoderFileTest, NothingForPathsThatAreNotReadableFiles) {
    EXPECT_FALSE(platform::DecodeBmpFile(root_ + "/missing.bmp").has_value());
    EXPECT_FALSE(platform::DecodeBmpFile(root_).has_value());
    EXPECT_FALSE(platform::DecodeBmpFile("").has_value());
}

// Neither may block: the open of a pipe waits for a writer, a read of /dev/zero never ends.
TEST_F(BmpDecoderFileTest, NothingForAPipeOrADeviceInAPicturesPlace) {
    const std::string pipePath = root_ + "/pipe.bmp";
    ASSERT_EQ(0, mkfifo(pipePath.c_str(), 0644));
    const std::string devicePath = root_ + "/zero.bmp";
    std::filesystem::create_symlink("/dev/zero", devicePath);
    EXPECT_FALSE(platform::DecodeBmpFile(pipePath).has_value());
    EXPECT_FALSE(platform::DecodeBmpFile(devicePath).has_value());
}

}  // namespace
