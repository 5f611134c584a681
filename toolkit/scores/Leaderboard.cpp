#include "toolkit/scores/Leaderboard.h"

#include <utility>

#include "PlatformApi.h"
#include "toolkit/scores/ScoreFileLock.h"
#include "toolkit/scores/ScoreFolder.h"
#include "toolkit/scores/ScoreLines.h"
#include "toolkit/scores/TextFile.h"

namespace OrloUtility {

namespace {

constexpr const wchar_t* kFileName = L"Classifica.txt";

}  // namespace

Leaderboard::Leaderboard(std::string gameName) : gameName(std::move(gameName)) {}

// Reading, adding and saving are one step under the lock: a save in between by another game
// would be overwritten with the file as it was read.
bool Leaderboard::AddScore(int score, const std::string& namePart) {
    const std::wstring path = FilePath();
    if (error) return false;
    const ScoreFileLock lock(path);
    if (!lock.Held()) return false;
    StoredLines stored = ReadStoredLines(path);
    if (!stored.readable) return false;
    stored.lines.push_back(ScoreLine(score, namePart));
    return WriteBest(path, std::move(stored.lines));
}

bool Leaderboard::SaveLines(std::vector<std::string> lines) {
    const std::wstring path = FilePath();
    if (error) return false;
    const ScoreFileLock lock(path);
    return lock.Held() && WriteBest(path, std::move(lines));
}

std::vector<std::string> Leaderboard::LoadLines() {
    const std::wstring path = FilePath();
    if (error) return {};
    return ReadStoredLines(path).lines;
}

std::wstring Leaderboard::FilePath() {
    error = false;
    const std::wstring folder = ScoreFolder(gameName);
    error = folder.empty();
    return error ? std::wstring() : folder + kFileName;
}

Leaderboard::StoredLines Leaderboard::ReadStoredLines(const std::wstring& path) {
    // A missing file is an empty leaderboard, not a failure.
    if (_waccess(path.c_str(), 0) != 0) return {};
    TextFile file(path);
    std::vector<std::string> lines = file.ReadLines();
    return {std::move(lines), !file.failed};
}

bool Leaderboard::WriteBest(const std::wstring& path, std::vector<std::string> lines) {
    return TextFile(path).WriteLines(BestLines(std::move(lines)));
}

}  // namespace OrloUtility
