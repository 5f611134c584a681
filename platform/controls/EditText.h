// The text of an edit field and where the caret and the selection are in it, with the rules
// for moving and editing them. Knows nothing of windows, lines on the screen or drawing.
//
// Positions are boundaries between characters, 0 to Length(). The selection runs between the
// anchor (where it began) and the caret (the end that moves); they are equal when nothing is
// selected. A line break (CR LF) is one step for the moving and erasing keys.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

class EditText {
public:
    // The platform lets a person type 32767 characters until the program sets a limit, and a
    // limit of 0 means as many as it can hold.
    static constexpr std::size_t kDefaultLimit = 0x7FFF;
    static constexpr std::size_t kLargestLimit = 0x7FFFFFFE;

    const std::wstring& Text() const { return text_; }
    std::size_t Length() const { return text_.size(); }
    std::size_t Caret() const { return caret_; }
    std::size_t Anchor() const { return anchor_; }
    std::size_t SelectionStart() const { return std::min(anchor_, caret_); }
    std::size_t SelectionEnd() const { return std::max(anchor_, caret_); }
    bool HasSelection() const { return anchor_ != caret_; }
    std::size_t Limit() const { return limit_; }

    void SetLimit(std::size_t limit) { limit_ = limit == 0 ? kLargestLimit : limit; }
    // New text is not held to the limit, which bounds only what is typed or inserted; the
    // caret goes to the start with nothing selected.
    void SetText(std::wstring text);

    // Positions are clamped to the text.
    void Select(std::size_t anchor, std::size_t caret);
    void SelectAll() { Select(0, Length()); }
    // Moves the caret; `extend` keeps the anchor, otherwise the selection collapses there.
    void MoveCaret(std::size_t to, bool extend);
    // Left and Right collapse a selection to its near side before they move the caret.
    void StepLeft(bool extend, bool byWord);
    void StepRight(bool extend, bool byWord);

    // How many characters may replace the selection without passing the limit.
    std::size_t Room() const;
    // The text as it would read with the selection replaced by `insert`.
    std::wstring WithSelectionReplaced(std::wstring_view insert) const;
    // Replaces the selection with `insert` (whatever its length); the caret follows it.
    void ReplaceSelection(std::wstring_view insert);
    // Erase the selection, or else the character before (after) the caret; false when there
    // was nothing to erase.
    bool EraseBackward();
    bool EraseForward();

    // The start of the word before `position` and the start of the next word after it.
    std::size_t PreviousWordStart(std::size_t position) const;
    std::size_t NextWordStart(std::size_t position) const;
    // The run of letters (or of spaces, or of punctuation) around `position`.
    std::pair<std::size_t, std::size_t> WordAround(std::size_t position) const;

private:
    int KindAt(std::size_t index) const;
    // The position one step before or after `position`, a line break taken whole.
    std::size_t Before(std::size_t position) const;
    std::size_t After(std::size_t position) const;

    std::wstring text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::size_t limit_ = kDefaultLimit;
};

}  // namespace platform
