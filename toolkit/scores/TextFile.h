// A small text file read and written whole, as lines, with CR LF line ends on disk.
//
// The file comes from outside the program: anyone can edit, merge or damage it, and every
// result in it counts, so a file is read whole or not at all: no line is cut and none left
// out. Only a file too large to hold safely is refused, read not at all: more than
// kMaxFileBytes bytes or kMaxLines lines. The caps are far beyond any leaderboard (the game
// writes ten lines of about thirty bytes; sixteen megabytes hold half a million such lines),
// yet keep the lines in memory to some tens of megabytes even for a file of empty lines,
// where each line costs a string of its own.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace OrloUtility {

class TextFile {
public:
    static constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;
    static constexpr std::size_t kMaxLines = 1024 * 1024;

    // The file at `filePath` (backslashes), wide text because it lies in the user's folder.
    explicit TextFile(std::wstring filePath);

    // The file's lines in order. A line ends at LF; a CR just before the LF is not part of it,
    // a last line without LF counts, empty lines count, and a line keeps only what precedes
    // its first NUL byte. Sets `failed` and `notOpened` when the file cannot be opened,
    // `failed` and `tooLarge` when it is past a cap, `failed` alone when reading stops on an
    // error; the result is empty in all three cases, never part of the file.
    std::vector<std::string> ReadLines();
    // Replaces the file's content by `lines`, each followed by CR LF, through a FileReplacement:
    // on any failure the file keeps its old content. Sets `failed` (and `notOpened` when the
    // new content could not even be started) and returns false then.
    bool WriteLines(const std::vector<std::string>& lines);

    bool failed = false;
    bool notOpened = false;
    bool tooLarge = false;
    std::wstring path;
};

}  // namespace OrloUtility
