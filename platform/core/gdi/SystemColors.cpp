#include "gdi/SystemColors.h"

#include <array>

#include "PlatformState.h"

namespace platform {

namespace {

// A light scheme like the one current desktops default to.
constexpr std::array<COLORREF, COLOR_MENUBAR + 1> kScheme{
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};

bool ValidIndex(int index) { return index >= 0 && index < static_cast<int>(kScheme.size()) && index != 25; }

}  // namespace

std::optional<COLORREF> BrushColor(HBRUSH brush) {
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= kScheme.size()) {
        int index = static_cast<int>(value) - 1;
        if (ValidIndex(index)) return kScheme[static_cast<std::size_t>(index)];
        return std::nullopt;
    }
    auto* object = FindGdi<BrushObject>(brush, GdiObject::Kind::Brush);
    if (!object || object->style == BS_NULL) return std::nullopt;
    return object->color;
}

}  // namespace platform

using namespace platform;

DWORD WINAPI GetSysColor(int nIndex) { return ValidIndex(nIndex) ? kScheme[static_cast<std::size_t>(nIndex)] : 0; }

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
    if (!ValidIndex(nIndex)) return nullptr;
    HBRUSH& brush = Gdi().systemBrushes[static_cast<std::size_t>(nIndex)];
    if (!brush) {
        auto object = std::make_unique<BrushObject>(BS_SOLID, kScheme[static_cast<std::size_t>(nIndex)]);
        object->stock = true;  // owned by the system: deleting it does nothing
        brush = static_cast<HBRUSH>(AddGdiObject(std::move(object)));
    }
    return brush;
}
