#include "toolkit/util/TextConvert.h"

#include <algorithm>

namespace OrloUtility {

std::wstring ToWide(std::string text) {
    const std::size_t length = std::min(text.find('\0'), text.size());
    std::wstring wide(length, L'\0');
    // Through unsigned char, or bytes from 0x80 up would widen with their sign.
    std::transform(text.begin(), text.begin() + length, wide.begin(), [](char byte) {
        return static_cast<wchar_t>(static_cast<unsigned char>(byte));
    });
    return wide;
}

std::string ToNarrow(std::wstring text) {
    std::string narrow(text.size(), '\0');
    std::transform(text.begin(), text.end(), narrow.begin(), [](wchar_t unit) {
        return static_cast<char>(static_cast<unsigned char>(unit & 0xFF));
    });
    return narrow;
}

std::string ReplaceChar(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

}  // namespace OrloUtility
