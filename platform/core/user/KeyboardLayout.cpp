#include "user/KeyboardLayout.h"

#include <array>
#include <cstring>

namespace platform {

namespace {

struct OemKey {
    UINT vk;
    char plain;
    char shifted;
};

constexpr std::array<OemKey, 11> kOemKeys{{{VK_OEM_1, ';', ':'},
                                           {VK_OEM_PLUS, '=', '+'},
                                           {VK_OEM_COMMA, ',', '<'},
                                           {VK_OEM_MINUS, '-', '_'},
                                           {VK_OEM_PERIOD, '.', '>'},
                                           {VK_OEM_2, '/', '?'},
                                           {VK_OEM_3, '`', '~'},
                                           {VK_OEM_4, '[', '{'},
                                           {VK_OEM_5, '\\', '|'},
                                           {VK_OEM_6, ']', '}'},
                                           {VK_OEM_7, '\'', '"'}}};

constexpr const char* kShiftedDigits = ")!@#$%^&*(";

struct ScanEntry {
    UINT vk;
    UINT scan;
};

constexpr std::array<ScanEntry, 30> kScanCodes{{
    {VK_ESCAPE, 0x01}, {VK_BACK, 0x0E},    {VK_TAB, 0x0F},    {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D}, {VK_LCONTROL, 0x1D}, {VK_RCONTROL, 0x1D}, {VK_SHIFT, 0x2A},
    {VK_LSHIFT, 0x2A},  {VK_RSHIFT, 0x36},   {VK_MENU, 0x38},     {VK_LMENU, 0x38},
    {VK_RMENU, 0x38},   {VK_SPACE, 0x39},    {VK_CAPITAL, 0x3A},  {VK_F11, 0x57},
    {VK_F12, 0x58},     {VK_HOME, 0x47},     {VK_UP, 0x48},       {VK_PRIOR, 0x49},
    {VK_LEFT, 0x4B},    {VK_RIGHT, 0x4D},    {VK_END, 0x4F},      {VK_DOWN, 0x50},
    {VK_NEXT, 0x51},    {VK_INSERT, 0x52},   {VK_DELETE, 0x53},   {VK_OEM_MINUS, 0x0C},
    {VK_OEM_PLUS, 0x0D}, {VK_OEM_COMMA, 0x33},
}};

// Letter scan codes in alphabetical order, A to Z.
constexpr std::array<BYTE, 26> kLetterScanCodes{0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                                0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                                0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};

std::optional<WCHAR> LetterOf(UINT vk, const Modifiers& m) {
    if (m.control && !m.alt) return static_cast<WCHAR>(vk - 'A' + 1);  // Ctrl+A is 1
    bool upper = m.shift != m.capsLock;
    return static_cast<WCHAR>(upper ? vk : vk - 'A' + 'a');
}

std::optional<WCHAR> ControlKeyOf(UINT vk, const Modifiers& m) {
    switch (vk) {
    case VK_SPACE: return L' ';
    case VK_RETURN: return m.control ? L'\n' : L'\r';
    case VK_TAB: return m.control ? std::nullopt : std::optional<WCHAR>(L'\t');
    case VK_BACK: return m.control ? L'\x7F' : L'\b';
    case VK_ESCAPE: return L'\x1B';
    default: return std::nullopt;
    }
}

std::optional<WCHAR> NumpadOf(UINT vk, const Modifiers& m) {
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        if (!m.numLock) return std::nullopt;
        return static_cast<WCHAR>('0' + (vk - VK_NUMPAD0));
    }
    switch (vk) {
    case VK_MULTIPLY: return L'*';
    case VK_ADD: return L'+';
    case VK_SUBTRACT: return L'-';
    case VK_DECIMAL: return m.numLock ? std::optional<WCHAR>(L'.') : std::nullopt;
    case VK_DIVIDE: return L'/';
    default: return std::nullopt;
    }
}

}  // namespace

UINT ScanCodeOf(UINT vk) {
    if (vk >= 'A' && vk <= 'Z') return kLetterScanCodes[vk - 'A'];
    if (vk >= '1' && vk <= '9') return 0x02 + (vk - '1');
    if (vk == '0') return 0x0B;
    if (vk >= VK_F1 && vk <= VK_F10) return 0x3B + (vk - VK_F1);
    for (const ScanEntry& entry : kScanCodes)
        if (entry.vk == vk) return entry.scan;
    return 0;
}

bool IsExtendedKey(UINT vk) {
    switch (vk) {
    case VK_RCONTROL: case VK_RMENU: case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_DIVIDE: case VK_NUMLOCK:
        return true;
    default:
        return false;
    }
}

std::optional<WCHAR> CharacterOf(UINT vk, const Modifiers& m) {
    if (vk >= 'A' && vk <= 'Z') return LetterOf(vk, m);
    if (m.control && !m.alt) return ControlKeyOf(vk, m);
    if (vk >= '0' && vk <= '9') return static_cast<WCHAR>(m.shift ? kShiftedDigits[vk - '0'] : vk);
    for (const OemKey& key : kOemKeys)
        if (key.vk == vk) return static_cast<WCHAR>(m.shift ? key.shifted : key.plain);
    if (auto c = ControlKeyOf(vk, m)) return c;
    return NumpadOf(vk, m);
}

UINT GenericKeyOf(UINT vk) {
    switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
    }
}

}  // namespace platform
