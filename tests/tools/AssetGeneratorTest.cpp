// The game's pictures, sound and icon as committed, and the generator that makes them: a run of
// the generator reproduces every committed file byte for byte (and leaves PNG previews in
// <build>/asset_previews for people to look at), and the committed files have the structure
// their readers rely on: the bitmaps' headers and sizes, sprites on pure black with no black
// inside them, plain dark places where the game writes text, a WAV of the right format and
// shape, and an icon file with its three images and masks.
//
// The files are read here with readers of our own, independent of the generator's writers, so a
// fault in a writer is not mirrored by the check.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kSource = ASTROVEX_SOURCE_DIR;
const fs::path kAssets = kSource / "images_games";
const fs::path kIcons = kSource / "game" / "resources";

const std::set<std::string> kAssetFiles = {
    "player.bmp", "asteroide_notte.bmp", "ufo.bmp",    "bullet.bmp",   "blank.bmp",
    "logo.bmp",   "livello.bmp",         "replay.bmp", "gameover.bmp", "Explosion.wav"};
const std::set<std::string> kIconFiles = {"astrovex.ico", "astrovex.png"};

Bytes ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}
std::uint32_t U32(const Bytes& b, std::size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}
std::int32_t I32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}
std::uint32_t Big32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

std::set<std::string> FileNames(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

// ---- the generator reproduces the committed files ----

class GeneratorRun : public ::testing::Test {
protected:
    // The generator's exit status, or -1 when it did not exit normally.
    static int Run(const std::string& arguments) {
        const int status = std::system((std::string("'") + ASSETGEN_PROGRAM + "' " + arguments).c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

    TempFolder temp_{"astrovex-assetgen"};
    const fs::path out_ = temp_.Path();
};

TEST_F(GeneratorRun, ReproducesTheCommittedFilesByteForByte) {
    const fs::path previews = fs::path(ASTROVEX_BUILD_DIR) / "asset_previews";
    ASSERT_EQ(Run(Quoted(out_ / "assets") + " " + Quoted(out_ / "icons") + " " + Quoted(previews)), 0);

    EXPECT_EQ(FileNames(out_ / "assets"), kAssetFiles);
    EXPECT_EQ(FileNames(out_ / "icons"), kIconFiles);
    for (const std::string& name : kAssetFiles) {
        const Bytes made = ReadFile(out_ / "assets" / name), committed = ReadFile(kAssets / name);
        EXPECT_FALSE(committed.empty()) << name << " is not committed";
        EXPECT_TRUE(made == committed) << name << " differs from the committed file; run the generator again";
    }
    for (const std::string& name : kIconFiles) {
        const Bytes made = ReadFile(out_ / "icons" / name), committed = ReadFile(kIcons / name);
        EXPECT_FALSE(committed.empty()) << name << " is not committed";
        EXPECT_TRUE(made == committed) << name << " differs from the committed file; run the generator again";
    }
    // One preview per picture, plus the field in play and the enlarged sprites.
    for (const char* name : {"player.png", "logo.png", "field.png", "sprites_x3.png", "astrovex_48.png"})
        EXPECT_TRUE(fs::is_regular_file(previews / name)) << name;
}

TEST_F(GeneratorRun, RefusesAnIncompleteCommandLine) {
    EXPECT_EQ(Run(Quoted(out_ / "assets")), 2);
    EXPECT_FALSE(fs::exists(out_ / "assets"));
}

// ---- bitmaps ----

struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::array<std::uint8_t, 3>> rgb;  // top-down
    const std::array<std::uint8_t, 3>& At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

bool IsBlack(const std::array<std::uint8_t, 3>& p) {
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
}
int Brightest(const std::array<std::uint8_t, 3>& p) {
    return std::max({p[0], p[1], p[2]});
}

// Reads a committed bitmap, checking every header field a reader relies on; fails the test (and
// returns an empty bitmap) when one is wrong.
Bitmap LoadBitmap(const std::string& name, int width, int height) {
    SCOPED_TRACE(name);
    const Bytes b = ReadFile(kAssets / name);
    Bitmap bitmap;
    if (b.size() < 54) {
        ADD_FAILURE() << "missing or shorter than its headers";
        return bitmap;
    }
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size()) << "file size field";
    EXPECT_EQ(U32(b, 10), 54u) << "pixel data offset";
    EXPECT_EQ(U32(b, 14), 40u) << "BITMAPINFOHEADER size";
    EXPECT_EQ(I32(b, 18), width);
    EXPECT_EQ(I32(b, 22), height) << "positive: rows bottom-up";
    EXPECT_EQ(U16(b, 26), 1u) << "planes";
    EXPECT_EQ(U16(b, 28), 24u) << "bits per pixel";
    EXPECT_EQ(U32(b, 30), 0u) << "uncompressed";
    EXPECT_EQ(b.size(), 54u + stride * static_cast<std::uint32_t>(height));
    if (::testing::Test::HasFailure()) return bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.rgb.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 54 + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + 3 * static_cast<std::size_t>(x);
            bitmap.rgb[static_cast<std::size_t>(y) * width + x] = {b[at + 2], b[at + 1], b[at]};
        }
    }
    return bitmap;
}

struct SpriteFile {
    const char* name;
    int frameWidth, frameHeight, frames;
};

// Test names show the file, not the bytes of the structure.
void PrintTo(const SpriteFile& sprite, std::ostream* out) { *out << sprite.name; }

class SpritePicture : public ::testing::TestWithParam<SpriteFile> {};

TEST_P(SpritePicture, HasItsFramesOnPureBlackWithNoBlackInside) {
    const SpriteFile& sprite = GetParam();
    const Bitmap bitmap = LoadBitmap(sprite.name, sprite.frameWidth, sprite.frameHeight * sprite.frames);
    ASSERT_FALSE(HasFailure());
    const int w = sprite.frameWidth, h = sprite.frameHeight;
    for (int frame = 0; frame < sprite.frames; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const int top = frame * h;
        // The frame's outermost ring is background: nothing is cut off at the frame's edge.
        for (int x = 0; x < w; ++x) {
            EXPECT_TRUE(IsBlack(bitmap.At(x, top))) << "x " << x << " on the top row";
            EXPECT_TRUE(IsBlack(bitmap.At(x, top + h - 1))) << "x " << x << " on the bottom row";
        }
        for (int y = 0; y < h; ++y) {
            EXPECT_TRUE(IsBlack(bitmap.At(0, top + y))) << "y " << y << " in the left column";
            EXPECT_TRUE(IsBlack(bitmap.At(w - 1, top + y))) << "y " << y << " in the right column";
        }
        // Black reached from the edge is background; black the background cannot reach is a hole
        // the colour key would punch through the sprite.
        std::vector<char> background(static_cast<std::size_t>(w) * h, 0);
        std::vector<std::pair<int, int>> todo;
        auto visit = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= w || y >= h) return;
            char& seen = background[static_cast<std::size_t>(y) * w + x];
            if (seen || !IsBlack(bitmap.At(x, top + y))) return;
            seen = 1;
            todo.push_back({x, y});
        };
        for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
        for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
        }
        int visible = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const auto& p = bitmap.At(x, top + y);
                if (background[static_cast<std::size_t>(y) * w + x]) continue;
                EXPECT_FALSE(IsBlack(p)) << "black hole inside the sprite at " << x << "," << y;
                if (IsBlack(p)) continue;
                ++visible;
                // Visible pixels are clearly visible: a near-black fringe would draw a dark halo.
                EXPECT_GE(Brightest(p), 12) << "near-black pixel at " << x << "," << y;
            }
        // The sprite fills a good part of its frame.
        EXPECT_GT(visible, w * h / 5);
    }
    // Every animation step is a different picture.
    for (int a = 0; a < sprite.frames; ++a)
        for (int b = a + 1; b < sprite.frames; ++b) {
            bool differ = false;
            for (int y = 0; y < h && !differ; ++y)
                for (int x = 0; x < w && !differ; ++x) differ = bitmap.At(x, a * h + y) != bitmap.At(x, b * h + y);
            EXPECT_TRUE(differ) << "frames " << a << " and " << b << " are the same";
        }
}

INSTANTIATE_TEST_SUITE_P(Sprites, SpritePicture,
                         ::testing::Values(SpriteFile{"player.bmp", 64, 115, 1},
                                           SpriteFile{"asteroide_notte.bmp", 45, 63, 10},
                                           SpriteFile{"ufo.bmp", 40, 40, 4}, SpriteFile{"bullet.bmp", 13, 24, 1}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

// Every pixel of the rectangle [x0, x1) x [y0, y1) is dark, and they differ little from each
// other: a place the game writes text on.
void ExpectPlainAndDark(const Bitmap& bitmap, int x0, int y0, int x1, int y1) {
    std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const auto& p = bitmap.At(x, y);
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min<int>(low[c], p[c]);
                high[c] = std::max<int>(high[c], p[c]);
            }
        }
    for (int c = 0; c < 3; ++c) {
        EXPECT_LE(high[c], 48) << "channel " << c << " too bright in " << x0 << "," << y0 << "-" << x1 << "," << y1;
        EXPECT_LE(high[c] - low[c], 16) << "channel " << c << " not plain in " << x0 << "," << y0 << "-" << x1 << ","
                                        << y1;
    }
}

// Rows [0, rows) are one single colour.
void ExpectOneColourTop(const Bitmap& bitmap, int rows) {
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < bitmap.width; ++x) ASSERT_EQ(bitmap.At(x, y), bitmap.At(0, 0)) << x << "," << y;
    EXPECT_LE(Brightest(bitmap.At(0, 0)), 48);
}

// How many pixels of the rows [y0, y1) have a channel at `level` or above.
int BrightPixels(const Bitmap& bitmap, int y0, int y1, int level) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < bitmap.width; ++x) count += Brightest(bitmap.At(x, y)) >= level;
    return count;
}

TEST(ScreenPicture, TheFieldIsDarkAndStarry) {
    const Bitmap field = LoadBitmap("blank.bmp", 800, 600);
    ASSERT_FALSE(HasFailure());
    int dark = 0;
    for (const auto& p : field.rgb) dark += Brightest(p) < 48;
    EXPECT_GT(dark, 800 * 600 * 98 / 100) << "the field should be dark so sprites stand out";
    const int stars = BrightPixels(field, 0, 600, 110);
    EXPECT_GT(stars, 150);
    EXPECT_LT(stars, 3000);
}

TEST(ScreenPicture, TheTitleLeavesThePlacesTheTitleScreenWritesOnPlain) {
    const Bitmap logo = LoadBitmap("logo.bmp", 800, 600);
    ASSERT_FALSE(HasFailure());
    ExpectOneColourTop(logo, 20);
    ExpectPlainAndDark(logo, 215, 246, 800, 270);  // the notice line at y 250, 16 high
    ExpectPlainAndDark(logo, 480, 570, 800, 590);  // the prompt bar
    // The name, big and bright, above the notice line.
    EXPECT_GT(BrightPixels(logo, 40, 240, 200), 8000);
}

class MessagePicture : public ::testing::TestWithParam<const char*> {};

TEST_P(MessagePicture, KeepsTheStatusLinePlainAndShowsABrightMessage) {
    const Bitmap picture = LoadBitmap(GetParam(), 800, 600);
    ASSERT_FALSE(HasFailure());
    ExpectOneColourTop(picture, 24);
    EXPECT_GT(BrightPixels(picture, 150, 450, 200), 10000);
}

INSTANTIATE_TEST_SUITE_P(Messages, MessagePicture, ::testing::Values("livello.bmp", "replay.bmp", "gameover.bmp"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

// ---- the explosion ----

TEST(ExplosionSound, IsAShortLoudDecayingMonoPcmWave) {
    const Bytes b = ReadFile(kAssets / "Explosion.wav");
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(U32(b, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(U32(b, 16), 16u) << "fmt chunk size";
    EXPECT_EQ(U16(b, 20), 1u) << "PCM";
    EXPECT_EQ(U16(b, 22), 1u) << "mono";
    const std::uint32_t rate = U32(b, 24);
    EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
    EXPECT_EQ(U32(b, 28), rate * 2) << "byte rate";
    EXPECT_EQ(U16(b, 32), 2u) << "block align";
    EXPECT_EQ(U16(b, 34), 16u) << "bits per sample";
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    ASSERT_EQ(U32(b, 40), b.size() - 44);
    ASSERT_FALSE(HasFailure());

    std::vector<int> samples;
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) samples.push_back(static_cast<std::int16_t>(U16(b, at)));
    const double seconds = static_cast<double>(samples.size()) / rate;
    EXPECT_GE(seconds, 0.6);
    EXPECT_LE(seconds, 1.0);

    int peak = 0;
    std::size_t peakAt = 0;
    double sum = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sum += samples[i];
        if (std::abs(samples[i]) > peak) peak = std::abs(samples[i]), peakAt = i;
    }
    EXPECT_GT(peak, 20000) << "loud enough";
    EXPECT_LT(peak, 32767) << "no clipping";
    EXPECT_LT(static_cast<double>(peakAt) / rate, 0.08) << "a sharp attack: the peak comes early";
    EXPECT_LT(std::abs(sum / samples.size()), 200.0) << "centred on zero";

    // The loudness in tenths of a second falls steadily: an exponential decay.
    auto rms = [&](double from, double to) {
        const auto a = static_cast<std::size_t>(from * rate),
                   z = std::min(samples.size(), static_cast<std::size_t>(to * rate));
        double energy = 0;
        for (std::size_t i = a; i < z; ++i) energy += static_cast<double>(samples[i]) * samples[i];
        return std::sqrt(energy / static_cast<double>(z - a));
    };
    for (double t = 0.0; t + 0.2 <= seconds - 0.05; t += 0.1)
        EXPECT_LT(rms(t + 0.1, t + 0.2), rms(t, t + 0.1)) << "louder at " << t + 0.1 << " s than before";
    EXPECT_LT(rms(seconds - 0.1, seconds), rms(0.0, 0.1) / 20) << "dies away";
    EXPECT_LT(std::abs(samples.back()), 64) << "ends in silence, without a click";
}

// ---- the icon ----

TEST(ProgramIcon, HoldsThreeSizesWithAlphaAndMasks) {
    const Bytes b = ReadFile(kIcons / "astrovex.ico");
    ASSERT_GE(b.size(), 6u + 3 * 16);
    EXPECT_EQ(U16(b, 0), 0u);
    EXPECT_EQ(U16(b, 2), 1u) << "an icon";
    ASSERT_EQ(U16(b, 4), 3u) << "three images";
    std::set<int> sizes;
    for (int i = 0; i < 3; ++i) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        const int size = b[entry];
        SCOPED_TRACE("size " + std::to_string(size));
        sizes.insert(size);
        EXPECT_EQ(b[entry + 1], size) << "square";
        EXPECT_EQ(U16(b, entry + 4), 1u) << "planes";
        EXPECT_EQ(U16(b, entry + 6), 32u) << "bits per pixel";
        const std::uint32_t length = U32(b, entry + 8), offset = U32(b, entry + 12);
        ASSERT_LE(static_cast<std::size_t>(offset) + length, b.size());
        const std::uint32_t maskStride = ((static_cast<std::uint32_t>(size) + 31) / 32) * 4;
        const std::uint32_t colours = static_cast<std::uint32_t>(size * size) * 4;
        ASSERT_EQ(length, 40 + colours + maskStride * size);
        EXPECT_EQ(U32(b, offset), 40u);
        EXPECT_EQ(I32(b, offset + 4), size);
        EXPECT_EQ(I32(b, offset + 8), 2 * size) << "colour and mask rows together";
        EXPECT_EQ(U16(b, offset + 14), 32u);
        EXPECT_EQ(U32(b, offset + 16), 0u) << "uncompressed";
        // The mask says transparent exactly where the alpha does; rows of both are bottom-up.
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::uint8_t alpha = b[offset + 40 + (static_cast<std::size_t>(y) * size + x) * 4 + 3];
                const std::uint8_t maskByte = b[offset + 40 + colours + y * maskStride + x / 8];
                const bool transparent = (maskByte >> (7 - x % 8)) & 1;
                EXPECT_EQ(transparent, alpha < 128) << x << "," << y;
                opaque += alpha >= 128;
            }
        // A rounded tile: transparent corners, most of the square covered.
        EXPECT_EQ(b[offset + 40 + 3], 0) << "bottom-left corner";
        EXPECT_GT(opaque, size * size * 3 / 4);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

std::uint32_t Crc32(const Bytes& b, std::size_t from, std::size_t to) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < to; ++i) {
        crc ^= b[i];
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

TEST(ProgramIcon, HasAPngWithTransparencyForTheDesktop) {
    const Bytes b = ReadFile(kIcons / "astrovex.png");
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(b.size(), 8u + 25);
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), b.begin()));
    std::vector<std::string> chunks;
    for (std::size_t at = 8; at + 12 <= b.size();) {
        const std::uint32_t length = Big32(b, at);
        ASSERT_LE(at + 12 + length, b.size());
        chunks.emplace_back(b.begin() + static_cast<std::ptrdiff_t>(at + 4),
                            b.begin() + static_cast<std::ptrdiff_t>(at + 8));
        EXPECT_EQ(Big32(b, at + 8 + length), Crc32(b, at + 4, at + 8 + length)) << chunks.back() << " CRC";
        at += 12 + length;
    }
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(chunks.front(), "IHDR");
    EXPECT_EQ(chunks.back(), "IEND");
    const std::uint32_t width = Big32(b, 16), height = Big32(b, 20);
    EXPECT_EQ(width, height);
    EXPECT_GE(width, 48u);
    EXPECT_EQ(b[24], 8) << "bit depth";
    EXPECT_EQ(b[25], 6) << "RGBA";
}

}  // namespace
