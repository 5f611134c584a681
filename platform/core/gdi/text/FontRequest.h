// What a program asks for when it creates a font: the fields of the classic logical font that
// choose and shape the glyphs. The font layer realizes a request into a Font; equal requests
// share one.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace platform {

struct FontRequest {
    // Below zero: the character (em) height in pixels. Above zero: the cell height (ascent plus
    // descent). Zero: the default, a cell 16 pixels high.
    int height = 0;
    // The average character width; 0 asks for the natural width. Other values are ignored:
    // glyphs are never stretched or narrowed.
    int width = 0;
    int weight = 400;  // 100..900, 0 meaning 400; 600 and heavier render bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    BYTE pitchAndFamily = 0;  // FIXED_PITCH (1) or FF_MODERN (0x30) ask for a monospaced face
    std::wstring face;        // a family name such as L"Arial"; empty lets the layer choose

    bool operator==(const FontRequest&) const = default;
};

}  // namespace platform
