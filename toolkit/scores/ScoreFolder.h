// Where the leaderboard lives: the user's local application-data folder, then the game's
// folder, then "Score".
#pragma once

#include <string>

namespace OrloUtility {

// The per-user local application-data folder as the platform reports it, as wide text: a
// user's folder may bear any name (Turkish, Cyrillic, Chinese), which narrow text would lose.
// Empty text when the platform has none.
std::wstring LocalAppDataFolder();
// The game's score folder, ending in a backslash, with its two levels (`gameName`, then
// "Score") created when missing; the folder above them is expected to exist. Without a local
// application-data folder the path is relative to the current folder. Empty text when a level
// cannot be created.
std::wstring ScoreFolder(const std::string& gameName);

}  // namespace OrloUtility
