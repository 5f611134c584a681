// The lines of a multi-line edit field's text: broken where the text breaks its lines (CR LF,
// or a lone LF, as the platform reads them) and, in a field that wraps, between words so that
// no line is wider than the field. Knows nothing of windows: the caller gives the widths.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace platform {

struct EditLine {
    std::size_t start = 0;  // its first character
    std::size_t end = 0;    // past its last character shown; a break's own characters are not
    std::size_t next = 0;   // where the line after it starts
    bool wrapped = false;   // broken by wrapping: `next` is `end`, and a caret there may be on either line
};

// `advances[i]` is the width of character i; a `wrapWidth` of 0 does not wrap. A wrapped line
// keeps the spaces after its last word, which count towards its width, as on the platform; a
// word wider than the field is broken where it no longer fits. There is always a line.
std::vector<EditLine> SplitLines(std::wstring_view text, const std::vector<int>& advances, int wrapWidth);

}  // namespace platform
