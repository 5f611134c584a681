// The images are kept as the platform's masked image lists keep them: a colour copy whose
// transparent pixels are black beside a monochrome mask, so drawing one is two block copies
// (the mask cuts the hole, the copy fills it) and never a loop over pixels. The mask is made by
// the platform's colour-to-monochrome rule: the button face colour becomes white.
#include "controls/ToolbarImages.h"

#include <algorithm>


namespace platform::toolbar {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// Past this many images in one call the count is the program's mistake, not a strip.
constexpr int kMostImages = 1 << 16;

// Lays the monochrome `mask` onto `dc` as a colour: black in the mask becomes `colour`, white
// leaves `dc` as it was.
void PaintShape(HDC dc, HDC mask, POINT at, SIZE size, int sx, COLORREF colour) {
    const COLORREF text = SetTextColor(dc, kBlack);
    const COLORREF back = SetBkColor(dc, kWhite);
    BitBlt(dc, at.x, at.y, size.cx, size.cy, mask, sx, 0, SRCAND);
    SetTextColor(dc, colour);
    SetBkColor(dc, kBlack);
    BitBlt(dc, at.x, at.y, size.cx, size.cy, mask, sx, 0, SRCPAINT);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

// Holds `bitmap` in a memory context of its own while alive.
class Held {
public:
    explicit Held(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), old_(dc_ ? SelectObject(dc_, bitmap) : nullptr) {}
    ~Held() {
        if (!dc_) return;
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The strip's three copies of `source`: the mask (white where the button face colour is), the
// disabled image's shape (black where neither transparent nor white), and the colour copy with
// its transparent pixels black.
bool Derive(HBITMAP source, HBITMAP colour, HBITMAP mask, HBITMAP shape, int w, int h) {
    Held from(source), masked(mask), shaped(shape), coloured(colour);
    if (!from.dc() || !masked.dc() || !shaped.dc() || !coloured.dc()) return false;
    SetBkColor(from.dc(), GetSysColor(COLOR_BTNFACE));
    BitBlt(masked.dc(), 0, 0, w, h, from.dc(), 0, 0, SRCCOPY);
    SetBkColor(from.dc(), kWhite);
    BitBlt(shaped.dc(), 0, 0, w, h, from.dc(), 0, 0, SRCCOPY);
    BitBlt(shaped.dc(), 0, 0, w, h, masked.dc(), 0, 0, SRCPAINT);
    BitBlt(coloured.dc(), 0, 0, w, h, from.dc(), 0, 0, SRCCOPY);
    SetTextColor(coloured.dc(), kWhite);
    SetBkColor(coloured.dc(), kBlack);
    BitBlt(coloured.dc(), 0, 0, w, h, masked.dc(), 0, 0, SRCAND);
    return true;
}

}  // namespace

int Images::Add(HBITMAP bitmap, int count, bool passing) {
    for (const Strip& s : strips_)
        if (bitmap && s.source == bitmap) return s.first;
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof info, &info) != sizeof info) return -1;
    const int w = info.bmWidth, h = info.bmHeight;
    HDC screen = GetDC(nullptr);
    Strip strip{bitmap, CreateCompatibleBitmap(screen, w, h), CreateBitmap(w, h, 1, 1, nullptr),
                CreateBitmap(w, h, 1, 1, nullptr), w, h, next_, std::clamp(count, 0, kMostImages)};
    ReleaseDC(nullptr, screen);
    if (!strip.colour || !strip.mask || !strip.shape || !Derive(bitmap, strip.colour, strip.mask, strip.shape, w, h)) {
        for (HBITMAP made : {strip.colour, strip.mask, strip.shape}) DeleteObject(made);
        return -1;
    }
    if (passing) strip.source = nullptr;
    strips_.push_back(strip);
    next_ += strip.count;
    return strip.first;
}

const Images::Strip* Images::StripOf(int index) const {
    for (auto it = strips_.rbegin(); it != strips_.rend(); ++it)
        if (index >= it->first && index < it->first + it->count) return &*it;
    return nullptr;
}

bool Images::Slice(int index, SIZE& size, const Strip*& strip, int& x) const {
    strip = StripOf(index);
    if (!strip || size.cx <= 0) return false;
    const long long left = static_cast<long long>(index - strip->first) * size.cx;
    if (left >= strip->width) return false;
    x = static_cast<int>(left);
    size.cx = std::min<int>(size.cx, strip->width - x);
    size.cy = std::min<int>(size.cy, strip->height);
    return size.cy > 0;
}

void Images::Draw(HDC dc, int index, POINT at, SIZE size) const {
    const Strip* strip = nullptr;
    int x = 0;
    if (!Slice(index, size, strip, x)) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, strip->mask);
    const COLORREF text = SetTextColor(dc, kBlack);
    const COLORREF back = SetBkColor(dc, kWhite);
    BitBlt(dc, at.x, at.y, size.cx, size.cy, memory, x, 0, SRCAND);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    SelectObject(memory, strip->colour);
    BitBlt(dc, at.x, at.y, size.cx, size.cy, memory, x, 0, SRCPAINT);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void Images::DrawDisabled(HDC dc, int index, POINT at, SIZE size) const {
    const Strip* strip = nullptr;
    int x = 0;
    if (!Slice(index, size, strip, x)) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, strip->shape);
    PaintShape(dc, memory, {at.x + 1, at.y + 1}, size, x, GetSysColor(COLOR_BTNHIGHLIGHT));
    PaintShape(dc, memory, at, size, x, GetSysColor(COLOR_BTNSHADOW));
    SelectObject(memory, old);
    DeleteDC(memory);
}

void Images::Clear() {
    for (const Strip& s : strips_) {
        DeleteObject(s.colour);
        DeleteObject(s.mask);
        DeleteObject(s.shape);
    }
    strips_.clear();
    next_ = 0;
}

}  // namespace platform::toolbar
