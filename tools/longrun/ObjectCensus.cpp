#include "ObjectCensus.h"

#include <sstream>

namespace LongRun {

namespace {

platform::ObjectCounts WithoutCachedPictures(const MyGame::FormMain& game) {
    platform::ObjectCounts counts = platform::CountObjects();
    counts.gdi.bitmaps -= static_cast<int>(game.bitmapCache.size());
    return counts;
}

bool AnyGrew(const platform::ObjectCounts& now, const platform::ObjectCounts& before) {
    return now.windows > before.windows || now.timers > before.timers || now.gdi.contexts > before.gdi.contexts ||
           now.gdi.bitmaps > before.gdi.bitmaps || now.gdi.pens > before.gdi.pens ||
           now.gdi.brushes > before.gdi.brushes || now.gdi.fonts > before.gdi.fonts;
}

}  // namespace

std::optional<std::string> ObjectCensus::AtGameStart(const MyGame::FormMain& game, long gameNumber) {
    if (gameNumber < 2) return std::nullopt;
    const platform::ObjectCounts now = WithoutCachedPictures(game);
    if (!measure_) {
        measure_ = now;
        measureGame_ = gameNumber;
        return std::nullopt;
    }
    if (!AnyGrew(now, *measure_)) return std::nullopt;
    return "objects grew between game " + std::to_string(measureGame_) + " and game " + std::to_string(gameNumber) +
           " (cached pictures left out): " + Describe(*measure_) + " -> " + Describe(now);
}

std::string Describe(const platform::ObjectCounts& counts) {
    const platform::GdiCounts& gdi = counts.gdi;
    std::ostringstream text;
    text << "windows " << counts.windows << ", timers " << counts.timers << ", device contexts " << gdi.contexts
         << ", GDI objects " << gdi.bitmaps + gdi.pens + gdi.brushes + gdi.fonts << " (bitmaps " << gdi.bitmaps
         << ", pens " << gdi.pens << ", brushes " << gdi.brushes << ", fonts " << gdi.fonts << ")";
    return text.str();
}

}  // namespace LongRun
