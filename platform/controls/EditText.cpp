#include "controls/EditText.h"

#include <cwctype>

namespace platform {

namespace {

enum Kind { kSpace, kLetter, kPunctuation };

// Letters outside ASCII count as letters: the C library's default locale knows only ASCII.
Kind KindOf(wchar_t c) {
    if (std::iswspace(static_cast<wint_t>(c))) return kSpace;
    if (c >= 0x80 || c == L'_' || std::iswalnum(static_cast<wint_t>(c))) return kLetter;
    return kPunctuation;
}

}  // namespace

void EditText::SetText(std::wstring text) {
    text_ = std::move(text);
    anchor_ = caret_ = 0;
}

void EditText::Select(std::size_t anchor, std::size_t caret) {
    anchor_ = std::min(anchor, Length());
    caret_ = std::min(caret, Length());
}

void EditText::MoveCaret(std::size_t to, bool extend) {
    caret_ = std::min(to, Length());
    if (!extend) anchor_ = caret_;
}

std::size_t EditText::Before(std::size_t position) const {
    if (position == 0) return 0;
    const bool lineBreak = position >= 2 && text_[position - 2] == L'\r' && text_[position - 1] == L'\n';
    return position - (lineBreak ? 2 : 1);
}

std::size_t EditText::After(std::size_t position) const {
    if (position >= Length()) return Length();
    const bool lineBreak = text_[position] == L'\r' && position + 1 < Length() && text_[position + 1] == L'\n';
    return position + (lineBreak ? 2 : 1);
}

void EditText::StepLeft(bool extend, bool byWord) {
    if (HasSelection() && !extend && !byWord) MoveCaret(SelectionStart(), false);
    else MoveCaret(byWord ? PreviousWordStart(caret_) : Before(caret_), extend);
}

void EditText::StepRight(bool extend, bool byWord) {
    if (HasSelection() && !extend && !byWord) MoveCaret(SelectionEnd(), false);
    else MoveCaret(byWord ? NextWordStart(caret_) : After(caret_), extend);
}

std::size_t EditText::Room() const {
    std::size_t kept = Length() - (SelectionEnd() - SelectionStart());
    return kept >= limit_ ? 0 : limit_ - kept;
}

std::wstring EditText::WithSelectionReplaced(std::wstring_view insert) const {
    std::wstring result = text_;
    result.replace(SelectionStart(), SelectionEnd() - SelectionStart(), insert);
    return result;
}

void EditText::ReplaceSelection(std::wstring_view insert) {
    std::size_t start = SelectionStart();
    text_ = WithSelectionReplaced(insert);
    anchor_ = caret_ = start + insert.size();
}

bool EditText::EraseBackward() {
    if (!HasSelection()) {
        if (caret_ == 0) return false;
        anchor_ = Before(caret_);
    }
    ReplaceSelection({});
    return true;
}

bool EditText::EraseForward() {
    if (!HasSelection()) {
        if (caret_ == Length()) return false;
        anchor_ = After(caret_);
    }
    ReplaceSelection({});
    return true;
}

int EditText::KindAt(std::size_t index) const { return KindOf(text_[index]); }

std::size_t EditText::PreviousWordStart(std::size_t position) const {
    std::size_t i = std::min(position, Length());
    while (i > 0 && KindAt(i - 1) == kSpace) --i;
    if (i == 0) return 0;
    int kind = KindAt(i - 1);
    while (i > 0 && KindAt(i - 1) == kind) --i;
    return i;
}

std::size_t EditText::NextWordStart(std::size_t position) const {
    std::size_t i = std::min(position, Length());
    if (i < Length() && KindAt(i) != kSpace) {
        int kind = KindAt(i);
        while (i < Length() && KindAt(i) == kind) ++i;
    }
    while (i < Length() && KindAt(i) == kSpace) ++i;
    return i;
}

std::pair<std::size_t, std::size_t> EditText::WordAround(std::size_t position) const {
    if (text_.empty()) return {0, 0};
    std::size_t at = std::min(position, Length() - 1);
    int kind = KindAt(at);
    std::size_t start = at, end = at + 1;
    while (start > 0 && KindAt(start - 1) == kind) --start;
    while (end < Length() && KindAt(end) == kind) ++end;
    return {start, end};
}

}  // namespace platform
