// The up-down control's rules for its value: inside the range whichever way round its ends
// are, stepping with or without wrapping, and the text its buddy shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "controls/UpDownState.h"

namespace platform::updown {

bool InBounds(const State& state, long long value);
// A value outside the range goes to the end it lies beyond.
int Clamped(const State& state, long long value);
// Moves the position by `delta`; past an end it stops there, or with `wrap` comes round from
// the other end. False when the position did not change.
bool OffsetBy(State& state, long long delta, bool wrap);

// The position as the buddy shows it: "0x" and at least four upper-case hex digits in base 16;
// in base 10, with thousands separated by commas when `groupThousands`.
std::wstring FormatPosition(int value, int base, bool groupThousands);
// The number a buddy's text holds, read as the C library's wcstol reads it in `base` (leading
// spaces, a sign, "0x" in base 16, saturating at the 32-bit limits) once the thousands
// separators are taken out; empty text is 0. Nothing when anything but the number is there.
std::optional<long long> ParsePosition(std::wstring_view text, int base);

}  // namespace platform::updown
