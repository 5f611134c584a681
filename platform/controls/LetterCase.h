// Upper and lower case of single characters, for controls that force the case of what is typed.
// The C library's wide-character mapping knows only ASCII in the default locale; these tables
// also cover the Latin, Greek and Cyrillic letters a player's name is likely to use.
#pragma once

#include <string>
#include <string_view>

namespace platform {

enum class LetterCase { AsTyped, Upper, Lower };

wchar_t UpperOf(wchar_t c);
wchar_t LowerOf(wchar_t c);
std::wstring WithCase(std::wstring_view text, LetterCase letterCase);

}  // namespace platform
