// The game's best results: the file "Classifica.txt" in the game's score folder (see
// ScoreFolder), one result a line, best first, at most ten lines after every save.
//
// The object keeps nothing between calls; each operation reads or writes the file. Failures
// are reported only through results and `error`: nothing here shows a message.
//
// Several games may run at once. Every save replaces the file in one step, so a reader sees
// the old content or the new, never a part; and adding a result (read, add, save) runs under
// the leaderboard's lock (ScoreFileLock), so two games never drop each other's results.
#pragma once

#include <string>
#include <vector>

namespace OrloUtility {

class Leaderboard {
public:
    explicit Leaderboard(std::string gameName);

    // Every line of the file in file order, the whole file however long. Empty when the file
    // is missing, cannot be read or is too large to hold (see TextFile); empty with `error` set
    // when the score folder cannot be made.
    std::vector<std::string> LoadLines();
    // Adds the result (ScoreLine of `score` and `namePart`) and rewrites the file, keeping the
    // best ten lines. False when the score folder cannot be made (`error` set), when the lock
    // cannot be had, when the file exists but cannot be read (saving would drop the results in
    // it), or when the write
    // failed. A file too large to read is kept as it is, and the result is not added. The
    // file keeps its previous content whenever the result is false.
    bool AddScore(int score, const std::string& namePart);
    // Ranks the lines, keeps the best ten and writes them over the file. False when the score
    // folder cannot be made (`error` set) or the write failed, the file then unchanged.
    bool SaveLines(std::vector<std::string> lines);

    // The game's folder under the user's local application-data folder.
    std::string gameName;
    // Set when the score folder cannot be obtained; cleared at the start of every load and save.
    bool error = false;

private:
    // The stored lines, and whether the whole file could be read.
    struct StoredLines {
        std::vector<std::string> lines;
        bool readable = true;
    };

    // The file's path in the score folder, made when missing; `error` tells whether it could be.
    std::wstring FilePath();
    static StoredLines ReadStoredLines(const std::wstring& path);
    // Writes the best lines over the file; the caller holds the lock.
    static bool WriteBest(const std::wstring& path, std::vector<std::string> lines);
};

}  // namespace OrloUtility
