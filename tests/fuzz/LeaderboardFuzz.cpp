// Feeds arbitrary bytes to the leaderboard as its file. Reading must return every line whole,
// and the save after it must write exactly the best lines, ranked, with CR LF ends,
// leaving no temporary file. A broken expectation aborts, which libFuzzer reports as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "TempFolder.h"
#include "toolkit/scores/Leaderboard.h"
#include "toolkit/scores/ScoreLines.h"

namespace {

using Lines = std::vector<std::string>;

void Expect(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "leaderboard expectation broken: %s\n", what);
    std::abort();
}

// A temporary folder standing for the user's data folder, removed when the fuzzer exits. It
// lies in TMPDIR when set: every save syncs to disk, which a memory file system makes cheap.
const std::filesystem::path& ScoreFolder() {
    static const TempFolder root("astrovex-fuzz");
    static const std::filesystem::path folder = [] {
        setenv("XDG_DATA_HOME", root.Text().c_str(), 1);
        return root.Path() / "Astrovex" / "Score";
    }();
    return folder;
}

std::string BytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The lines the reader must give: split at LF, a CR before the LF dropped, each cut at its
// first NUL, a last piece without LF kept.
Lines ExpectedLines(std::string_view bytes) {
    Lines lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line.substr(0, line.find('\0')));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
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
    Expect(lines == ExpectedLines(std::string_view(reinterpret_cast<const char*>(data), size)),
           "every line read whole");

    int score = 0;
    std::memcpy(&score, data, std::min(size, sizeof score));
    Expect(board.AddScore(score, "FUZZ        Level 1"), "the save succeeds");
    lines.push_back(OrloUtility::ScoreLine(score, "FUZZ        Level 1"));
    const Lines best = OrloUtility::BestLines(lines);
    Expect(board.LoadLines() == best, "the best lines are stored, ranked");
    Expect(BytesOf(file) == FileOf(best), "each line ends in CR LF");
    for (const auto& entry : std::filesystem::directory_iterator(ScoreFolder())) {
        const std::string name = entry.path().filename().string();
        Expect(name == "Classifica.txt" || name == "Classifica.txt.lock", "no temporary file is left");
    }
    return 0;
}
