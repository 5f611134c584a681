// Wide text (UTF-32 in wchar_t here) to the UTF-8 the system's own calls take, and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A unit that is no character (a lone surrogate, a value past U+10FFFF) becomes U+FFFD rather
// than a malformed string.
std::string Utf8Of(std::wstring_view text);

// The characters of UTF-8 text the system gave; none when it is not well-formed UTF-8
// (a stray or missing continuation byte, an overlong form, a surrogate, a value past
// U+10FFFF), since a replacement character could not name the same file again.
std::optional<std::wstring> WideOfUtf8(std::string_view text);

}  // namespace platform
