// DrawTextW: lines laid out in a rectangle, aligned left, centred or right, and on a single
// line also centred vertically or at the bottom; clipped to the rectangle unless asked not to.
#include <algorithm>
#include <string>
#include <vector>

#include "PlatformState.h"
#include "gdi/Fonts.h"
#include "gdi/TextOut.h"

namespace platform {

namespace {

// Splits at CR LF, LF and CR; a trailing line break starts no further line.
std::vector<std::wstring_view> LinesOf(std::wstring_view text, bool singleLine) {
    std::vector<std::wstring_view> lines;
    if (singleLine) return {text};
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    if (start < text.size() || lines.empty()) lines.push_back(text.substr(start));
    return lines;
}

// "&x" marks an access key: the ampersand is not drawn ("&&" draws one).
std::wstring WithoutPrefixes(std::wstring_view line) {
    std::wstring out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == L'&' && i + 1 < line.size()) ++i;
        else if (line[i] == L'&') continue;
        out += line[i];
    }
    return out;
}

}  // namespace

}  // namespace platform

using namespace platform;

int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc || !lprc || !lpchText) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return 0;
    }
    std::shared_ptr<const Font> font = FontOf(*dc);
    if (!font) return 0;
    std::wstring_view all = cchText < 0 ? std::wstring_view(lpchText) : std::wstring_view(lpchText, cchText);
    bool singleLine = (format & DT_SINGLELINE) != 0;
    std::vector<std::wstring> lines;
    for (std::wstring_view line : LinesOf(all, singleLine))
        lines.push_back((format & DT_NOPREFIX) ? std::wstring(line) : WithoutPrefixes(line));
    const int lineHeight = font->Metrics().height;
    const int totalHeight = all.empty() ? 0 : lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    for (const std::wstring& line : lines) widest = std::max<int>(widest, font->Extent(line).cx);
    RECT r = *lprc;
    if (format & DT_CALCRECT) {
        lprc->right = r.left + widest;
        lprc->bottom = r.top + totalHeight;
        return all.empty() ? lineHeight : totalHeight;
    }
    int top = r.top;
    if (singleLine && (format & DT_VCENTER)) top = r.top + (r.bottom - r.top) / 2 - totalHeight / 2;
    else if (singleLine && (format & DT_BOTTOM)) top = r.bottom - totalHeight;
    Surface surface = SurfaceOf(*dc);
    RECT clip = (format & DT_NOCLIP) ? surface.clip : r;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int width = font->Extent(lines[i]).cx;
        int x = r.left;
        if (format & DT_CENTER) x = r.left + (r.right - r.left - width) / 2;
        else if (format & DT_RIGHT) x = r.right - width;
        DrawTextRun(*dc, surface, *font, x, top + lineHeight * static_cast<int>(i), lines[i], clip);
    }
    return top - r.top + totalHeight;
}
