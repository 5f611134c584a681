// The standard images are drawn once into memory, 16 pixels square, from boxes, outlines and
// lines, and scaled up for the large set; the bitmap is made from those pixels whole, never
// pixel by pixel through the drawing calls.
#include "controls/ToolbarStandardImages.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace platform::toolbar {

namespace {

constexpr int kSide = kSmallStandardSide;

constexpr COLORREF kInk = RGB(0, 0, 0), kGrey = RGB(128, 128, 128), kSilver = RGB(192, 192, 192),
                   kPaper = RGB(255, 255, 255), kRed = RGB(200, 0, 0), kYellow = RGB(255, 215, 0),
                   kOchre = RGB(200, 150, 0), kGreen = RGB(0, 150, 0), kBlue = RGB(0, 0, 170),
                   kSky = RGB(170, 210, 255), kBrown = RGB(150, 90, 30);

// Pixels hold 0x00RRGGBB, a COLORREF 0x00BBGGRR.
std::uint32_t PixelOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// The fifteen 16x16 images side by side; coordinates are the current image's.
class Canvas {
public:
    explicit Canvas(std::uint32_t background)
        : background_(background), pixels_(static_cast<std::size_t>(kStandardImageCount * kSide * kSide), background) {}

    void Select(int image) { origin_ = image * kSide; }
    void Dot(int x, int y, COLORREF c) {
        if (x >= 0 && x < kSide && y >= 0 && y < kSide) At(x, y) = PixelOf(c);
    }
    // Filled, right and bottom edges excluded.
    void Box(int l, int t, int r, int b, COLORREF c) {
        l = std::max(l, 0);
        t = std::max(t, 0);
        r = std::min(r, kSide);
        b = std::min(b, kSide);
        if (r <= l) return;
        for (int y = t; y < b; ++y) std::fill_n(&At(l, y), r - l, PixelOf(c));
    }
    void Frame(int l, int t, int r, int b, COLORREF c) {
        Box(l, t, r, t + 1, c);
        Box(l, b - 1, r, b, c);
        Box(l, t, l + 1, b, c);
        Box(r - 1, t, r, b, c);
    }
    // A frame with its corners cut, which reads as a circle this small.
    void Ring(int l, int t, int r, int b, COLORREF c) {
        Frame(l, t, r, b, c);
        for (int x : {l, r - 1})
            for (int y : {t, b - 1}) At(x, y) = background_;
    }
    void Line(int x0, int y0, int x1, int y1, COLORREF c, int thickness = 1) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            const int x = x0 + (steps ? (x1 - x0) * i / steps : 0), y = y0 + (steps ? (y1 - y0) * i / steps : 0);
            Box(x, y, x + thickness, y + 1, c);
        }
    }
    // A triangle whose tip is at (x, y), widening one pixel each way per column toward `dx`.
    void Head(int x, int y, int size, int dx, COLORREF c) {
        for (int i = 0; i < size; ++i) Box(x + i * dx, y - i, x + i * dx + 1, y + i + 1, c);
    }
    void Page(int l, int t, int r, int b) {
        Box(l, t, r, b, kPaper);
        Frame(l, t, r, b, kInk);
        for (int y = t + 3; y < b - 2; y += 2) Box(l + 2, y, r - 2, y + 1, kGrey);
    }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

private:
    std::uint32_t& At(int x, int y) {
        return pixels_[static_cast<std::size_t>(y) * kStandardImageCount * kSide + static_cast<std::size_t>(origin_ + x)];
    }
    std::uint32_t background_;
    std::vector<std::uint32_t> pixels_;
    int origin_ = 0;
};

void DrawEditing(Canvas& c) {
    c.Select(STD_CUT);
    c.Line(5, 1, 10, 9, kInk);
    c.Line(10, 1, 5, 9, kInk);
    c.Ring(2, 9, 7, 14, kRed);
    c.Ring(8, 9, 13, 14, kRed);
    c.Select(STD_COPY);
    c.Page(1, 1, 10, 11);
    c.Page(5, 5, 15, 15);
    c.Select(STD_PASTE);
    c.Box(2, 2, 13, 15, kBrown);
    c.Frame(2, 2, 13, 15, kInk);
    c.Box(5, 1, 10, 4, kSilver);
    c.Frame(5, 1, 10, 4, kInk);
    c.Page(7, 6, 15, 15);
    c.Select(STD_UNDO);
    c.Box(5, 5, 13, 8, kOchre);
    c.Box(11, 5, 14, 12, kOchre);
    c.Head(1, 6, 4, 1, kOchre);
    c.Select(STD_REDOW);
    c.Box(3, 5, 11, 8, kGreen);
    c.Box(2, 5, 5, 12, kGreen);
    c.Head(14, 6, 4, -1, kGreen);
    c.Select(STD_DELETE);
    c.Line(3, 3, 12, 12, kRed, 2);
    c.Line(12, 3, 3, 12, kRed, 2);
}

void DrawFiles(Canvas& c) {
    c.Select(STD_FILENEW);
    c.Page(3, 1, 13, 15);
    c.Box(11, 1, 14, 4, kYellow);
    c.Select(STD_FILEOPEN);
    c.Box(1, 4, 7, 6, kOchre);
    c.Box(1, 6, 15, 14, kYellow);
    c.Frame(1, 6, 15, 14, kBrown);
    c.Select(STD_FILESAVE);
    c.Box(1, 1, 15, 15, kBlue);
    c.Frame(1, 1, 15, 15, kInk);
    c.Box(4, 2, 12, 7, kPaper);
    c.Box(5, 10, 11, 15, kSilver);
    c.Select(STD_PRINTPRE);
    c.Page(1, 1, 10, 14);
    c.Box(8, 7, 12, 11, kSky);
    c.Ring(7, 6, 13, 12, kInk);
    c.Line(12, 11, 14, 14, kInk, 2);
    c.Select(STD_PRINT);
    c.Box(4, 1, 12, 7, kPaper);
    c.Frame(4, 1, 12, 7, kInk);
    c.Box(1, 7, 15, 13, kSilver);
    c.Frame(1, 7, 15, 13, kInk);
    c.Box(4, 11, 12, 15, kPaper);
    c.Frame(4, 11, 12, 15, kInk);
}

void DrawOthers(Canvas& c) {
    c.Select(STD_PROPERTIES);
    c.Box(1, 2, 15, 14, kPaper);
    c.Frame(1, 2, 15, 14, kInk);
    c.Box(2, 3, 14, 5, kBlue);
    c.Box(3, 7, 9, 8, kGrey);
    c.Box(3, 10, 9, 11, kGrey);
    c.Box(10, 7, 13, 11, kSilver);
    c.Select(STD_HELP);
    c.Line(2, 1, 2, 11, kInk);
    c.Line(2, 1, 8, 7, kInk);
    c.Box(7, 2, 12, 4, kBlue);
    c.Box(11, 3, 13, 7, kBlue);
    c.Box(9, 6, 12, 8, kBlue);
    c.Box(9, 8, 11, 10, kBlue);
    c.Box(9, 12, 11, 14, kBlue);
    c.Select(STD_FIND);
    c.Box(3, 3, 9, 9, kSky);
    c.Ring(2, 2, 10, 10, kInk);
    c.Line(9, 9, 13, 13, kInk, 2);
    c.Select(STD_REPLACE);
    c.Box(2, 2, 6, 6, kSky);
    c.Ring(1, 1, 7, 7, kInk);
    c.Line(6, 6, 8, 8, kInk, 2);
    c.Page(8, 7, 15, 15);
}

// Nearest-neighbour scaling, image by image, row by row.
std::vector<std::uint32_t> Scaled(const std::vector<std::uint32_t>& small, int side) {
    const int width = kStandardImageCount * side;
    std::vector<std::uint32_t> large(static_cast<std::size_t>(width) * static_cast<std::size_t>(side));
    for (int y = 0; y < side; ++y) {
        const std::uint32_t* from = small.data() + static_cast<std::size_t>(y * kSide / side) * kStandardImageCount * kSide;
        std::uint32_t* to = large.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) to[x] = from[(x / side) * kSide + (x % side) * kSide / side];
    }
    return large;
}

}  // namespace

HBITMAP MakeStandardStrip(int side) {
    Canvas canvas(PixelOf(GetSysColor(COLOR_BTNFACE)));
    DrawEditing(canvas);
    DrawFiles(canvas);
    DrawOthers(canvas);
    const std::vector<std::uint32_t> pixels = side == kSide ? canvas.Pixels() : Scaled(canvas.Pixels(), side);
    return CreateBitmap(kStandardImageCount * side, side, 1, 32, pixels.data());
}

}  // namespace platform::toolbar
