#include "controls/UpDownValue.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <iterator>

namespace platform::updown {

namespace {

constexpr wchar_t kThousandsSeparator = L',';

int DigitValue(wchar_t c, int base) {
    int value = 36;
    if (c >= L'0' && c <= L'9') value = c - L'0';
    else if (c >= L'a' && c <= L'z') value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'Z') value = c - L'A' + 10;
    return value < base ? value : -1;
}

std::wstring Grouped(const std::wstring& digits) {
    std::wstring grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += kThousandsSeparator;
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

bool InBounds(const State& state, long long value) {
    if (state.max > state.min) return state.min <= value && value <= state.max;
    return state.max <= value && value <= state.min;
}

int Clamped(const State& state, long long value) {
    if (InBounds(state, value)) return static_cast<int>(value);
    const bool belowMin = state.min < state.max ? value < state.min : value > state.min;
    return belowMin ? state.min : state.max;
}

bool OffsetBy(State& state, long long delta, bool wrap) {
    const long long before = state.pos, target = before + delta;
    if (InBounds(state, target)) {
        state.pos = static_cast<int>(target);
    } else if (wrap) {
        const long long low = std::min(state.min, state.max), span = std::abs(static_cast<long long>(state.max) - state.min) + 1;
        state.pos = static_cast<int>(low + ((target - low) % span + span) % span);
    } else {
        state.pos = Clamped(state, target);
    }
    return state.pos != before;
}

std::wstring FormatPosition(int value, int base, bool groupThousands) {
    wchar_t text[16];
    if (base == 16) {
        std::swprintf(text, std::size(text), L"0x%04X", static_cast<unsigned>(value));
        return text;
    }
    std::swprintf(text, std::size(text), L"%lld", std::llabs(static_cast<long long>(value)));
    const std::wstring digits = groupThousands ? Grouped(text) : std::wstring(text);
    return value < 0 ? L"-" + digits : digits;
}

std::optional<long long> ParsePosition(std::wstring_view text, int base) {
    std::wstring kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](wchar_t c) { return c != kThousandsSeparator; });
    std::size_t i = 0;
    while (i < kept.size() && std::iswspace(kept[i])) ++i;
    const bool negative = i < kept.size() && kept[i] == L'-';
    if (i < kept.size() && (kept[i] == L'-' || kept[i] == L'+')) ++i;
    const bool prefixed = base == 16 && i + 2 < kept.size() && kept[i] == L'0' && (kept[i + 1] | 0x20) == L'x' &&
                          DigitValue(kept[i + 2], 16) >= 0;
    if (prefixed) i += 2;
    const std::size_t first = i;
    long long value = 0;
    for (; i < kept.size() && DigitValue(kept[i], base) >= 0; ++i)
        value = std::min(value * base + DigitValue(kept[i], base), static_cast<long long>(INT_MAX) + 1);
    // Without a digit nothing is read, so only empty text is a number (0).
    if (i == first) return kept.empty() ? std::optional<long long>(0) : std::nullopt;
    if (i != kept.size()) return std::nullopt;
    return negative ? std::max(-value, static_cast<long long>(INT_MIN)) : std::min(value, static_cast<long long>(INT_MAX));
}

}  // namespace platform::updown
