#include "controls/SortOrder.h"

#include <algorithm>
#include <string>
#include <vector>

#include "controls/LetterCase.h"

namespace platform {

namespace {

// Where the kinds of characters fall among each other: punctuation, then other symbols, then
// digits, then the Latin letters, then every other script by its code.
constexpr int kOtherSymbols = 0x100;
constexpr int kDigits = 0x20000;
constexpr int kLatinLetters = 0x30000;
constexpr int kOtherLetters = 0x40000;

// The punctuation in the order the platform sorts it; the apostrophe and the hyphen are not
// here, as they only break ties.
constexpr std::wstring_view kPunctuation = L" !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";
constexpr std::wstring_view kTieBreakers = L"'-";

// Accents, from the one that sorts first.
enum Accent : int {
    kNone, kOrdinal, kAcute, kGrave, kCircumflex, kDiaeresis, kBreve, kMacron, kTilde, kRing, kOgonek,
    kCaron, kCedilla, kDot, kStroke, kEth, kDoubleAcute,
};

// A lower-case letter that sorts as other letters: its base (one letter, or two for a
// ligature) and its accent.
struct Decomposed {
    wchar_t letter;
    std::wstring_view base;
    Accent accent;
};

constexpr Decomposed kDecomposed[] = {
    {0x00AA, L"a", kOrdinal}, {0x00E0, L"a", kGrave}, {0x00E1, L"a", kAcute}, {0x00E2, L"a", kCircumflex},
    {0x00E3, L"a", kTilde}, {0x00E4, L"a", kDiaeresis}, {0x00E5, L"a", kRing}, {0x00E6, L"ae", kNone},
    {0x00E7, L"c", kCedilla}, {0x00E8, L"e", kGrave}, {0x00E9, L"e", kAcute}, {0x00EA, L"e", kCircumflex},
    {0x00EB, L"e", kDiaeresis}, {0x00EC, L"i", kGrave}, {0x00ED, L"i", kAcute}, {0x00EE, L"i", kCircumflex},
    {0x00EF, L"i", kDiaeresis}, {0x00F0, L"d", kEth}, {0x00F1, L"n", kTilde}, {0x00F2, L"o", kGrave},
    {0x00F3, L"o", kAcute}, {0x00F4, L"o", kCircumflex}, {0x00F5, L"o", kTilde}, {0x00F6, L"o", kDiaeresis},
    {0x00F8, L"o", kStroke}, {0x00F9, L"u", kGrave}, {0x00FA, L"u", kAcute}, {0x00FB, L"u", kCircumflex},
    {0x00FC, L"u", kDiaeresis}, {0x00FD, L"y", kAcute}, {0x00FE, L"th", kNone}, {0x00DF, L"ss", kNone},
    {0x00FF, L"y", kDiaeresis}, {0x0101, L"a", kMacron}, {0x0103, L"a", kBreve}, {0x0105, L"a", kOgonek},
    {0x0107, L"c", kAcute}, {0x0109, L"c", kCircumflex}, {0x010B, L"c", kDot}, {0x010D, L"c", kCaron},
    {0x010F, L"d", kCaron}, {0x0111, L"d", kStroke}, {0x0113, L"e", kMacron}, {0x0115, L"e", kBreve},
    {0x0117, L"e", kDot}, {0x0119, L"e", kOgonek}, {0x011B, L"e", kCaron}, {0x011D, L"g", kCircumflex},
    {0x011F, L"g", kBreve}, {0x0121, L"g", kDot}, {0x0123, L"g", kCedilla}, {0x0125, L"h", kCircumflex},
    {0x0127, L"h", kStroke}, {0x0129, L"i", kTilde}, {0x012B, L"i", kMacron}, {0x012D, L"i", kBreve},
    {0x012F, L"i", kOgonek}, {0x0131, L"i", kOrdinal}, {0x0135, L"j", kCircumflex}, {0x0137, L"k", kCedilla},
    {0x013A, L"l", kAcute}, {0x013C, L"l", kCedilla}, {0x013E, L"l", kCaron}, {0x0142, L"l", kStroke},
    {0x0144, L"n", kAcute}, {0x0146, L"n", kCedilla}, {0x0148, L"n", kCaron}, {0x014D, L"o", kMacron},
    {0x014F, L"o", kBreve}, {0x0151, L"o", kDoubleAcute}, {0x0153, L"oe", kNone}, {0x0155, L"r", kAcute},
    {0x0157, L"r", kCedilla}, {0x0159, L"r", kCaron}, {0x015B, L"s", kAcute}, {0x015D, L"s", kCircumflex},
    {0x015F, L"s", kCedilla}, {0x0161, L"s", kCaron}, {0x0163, L"t", kCedilla}, {0x0165, L"t", kCaron},
    {0x0167, L"t", kStroke}, {0x0169, L"u", kTilde}, {0x016B, L"u", kMacron}, {0x016D, L"u", kBreve},
    {0x016F, L"u", kRing}, {0x0171, L"u", kDoubleAcute}, {0x0173, L"u", kOgonek}, {0x0175, L"w", kCircumflex},
    {0x0177, L"y", kCircumflex}, {0x017A, L"z", kAcute}, {0x017C, L"z", kDot}, {0x017E, L"z", kCaron},
    {0x0192, L"f", kStroke},
};

// A string's sort key in three levels: the letters, their accents, and where its hyphens and
// apostrophes are.
struct SortKey {
    std::vector<int> letters;
    std::vector<int> accents;
    std::vector<std::pair<int, int>> tieBreakers;  // (position in the string, which one)
};

const Decomposed* DecompositionOf(wchar_t c) {
    auto found = std::find_if(std::begin(kDecomposed), std::end(kDecomposed),
                              [c](const Decomposed& d) { return d.letter == c; });
    return found == std::end(kDecomposed) ? nullptr : found;
}

bool IsLetter(wchar_t c) { return UpperOf(c) != LowerOf(c) || (c >= L'a' && c <= L'z'); }

int WeightOf(wchar_t c) {
    if (c >= L'a' && c <= L'z') return kLatinLetters + (c - L'a');
    if (c >= L'0' && c <= L'9') return kDigits + (c - L'0');
    if (std::size_t at = kPunctuation.find(c); at != std::wstring_view::npos) return static_cast<int>(at) + 1;
    if (IsLetter(c)) return kOtherLetters + c;
    return kOtherSymbols + c;
}

void AddCharacter(SortKey& key, wchar_t c, int position) {
    if (std::size_t which = kTieBreakers.find(c); which != std::wstring_view::npos) {
        key.tieBreakers.emplace_back(position, static_cast<int>(which));
        return;
    }
    const wchar_t folded = LowerOf(c);
    if (const Decomposed* d = DecompositionOf(folded)) {
        for (wchar_t base : d->base) {
            key.letters.push_back(WeightOf(base));
            key.accents.push_back(d->accent);
        }
        return;
    }
    key.letters.push_back(WeightOf(folded));
    key.accents.push_back(kNone);
}

SortKey KeyOf(std::wstring_view text) {
    SortKey key;
    key.letters.reserve(text.size());
    key.accents.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) AddCharacter(key, text[i], static_cast<int>(i));
    return key;
}

template <typename T>
int Lexicographic(const std::vector<T>& a, const std::vector<T>& b) {
    auto [ai, bi] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ai == a.end()) return bi == b.end() ? 0 : -1;
    if (bi == b.end()) return 1;
    return *ai < *bi ? -1 : 1;
}

// A string without hyphens sorts first; between two, the one whose first difference is a
// hyphen further along sorts first, and an apostrophe before a hyphen.
int CompareTieBreakers(const SortKey& a, const SortKey& b) {
    const auto& x = a.tieBreakers;
    const auto& y = b.tieBreakers;
    for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
        if (x[i].first != y[i].first) return x[i].first > y[i].first ? -1 : 1;
        if (x[i].second != y[i].second) return x[i].second < y[i].second ? -1 : 1;
    }
    if (x.size() == y.size()) return 0;
    return x.size() < y.size() ? -1 : 1;
}

}  // namespace

int CompareForSort(std::wstring_view a, std::wstring_view b) {
    const SortKey x = KeyOf(a), y = KeyOf(b);
    if (int letters = Lexicographic(x.letters, y.letters)) return letters;
    if (int accents = Lexicographic(x.accents, y.accents)) return accents;
    return CompareTieBreakers(x, y);
}

bool StartsWithFolded(std::wstring_view text, std::wstring_view prefix) {
    if (prefix.size() > text.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](wchar_t p, wchar_t t) { return LowerOf(p) == LowerOf(t); });
}

}  // namespace platform
