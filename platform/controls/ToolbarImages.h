// A toolbar's images (TB_ADDBITMAP): copies of the program's bitmaps, each a strip of images of
// the toolbar's bitmap size side by side, with the button face colour in them transparent, as
// the platform makes them. Drawn as they are, or embossed for a disabled button.
#pragma once

#include <vector>

#include "PlatformApi.h"

namespace platform::toolbar {

class Images {
public:
    Images() = default;
    Images(const Images&) = delete;
    Images& operator=(const Images&) = delete;
    ~Images() { Clear(); }

    // Adds `count` images from `bitmap` and answers the index of the first, or -1 when the
    // bitmap cannot be read. A bitmap added before answers the index it was given then, unless
    // it was added as a passing one (`passing`: the caller deletes it next).
    int Add(HBITMAP bitmap, int count, bool passing = false);
    // Image `index` with its top left at `at`, `size` of it; nothing for an index no strip has.
    void Draw(HDC dc, int index, POINT at, SIZE size) const;
    // The image's shape, lit from the top left, in the colours of a disabled control.
    void DrawDisabled(HDC dc, int index, POINT at, SIZE size) const;
    void Clear();

private:
    struct Strip {
        HBITMAP source;  // the program's bitmap, only to recognise it when added again
        HBITMAP colour;  // the copy, black where transparent
        HBITMAP mask;    // monochrome, white where transparent
        HBITMAP shape;   // monochrome, black where a disabled image shows
        int width;
        int height;
        int first;
        int count;
    };
    const Strip* StripOf(int index) const;
    // Where the image lies in its strip, and how much of `size` it has there.
    bool Slice(int index, SIZE& size, const Strip*& strip, int& x) const;

    std::vector<Strip> strips_;
    int next_ = 0;
};

}  // namespace platform::toolbar
