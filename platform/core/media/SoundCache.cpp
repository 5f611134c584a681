#include "media/SoundCache.h"

#include <sys/stat.h>

#include "media/WaveLoader.h"

namespace platform {

std::shared_ptr<const PcmSound> SoundCache::Get(const std::string& path, const SoundOutput& output,
                                                const PcmFormat& device) {
    std::optional<Key> key = KeyOf(path, device);
    if (!key) return nullptr;
    if (key == key_) return sound_;
    const std::optional<PcmSound> decoded = LoadWave(path);
    std::shared_ptr<const PcmSound> sound = decoded ? output.Convert(*decoded) : nullptr;
    if (!sound) return nullptr;
    key_ = std::move(key);
    sound_ = sound;
    return sound;
}

// None when the file is missing: there is nothing to decode, and a sound kept from before must
// not outlive its file.
std::optional<SoundCache::Key> SoundCache::KeyOf(const std::string& path, const PcmFormat& device) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    const std::int64_t changedNs = std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
    return Key{path, changedNs, info.st_size, device};
}

}  // namespace platform
