#include "backends/x11/Keys.h"

#include <linux/input-event-codes.h>

#include <array>
#include <string>

namespace platform::x11 {

namespace {

// The kernel numbers the X server adds 8 to.
constexpr unsigned int kKernelOffset = 8;

struct KeyPair {
    unsigned int code;
    UINT vk;
};

constexpr auto kByCode = std::to_array<KeyPair>({
    {KEY_ESC, VK_ESCAPE},         {KEY_1, '1'},          {KEY_2, '2'},           {KEY_3, '3'},
    {KEY_4, '4'},                 {KEY_5, '5'},          {KEY_6, '6'},           {KEY_7, '7'},
    {KEY_8, '8'},                 {KEY_9, '9'},          {KEY_0, '0'},           {KEY_MINUS, VK_OEM_MINUS},
    {KEY_EQUAL, VK_OEM_PLUS},     {KEY_BACKSPACE, VK_BACK}, {KEY_TAB, VK_TAB},   {KEY_Q, 'Q'},
    {KEY_W, 'W'},                 {KEY_E, 'E'},          {KEY_R, 'R'},           {KEY_T, 'T'},
    {KEY_Y, 'Y'},                 {KEY_U, 'U'},          {KEY_I, 'I'},           {KEY_O, 'O'},
    {KEY_P, 'P'},                 {KEY_LEFTBRACE, VK_OEM_4}, {KEY_RIGHTBRACE, VK_OEM_6}, {KEY_ENTER, VK_RETURN},
    {KEY_LEFTCTRL, VK_LCONTROL},  {KEY_A, 'A'},          {KEY_S, 'S'},           {KEY_D, 'D'},
    {KEY_F, 'F'},                 {KEY_G, 'G'},          {KEY_H, 'H'},           {KEY_J, 'J'},
    {KEY_K, 'K'},                 {KEY_L, 'L'},          {KEY_SEMICOLON, VK_OEM_1}, {KEY_APOSTROPHE, VK_OEM_7},
    {KEY_GRAVE, VK_OEM_3},        {KEY_LEFTSHIFT, VK_LSHIFT}, {KEY_BACKSLASH, VK_OEM_5}, {KEY_Z, 'Z'},
    {KEY_X, 'X'},                 {KEY_C, 'C'},          {KEY_V, 'V'},           {KEY_B, 'B'},
    {KEY_N, 'N'},                 {KEY_M, 'M'},          {KEY_COMMA, VK_OEM_COMMA}, {KEY_DOT, VK_OEM_PERIOD},
    {KEY_SLASH, VK_OEM_2},        {KEY_RIGHTSHIFT, VK_RSHIFT}, {KEY_KPASTERISK, VK_MULTIPLY}, {KEY_LEFTALT, VK_LMENU},
    {KEY_SPACE, VK_SPACE},        {KEY_CAPSLOCK, VK_CAPITAL}, {KEY_F1, VK_F1},   {KEY_F2, VK_F1 + 1},
    {KEY_F3, VK_F1 + 2},          {KEY_F4, VK_F1 + 3},   {KEY_F5, VK_F1 + 4},    {KEY_F6, VK_F1 + 5},
    {KEY_F7, VK_F1 + 6},          {KEY_F8, VK_F1 + 7},   {KEY_F9, VK_F1 + 8},    {KEY_F10, VK_F10},
    {KEY_NUMLOCK, VK_NUMLOCK},    {KEY_SCROLLLOCK, VK_SCROLL}, {KEY_KP7, VK_NUMPAD0 + 7}, {KEY_KP8, VK_NUMPAD0 + 8},
    {KEY_KP9, VK_NUMPAD0 + 9},    {KEY_KPMINUS, VK_SUBTRACT}, {KEY_KP4, VK_NUMPAD0 + 4}, {KEY_KP5, VK_NUMPAD0 + 5},
    {KEY_KP6, VK_NUMPAD0 + 6},    {KEY_KPPLUS, VK_ADD},  {KEY_KP1, VK_NUMPAD0 + 1}, {KEY_KP2, VK_NUMPAD0 + 2},
    {KEY_KP3, VK_NUMPAD0 + 3},    {KEY_KP0, VK_NUMPAD0}, {KEY_KPDOT, VK_DECIMAL}, {KEY_102ND, VK_OEM_102},
    {KEY_F11, VK_F11},            {KEY_F12, VK_F12},     {KEY_KPENTER, VK_RETURN}, {KEY_RIGHTCTRL, VK_RCONTROL},
    {KEY_KPSLASH, VK_DIVIDE},     {KEY_SYSRQ, VK_SNAPSHOT}, {KEY_RIGHTALT, VK_RMENU}, {KEY_HOME, VK_HOME},
    {KEY_UP, VK_UP},              {KEY_PAGEUP, VK_PRIOR}, {KEY_LEFT, VK_LEFT},   {KEY_RIGHT, VK_RIGHT},
    {KEY_END, VK_END},            {KEY_DOWN, VK_DOWN},   {KEY_PAGEDOWN, VK_NEXT}, {KEY_INSERT, VK_INSERT},
    {KEY_DELETE, VK_DELETE},      {KEY_KPEQUAL, VK_OEM_PLUS}, {KEY_PAUSE, VK_PAUSE}, {KEY_LEFTMETA, VK_LWIN},
    {KEY_RIGHTMETA, VK_RWIN},     {KEY_COMPOSE, VK_APPS}, {KEY_MENU, VK_APPS},   {KEY_CLEAR, VK_CLEAR},
});

// Keysyms of Latin-1 are its code points; a keysym made from a code point carries this flag.
constexpr unsigned long kUnicodeKeysym = 0x01000000;
constexpr unsigned long kEuroSign = 0x20AC;

}  // namespace

UINT VirtualKeyOfKeycode(unsigned int keycode) {
    if (keycode < kKernelOffset) return 0;
    const unsigned int code = keycode - kKernelOffset;
    for (const KeyPair& pair : kByCode)
        if (pair.code == code) return pair.vk;
    return 0;
}

std::wstring TextOfKeysym(unsigned long keysym) {
    char32_t c = 0;
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) c = static_cast<char32_t>(keysym);
    else if ((keysym & 0xFF000000) == kUnicodeKeysym) c = static_cast<char32_t>(keysym & 0x00FFFFFF);
    else if (keysym == kEuroSign) c = U'\u20AC';
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c > 0x10FFFF) return {};
    return std::wstring(1, static_cast<wchar_t>(c));  // wide characters are whole code points here
}

}  // namespace platform::x11
