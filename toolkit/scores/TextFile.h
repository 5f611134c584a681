// A small text file read and written whole, as lines, with CR LF line ends on disk.
//
// The file comes from outside the program: anyone can edit or damage it. Reading is bounded
// so that such a file costs neither a crash nor unbounded memory or time: only its first
// kMaxReadBytes bytes are looked at, at most kMaxLines lines are kept and each is cut to its
// first kMaxLineBytes bytes. The leaderboard the game writes, ten lines of about thirty bytes,
// lies far inside all three.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace OrloUtility {

class TextFile {
public:
    static constexpr std::size_t kMaxReadBytes = 1024 * 1024;
    static constexpr std::size_t kMaxLines = 1000;
    static constexpr std::size_t kMaxLineBytes = 1024;

    // The file at `filePath` (the program's path, backslashes).
    explicit TextFile(std::string filePath);

    // The file's lines in order. A line ends at LF; a CR just before the LF is not part of it,
    // a last line without LF counts, empty lines count, and a line keeps only what precedes
    // its first NUL byte. Sets `failed` and `notOpened` when the file cannot be opened (the
    // result is empty), `failed` alone when reading stops on an error (the lines read so far
    // are returned).
    std::vector<std::string> ReadLines();
    // Replaces the file's content by `lines`, each followed by CR LF, through a FileReplacement:
    // on any failure the file keeps its old content. Sets `failed` (and `notOpened` when the
    // new content could not even be started) and returns false then.
    bool WriteLines(const std::vector<std::string>& lines);

    bool failed = false;
    bool notOpened = false;
    std::string path;
};

}  // namespace OrloUtility
