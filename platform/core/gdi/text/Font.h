// Realized fonts: a request turned into an open face at a pixel size, with the metrics the
// classic text functions report and anti-aliased coverage masks of text runs. Nothing here
// knows of device contexts; the text functions colour and place the masks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FontRequest.h"
#include "PlatformApi.h"

namespace platform {

struct FontMetrics {
    int height = 0;  // the cell: ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;  // the cell height less the em height
    int externalLeading = 0;  // extra space the face suggests between lines
    int aveCharWidth = 0;     // the advance of 'x', standing in for the average lower-case width
    int maxCharWidth = 0;     // the widest advance among printable ASCII characters
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool fixedPitch = false;  // true for a monospaced face
    std::wstring faceName;    // the family actually used, not the one asked for
};

// Coverage of a text run, 0 (none) to 255 (full), rows top-down. It spans the run's advance
// and the cell height, with the baseline at row `ascent`.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height
};

class Font {
public:
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Opens the face the request resolves to at the size its height asks for; nullptr when no
    // font file can be found or opened. RealizeFont shares the result; call this only to
    // bypass the cache.
    static std::shared_ptr<const Font> Open(const FontRequest& request);

    const FontMetrics& Metrics() const { return metrics_; }

    // The run's advance width and the cell height. Characters are laid out one after another
    // without kerning, as the classic platform's text functions do, so the extent of a string
    // is the sum of the extents of its parts. Control characters take no room.
    SIZE Extent(std::wstring_view text) const;

    // The run drawn exactly as Extent measures it, with underline and strikeout when set. Ink
    // reaching outside the advances (an italic overhang, a descender hooking left) is clipped.
    TextMask Render(std::wstring_view text) const;

private:
    class Face;
    struct Lines {
        int thickness = 1;
        int underlineTop = 0;
        int strikeOutTop = 0;
    };

    Font(std::unique_ptr<Face> face, FontMetrics metrics, Lines lines);
    void DrawLines(TextMask& mask) const;

    std::unique_ptr<Face> face_;
    FontMetrics metrics_;
    Lines lines_;
};

// The realized font for a request, cached by request so that equal requests share one. The
// cache keeps every font for the life of the program: programs create a handful. nullptr when
// no font can be opened at all.
std::shared_ptr<const Font> RealizeFont(const FontRequest& request);

// How many distinct fonts the cache holds.
std::size_t CachedFontCount();

}  // namespace platform
