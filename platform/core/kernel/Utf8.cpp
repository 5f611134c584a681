#include "kernel/Utf8.h"

#include <cstdint>

namespace platform {

namespace {

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    static constexpr std::uint32_t kLeadBits[] = {0, 0xC0, 0xE0, 0xF0};
    const int trailing = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLeadBits[trailing] | (c >> (6 * trailing)));
    for (int i = trailing - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

}  // namespace

std::string Utf8Of(std::wstring_view text) {
    std::string out;
    for (wchar_t unit : text) AppendUtf8(out, static_cast<std::uint32_t>(unit));
    return out;
}

}  // namespace platform
