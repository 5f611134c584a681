#include "Utf8.h"

#include <cstdint>
#include <utility>

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

// What a lead byte announces: how many continuation bytes follow, its own value bits, and
// the smallest character a sequence of that length may carry (less is an overlong form).
struct Lead {
    std::size_t trailing;
    std::uint32_t bits;
    std::uint32_t minimum;
};

std::optional<Lead> LeadOf(unsigned char byte) {
    if (byte < 0x80) return Lead{0, byte, 0};
    if ((byte & 0xE0) == 0xC0) return Lead{1, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0) == 0xE0) return Lead{2, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8) == 0xF0) return Lead{3, byte & 0x07u, 0x10000};
    return std::nullopt;
}

bool IsCharacter(std::uint32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

// The character starting at `at` and the bytes it takes; none when malformed there.
std::optional<std::pair<std::uint32_t, std::size_t>> DecodeAt(std::string_view text, std::size_t at) {
    const std::optional<Lead> lead = LeadOf(static_cast<unsigned char>(text[at]));
    if (!lead || text.size() - at - 1 < lead->trailing) return std::nullopt;
    std::uint32_t c = lead->bits;
    for (std::size_t k = 1; k <= lead->trailing; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if ((byte & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte & 0x3Fu);
    }
    if (c < lead->minimum || !IsCharacter(c)) return std::nullopt;
    return std::make_pair(c, lead->trailing + 1);
}

}  // namespace

std::optional<std::wstring> WideOfUtf8(std::string_view text) {
    std::wstring wide;
    for (std::size_t at = 0; at < text.size();) {
        const auto decoded = DecodeAt(text, at);
        if (!decoded) return std::nullopt;
        wide += static_cast<wchar_t>(decoded->first);
        at += decoded->second;
    }
    return wide;
}

std::string Utf8Of(std::wstring_view text) {
    std::string out;
    for (wchar_t unit : text) AppendUtf8(out, static_cast<std::uint32_t>(unit));
    return out;
}

}  // namespace platform
