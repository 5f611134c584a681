#include "toolkit/scores/Leaderboard.h"

#include <utility>

#include "PlatformApi.h"
#include "toolkit/scores/ScoreFolder.h"
#include "toolkit/scores/ScoreLines.h"
#include "toolkit/scores/TextFile.h"

namespace OrloUtility {

namespace {

constexpr const wchar_t* kFileName = L"Classifica.txt";

}  // namespace

Leaderboard::Leaderboard(std::string gameName) : gameName(std::move(gameName)) {}

std::vector<std::string> Leaderboard::LoadLines() { return ReadStoredLines().lines; }

bool Leaderboard::AddScore(int score, const std::string& namePart) {
    StoredLines stored = ReadStoredLines();
    if (error || !stored.readable) return false;
    stored.lines.push_back(ScoreLine(score, namePart));
    const bool saved = SaveLines(std::move(stored.lines));
    return saved && !error;
}

bool Leaderboard::SaveLines(std::vector<std::string> lines) {
    error = false;
    lines = BestLines(std::move(lines));
    const std::wstring folder = ScoreFolder(gameName);
    if (folder.empty()) {
        error = true;
        return false;
    }
    return TextFile(folder + kFileName).WriteLines(lines);
}

Leaderboard::StoredLines Leaderboard::ReadStoredLines() {
    error = false;
    const std::wstring folder = ScoreFolder(gameName);
    if (folder.empty()) {
        error = true;
        return {{}, false};
    }
    const std::wstring path = folder + kFileName;
    // A missing file is an empty leaderboard, not a failure.
    if (_waccess(path.c_str(), 0) != 0) return {};
    TextFile file(path);
    std::vector<std::string> lines = file.ReadLines();
    return {std::move(lines), !file.failed};
}

}  // namespace OrloUtility
