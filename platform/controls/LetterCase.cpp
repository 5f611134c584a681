#include "controls/LetterCase.h"

#include <array>

namespace platform {

namespace {

// `count` pairs of letters: upper + i * step and lower + i * step. Contiguous alphabets have
// step 1; Latin Extended-A alternates upper and lower letters, step 2.
struct CaseRange {
    wchar_t upper;
    wchar_t lower;
    int count;
    int step;
};

constexpr std::array<CaseRange, 13> kRanges{{
    {L'A', L'a', 26, 1},
    {0x00C0, 0x00E0, 23, 1},  // À..Ö
    {0x00D8, 0x00F8, 7, 1},   // Ø..Þ
    {0x0178, 0x00FF, 1, 1},   // Ÿ
    {0x0100, 0x0101, 28, 2},  // Ā..ķ
    {0x0139, 0x013A, 8, 2},   // Ĺ..ň
    {0x014A, 0x014B, 23, 2},  // Ŋ..ŷ
    {0x0179, 0x017A, 3, 2},   // Ź..ž
    {0x0391, 0x03B1, 17, 1},  // Α..Ρ
    {0x03A3, 0x03C3, 9, 1},   // Σ..Ϋ
    {0x0410, 0x0430, 32, 1},  // А..Я
    {0x0400, 0x0450, 16, 1},  // Ѐ..Џ
    {0x03A3, 0x03C2, 1, 1},   // final sigma has only the one capital
}};

// Whether `c` is one of the range's letters counted from `first` (its upper or lower one).
bool Covers(const CaseRange& range, wchar_t first, wchar_t c) {
    int offset = static_cast<int>(c) - static_cast<int>(first);
    return offset >= 0 && offset % range.step == 0 && offset / range.step < range.count;
}

}  // namespace

wchar_t UpperOf(wchar_t c) {
    for (const CaseRange& r : kRanges)
        if (Covers(r, r.lower, c)) return static_cast<wchar_t>(r.upper + (c - r.lower));
    return c;
}

wchar_t LowerOf(wchar_t c) {
    for (const CaseRange& r : kRanges)
        if (Covers(r, r.upper, c)) return static_cast<wchar_t>(r.lower + (c - r.upper));
    return c;
}

std::wstring WithCase(std::wstring_view text, LetterCase letterCase) {
    std::wstring out(text);
    if (letterCase == LetterCase::AsTyped) return out;
    for (wchar_t& c : out) c = letterCase == LetterCase::Upper ? UpperOf(c) : LowerOf(c);
    return out;
}

}  // namespace platform
