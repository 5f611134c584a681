// What the game draws besides its sprites: the title screen with its blinking prompt and the
// leaderboard line, the full-field pictures between levels, and the status line.
#include <string>

#include "game/FormMain.h"
#include "game/ProcessState.h"
#include "toolkit/scores/Leaderboard.h"
#include "toolkit/util/Padding.h"

namespace MyGame {

using OrloUtility::TimeStamp;

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kYellow = 0x00FFFF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0;
constexpr std::int64_t kBlinkMs = 500;
// The leaderboard line changes every fifth blink.
constexpr int kBlinksPerLine = 5;
// The degree sign of the Windows-1252 code page.
constexpr char kDegreeSign = static_cast<char>(0xB0);

}  // namespace

void FormMain::ShowStartScreen() {
    BeginFrame(false);
    ShowPicture(kAssetFolder + "logo.bmp");
    DrawTextBoth(215, 250, kNoticeLine, kYellow);
    lineHeight = Screen() ? Screen()->TextHeight(&GameFont()) : -1;
    EndFrame();
    leaderboard = OrloUtility::Leaderboard(kGameName).LoadLines();
    state = GameState::Title;
}

void FormMain::ShowPicture(const std::string& path) { SetBackground(LoadCheckedBitmap(path)); }

void FormMain::TitleStep() {
    ProcessState& process = Process();
    if (!process.blinking) {
        process.blinking = true;
        process.lastBlink = TimeStamp::Now();
    }
    const std::int64_t sinceBlink = process.lastBlink.MillisecondsUntil(TimeStamp::Now());
    if (sinceBlink < 0 || sinceBlink <= kBlinkMs) return;
    process.blinkCount += 1;
    process.promptColour = process.promptColour == kRed ? kWhite : kRed;
    process.lastBlink = TimeStamp::Now();
    BeginFrame(false);
    if (!leaderboard.empty() && process.blinkCount == 1) DrawLeaderboardLine();
    if (process.blinkCount >= kBlinksPerLine) process.blinkCount = 0;
    FillBoxBoth(480, 570, 320, 20, kBlue);
    DrawTextBoth(480, 570, "Premi il tasto [G] per giocare", process.promptColour);
    EndFrame();
}

// The entries one after the other, first to last; the file may have shrunk since the row
// was counted.
void FormMain::DrawLeaderboardLine() {
    if (titleRow >= static_cast<int>(leaderboard.size())) titleRow = 0;
    RECT client{};
    GetClientRect(window_, &client);
    width = client.right - client.left;
    FillBoxBoth(0, 0, width, 20, kWhite);
    const std::string line = "Classifica: " + OrloUtility::PadLeft(std::to_string(titleRow + 1), ' ', 2) +
                             kDegreeSign + " Score " + leaderboard[static_cast<std::size_t>(titleRow)];
    DrawTextBoth(0, 0, line, kBlack);
    titleRow += 1;
    if (titleRow >= static_cast<int>(leaderboard.size())) titleRow = 0;
}

void FormMain::DrawHud() {
    if (WindowExists()) {
        RECT client{};
        GetClientRect(window_, &client);
        width = client.right - client.left;
    }
    const int barHeight = lineHeight + 4;
    FillBoxBoth(0, 0, width, barHeight, kBlack);
    DrawTextBoth(2, 2, "Score: " + OrloUtility::ZeroPadded(score, 6), kWhite);
    DrawTextBar(width - 4, barHeight, "Lives: " + std::to_string(lives), kWhite, OrloUtility::Drawing::kAlignCentre);
    DrawTextBar(width - 4, barHeight, "Level: " + std::to_string(level), kWhite, OrloUtility::Drawing::kAlignRight);
}

}  // namespace MyGame
