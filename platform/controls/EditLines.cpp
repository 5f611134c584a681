#include "controls/EditLines.h"

#include <algorithm>

namespace platform {

namespace {

// The length of the line break at `i`: 2 for CR LF, 1 for a lone LF, 0 for none. A lone CR is
// an ordinary character.
std::size_t BreakLength(std::wstring_view text, std::size_t i) {
    if (text[i] == L'\n') return 1;
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') return 2;
    return 0;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// A wrapped line may end before a word that follows spaces or a hyphen.
bool MayBreakBefore(std::wstring_view text, std::size_t i) {
    const wchar_t before = text[i - 1];
    return !IsBlank(text[i]) && (IsBlank(before) || before == L'-');
}

// The end of the characters from `from` that fit `width`; one at least, so a line always
// holds something.
std::size_t FittingEnd(const std::vector<int>& advances, std::size_t from, std::size_t end, int width) {
    std::size_t i = from;
    int used = 0;
    while (i < end && used + advances[i] <= width) used += advances[i++];
    return std::max(i, from + 1);
}

// Where a line starting at `from` wraps: before the last word that begins within what fits,
// else where it stops fitting; `end` when the rest fits.
std::size_t WrapPoint(std::wstring_view text, const std::vector<int>& advances, std::size_t from, std::size_t end,
                      int width) {
    const std::size_t fit = FittingEnd(advances, from, end, width);
    if (fit >= end) return end;
    for (std::size_t i = fit; i > from; --i)
        if (MayBreakBefore(text, i)) return i;
    return fit;
}

// The lines of the text between two breaks, [start, end); the last one's `next` is the caller's.
void AddLines(std::vector<EditLine>& lines, std::wstring_view text, const std::vector<int>& advances,
              std::size_t start, std::size_t end, int wrapWidth) {
    std::size_t from = start;
    while (wrapWidth > 0 && from < end) {
        const std::size_t cut = WrapPoint(text, advances, from, end, wrapWidth);
        if (cut >= end) break;
        lines.push_back({from, cut, cut, true});
        from = cut;
    }
    lines.push_back({from, end, end, false});
}

}  // namespace

std::vector<EditLine> SplitLines(std::wstring_view text, const std::vector<int>& advances, int wrapWidth) {
    std::vector<EditLine> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t length = BreakLength(text, i);
        if (length == 0) continue;
        AddLines(lines, text, advances, start, i, wrapWidth);
        lines.back().next = i + length;
        start = i + length;
        i = start - 1;
    }
    AddLines(lines, text, advances, start, text.size(), wrapWidth);
    return lines;
}

}  // namespace platform
