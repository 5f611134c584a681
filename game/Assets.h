// The game's pictures and its one sound are files of the asset folder `images_games`. A file is
// used only when the checksum of its contents equals the one the game carries for its name, so
// a damaged or replaced file is noticed before it is drawn or played.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace MyGame {

// Where the game refers to its assets, from a working folder inside the one holding the asset
// folder; ResolveAssetPath falls back to the asset folder below the working folder.
inline const std::string kAssetFolder = "..\\images_games\\";

// The path when a file or folder exists there; otherwise "images_games\" and the path's file
// name, which is not checked again (a file missing there too fails at its checksum).
std::string ResolveAssetPath(const std::string& path);
// No asset is larger: the largest, a whole field of 800 by 600 pixels, takes under two.
inline constexpr std::uint64_t kMaxAssetBytes = 8 * 1024 * 1024;

// Sixteen bytes, byte k the XOR of every byte of the file at an offset of k modulo 16, as 32
// upper-case hexadecimal digits. A missing or empty file gives 32 zeros. None, which equals no
// checksum, for anything but a regular file (a named pipe, a device, which would keep the game
// waiting for ever) and for a file larger than kMaxAssetBytes; such a file is not read at all.
std::optional<std::string> AssetChecksum(const std::string& path);

// Whether a file matches its checksum, read again only when its size or time of change
// differ from the last reading: the explosion is checked at every hit, and reading even a
// small file each time costs a frame its time.
class CheckedAsset {
public:
    explicit CheckedAsset(std::string expectedChecksum);
    bool Passes(const std::string& path);

private:
    struct Reading {
        std::string path;
        std::uint64_t size = 0;
        std::int64_t changed = 0;
        bool operator==(const Reading&) const = default;
    };
    std::string expected_;
    std::optional<Reading> last_;
    bool lastPassed_ = false;
};
// The checksum a picture of the catalogue must have, by exact file name; empty text for any
// other name, which no checksum equals.
std::string ExpectedChecksum(const std::string& fileName);
// The explosion's checksum, which the sound's player holds itself.
extern const char* const kExplosionChecksum;
// Plays a wave file without waiting, cutting off the sound playing; loops when asked.
void PlaySoundFile(const std::string& path, bool loop);

}  // namespace MyGame
