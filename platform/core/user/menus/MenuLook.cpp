#include "user/menus/MenuLook.h"

#include <cwctype>

#include "PlatformState.h"
#include "Painting.h"

namespace platform::menulook {

namespace {

// Position in the visible text of the access key, or npos.
std::size_t AccessKeyIndex(const std::wstring& text) {
    std::size_t visible = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            if (text[i + 1] != L'&') return visible;
            ++i;
        }
        ++visible;
    }
    return std::wstring::npos;
}

}  // namespace

HFONT Font() {
    HFONT& font = State().menuFont;
    if (!font) {
        font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, 0,
                           CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Segoe UI");
        if (GdiObject* object = FindGdiObject(font)) object->stock = true;  // the system's, for good
    }
    return font;
}

std::wstring Visible(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        else if (text[i] == L'&') continue;
        out += text[i];
    }
    return out;
}

wchar_t AccessKey(const std::wstring& text) {
    std::size_t index = AccessKeyIndex(text);
    std::wstring visible = Visible(text);
    return index < visible.size() ? static_cast<wchar_t>(std::towlower(visible[index])) : 0;
}

int TextWidth(HDC dc, const std::wstring& text) {
    std::wstring visible = Visible(text);
    HGDIOBJ old = SelectObject(dc, Font());
    SIZE size{};
    GetTextExtentPoint32W(dc, visible.c_str(), static_cast<int>(visible.size()), &size);
    SelectObject(dc, old);
    return size.cx;
}

void DrawText(HDC dc, int x, int y, const std::wstring& text, COLORREF colour) {
    std::wstring visible = Visible(text);
    HGDIOBJ old = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    TextOutW(dc, x, y, visible.c_str(), static_cast<int>(visible.size()));
    std::size_t key = AccessKeyIndex(text);
    if (key < visible.size()) {
        SIZE before{}, letter{};
        GetTextExtentPoint32W(dc, visible.c_str(), static_cast<int>(key), &before);
        GetTextExtentPoint32W(dc, visible.c_str() + key, 1, &letter);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT line{x + before.cx, y + tm.tmAscent + 1, x + before.cx + letter.cx, y + tm.tmAscent + 2};
        paint::Fill(dc, line, colour);
    }
    SelectObject(dc, old);
}

}  // namespace platform::menulook
