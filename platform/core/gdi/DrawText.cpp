// DrawTextW: lines laid out in a rectangle, aligned left, centred or right, broken between words
// to the rectangle's width when asked, and on a single line also centred vertically or at the
// bottom; clipped to the rectangle unless asked not to.
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

bool IsBreakSpace(wchar_t c) { return c == L' ' || c == L'\t'; }

// Where the word after `from` ends, the spaces before it included.
std::size_t NextWordEnd(const std::wstring& line, std::size_t from) {
    while (from < line.size() && IsBreakSpace(line[from])) ++from;
    while (from < line.size() && !IsBreakSpace(line[from])) ++from;
    return from;
}

// Breaks one line at spaces so that each piece fits `width`, as many words to a piece as fit; a
// word wider than `width` keeps a piece to itself, whole. The spaces at a break are dropped.
void AppendWrapped(const std::wstring& line, int width, const Font& font, std::vector<std::wstring>& out) {
    std::size_t start = 0;
    do {
        std::size_t end = NextWordEnd(line, start);
        for (std::size_t next = NextWordEnd(line, end); next != end; next = NextWordEnd(line, end)) {
            if (font.Extent(line.substr(start, next - start)).cx > width) break;
            end = next;
        }
        std::size_t kept = end;
        while (kept > start && IsBreakSpace(line[kept - 1])) --kept;
        out.push_back(line.substr(start, kept - start));
        start = end;
        while (start < line.size() && IsBreakSpace(line[start])) ++start;
    } while (start < line.size());
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
    const bool wrap = (format & DT_WORDBREAK) && !singleLine;
    std::vector<std::wstring> lines;
    for (std::wstring_view line : LinesOf(all, singleLine)) {
        std::wstring shown = (format & DT_NOPREFIX) ? std::wstring(line) : WithoutPrefixes(line);
        if (wrap) AppendWrapped(shown, lprc->right - lprc->left, *font, lines);
        else lines.push_back(std::move(shown));
    }
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
