// Wide text (UTF-32 in wchar_t here) to the UTF-8 the system's own calls take.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A unit that is no character (a lone surrogate, a value past U+10FFFF) becomes U+FFFD rather
// than a malformed string.
std::string Utf8Of(std::wstring_view text);

}  // namespace platform
