// Conversion between the program's narrow byte text and the platform's wide text.
//
// Narrow text is never read as UTF-8: each byte stands for the character of the same value
// (ISO 8859-1 in effect), so widening never fails and narrowing keeps the low byte of a unit.
#pragma once

#include <string>

namespace OrloUtility {

// The bytes up to the first NUL, each byte b becoming the code unit b.
std::wstring ToWide(std::string text);
// One byte per code unit, its low 8 bits; the whole length, NUL units included.
std::string ToNarrow(std::wstring text);
// A copy of `text` with every byte equal to `from` replaced by `to`.
std::string ReplaceChar(std::string text, char from, char to);

}  // namespace OrloUtility
