// Feeds arbitrary bytes to the leaderboard as its file. Reading must stay within TextFile's
// limits, and the save after it must write exactly the best lines, ranked, with CR LF ends,
// leaving no temporary file. A broken expectation aborts, which libFuzzer reports as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "toolkit/scores/Leaderboard.h"
#include "toolkit/scores/ScoreLines.h"
#include "toolkit/scores/TextFile.h"

namespace {

using OrloUtility::TextFile;
using Lines = std::vector<std::string>;

void Expect(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "leaderboard expectation broken: %s\n", what);
    std::abort();
}

// A temporary folder standing for the user's data folder, removed when the fuzzer exits. It
// lies in TMPDIR when set: every save syncs to disk, which a memory file system makes cheap.
const std::filesystem::path& ScoreFolder() {
    static const std::filesystem::path folder = [] {
        static std::string root = (std::filesystem::temp_directory_path() / "astrovex-fuzz-XXXXXX").string();
        Expect(mkdtemp(root.data()) != nullptr, "a temporary folder");
        setenv("XDG_DATA_HOME", root.c_str(), 1);
        std::atexit([] { std::filesystem::remove_all(root); });
        return std::filesystem::path(root) / "Astrovex" / "Score";
    }();
    return folder;
}

std::string BytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void ExpectWithinLimits(const Lines& lines) {
    Expect(lines.size() <= TextFile::kMaxLines, "at most kMaxLines lines");
    for (const std::string& line : lines) {
        Expect(line.size() <= TextFile::kMaxLineBytes, "lines of at most kMaxLineBytes");
        Expect(line.find_first_of(std::string("\n\0", 2)) == std::string::npos, "no LF or NUL in a line");
    }
}

std::string FileOf(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = ScoreFolder() / "Classifica.txt";
    std::filesystem::create_directories(ScoreFolder());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));

    OrloUtility::Leaderboard board("Astrovex");
    Lines lines = board.LoadLines();
    Expect(!board.error, "the folder is usable");
    ExpectWithinLimits(lines);

    int score = 0;
    std::memcpy(&score, data, std::min(size, sizeof score));
    Expect(board.AddScore(score, "FUZZ        Level 1"), "the save succeeds");
    lines.push_back(OrloUtility::ScoreLine(score, "FUZZ        Level 1"));
    const Lines best = OrloUtility::BestLines(lines);
    Expect(board.LoadLines() == best, "the best lines are stored, ranked");
    Expect(BytesOf(file) == FileOf(best), "each line ends in CR LF");
    Expect(!std::filesystem::exists(file.string() + ".tmp"), "no temporary file is left");
    return 0;
}
