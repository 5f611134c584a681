#include "Session.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <exception>

#include "FieldCheck.h"
#include "PictureCheck.h"

namespace LongRun {

using MyGame::FormMain;
using MyGame::GameState;

namespace {

const HINSTANCE kProgram = reinterpret_cast<HINSTANCE>(0x400000);
constexpr std::uint64_t kPictureEveryMs = 5 * 1000;
constexpr std::uint64_t kReportEveryMs = 60 * 60 * 1000;
// No phase but play lasts this long: the title waits for a key the player presses within
// seconds, an interlude takes 1.5 s, the name form is answered within seconds.
constexpr std::uint64_t kLongestPhaseMs = 10 * 60 * 1000;

bool NameFormShown(const FormMain& game) { return game.nameForm && IsWindowVisible(game.nameForm->Handle()); }

}  // namespace

long PeakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Session::Session(platform::HeadlessBackend& backend, const RunOptions& options, std::ostream& log)
    : backend_(backend), options_(options), log_(log), player_(backend, options.seed) {}

RunSummary Session::Run() {
    wallStart_ = std::chrono::steady_clock::now();
    startMs_ = backend_.MonotonicMs();
    const platform::ObjectCounts before = platform::CountObjects();
    try {
        const std::string title = std::string(FormMain::kGameName) + " " + FormMain::kNoticeLine;
        auto game = std::make_unique<FormMain>(kProgram, title);
        backend_.PumpUntilIdle();
        Play(*game);
    } catch (const std::exception& error) {
        Break(std::string("exception: ") + error.what());
    } catch (...) {
        Break("an exception of unknown type");
    }
    const platform::ObjectCounts after = platform::CountObjects();
    if (!(after == before)) Break("the game form left objects behind: " + Describe(before) + " -> " + Describe(after));
    summary_.virtualMs = backend_.MonotonicMs() - startMs_;
    return summary_;
}

void Session::Play(FormMain& game) {
    previousState_ = game.state;
    stateSinceMs_ = lastPictureMs_ = lastReportMs_ = startMs_;
    const std::uint64_t endMs = startMs_ + options_.virtualMs;
    while (summary_.broken.empty() && backend_.MonotonicMs() < endMs) {
        const auto wait = static_cast<std::uint64_t>(player_.Act(game));
        backend_.RunFor(std::min(wait, endMs - backend_.MonotonicMs()));
        if (backend_.QuitReceived() || !IsWindow(game.Handle())) Break("the game window went away");
        if (!summary_.broken.empty()) break;
        Observe(game);
        if (Elapsed(lastPictureMs_, kPictureEveryMs)) CheckPicture(game);
        if (Elapsed(lastReportMs_, kReportEveryMs)) ReportHour(game);
    }
}

// Phase changes: a game starts when the title gives way, ends when the name form opens.
void Session::Observe(FormMain& game) {
    const GameState now = game.state;
    summary_.highestLevel = std::max(summary_.highestLevel, game.level);
    if (now != previousState_) {
        if (previousState_ == GameState::Title) {
            ++summary_.gamesStarted;
            ++summary_.censusChecks;
            if (auto grew = census_.AtGameStart(game, summary_.gamesStarted)) Break(*grew);
        }
        if (now == GameState::NameEntry) ++summary_.gamesOver;
        previousState_ = now;
        stateSinceMs_ = backend_.MonotonicMs();
    } else if (now != GameState::Playing && Elapsed(stateSinceMs_, kLongestPhaseMs)) {
        Break("the game stayed in phase " + std::to_string(static_cast<int>(now)) + " for 10 minutes");
    }
    if (now == GameState::Playing) {
        ++summary_.fieldChecks;
        if (auto outside = SpriteOutsideField(game)) Break(*outside);
    }
}

void Session::CheckPicture(FormMain& game) {
    lastPictureMs_ = backend_.MonotonicMs();
    if (NameFormShown(game) || game.IsFrameOpen()) return;
    ++summary_.pictureChecks;
    if (auto difference = PictureDifference(backend_, game, RectanglesInPlay(game))) Break(*difference);
}

void Session::ReportHour(const FormMain& game) {
    lastReportMs_ = backend_.MonotonicMs();
    const auto wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart_).count();
    char line[160];
    std::snprintf(line, sizeof line, "%s virtual (%.1f s wall): games %ld, highest level %d, peak memory %.1f MiB, ",
                  VirtualTime().c_str(), wall, summary_.gamesStarted, summary_.highestLevel, PeakMemoryKiB() / 1024.0);
    log_ << line << Describe(platform::CountObjects()) << ", cached pictures " << game.bitmapCache.size() << '\n'
         << std::flush;
}

void Session::Break(const std::string& what) {
    if (!summary_.broken.empty()) return;
    summary_.broken = "at " + VirtualTime() + " virtual, game " + std::to_string(summary_.gamesStarted) + ": " + what;
}

bool Session::Elapsed(std::uint64_t since, std::uint64_t ms) const { return backend_.MonotonicMs() - since >= ms; }

std::string Session::VirtualTime() const {
    const std::uint64_t seconds = (backend_.MonotonicMs() - startMs_) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned long long>(seconds / 60 % 60), static_cast<unsigned long long>(seconds % 60));
    return text;
}

}  // namespace LongRun
