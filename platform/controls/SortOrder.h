// How the list box orders and finds its strings, as the platform's word sort does it: letters
// compare without regard to case, accents count only where the letters are otherwise equal
// (the first accent from the left decides), a hyphen or an apostrophe counts only where
// everything else is equal, and a ligature or a sharp s is the two letters it stands for.
#pragma once

#include <string_view>

namespace platform {

// Negative, zero or positive as `a` sorts before, with or after `b`.
int CompareForSort(std::wstring_view a, std::wstring_view b);
// Whether `text` begins with `prefix`, letter for letter, case aside; accents count.
bool StartsWithFolded(std::wstring_view text, std::wstring_view prefix);

}  // namespace platform
