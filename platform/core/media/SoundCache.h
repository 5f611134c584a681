// The last sound file played, kept converted: a game plays the same few sounds over and over,
// and decoding a file each time would cost every shot and explosion a file read.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "backend/SoundOutput.h"

namespace platform {

class SoundCache {
public:
    // The file's sound converted by `output` to its device's format `device`, decoded again only
    // when the file, the device's format or the file's size or time of change differ from the
    // last call's. Null when the file is no wave sound or the output cannot convert it.
    std::shared_ptr<const PcmSound> Get(const std::string& path, const SoundOutput& output, const PcmFormat& device);

private:
    struct Key {
        std::string path;
        std::int64_t changedNs = 0;
        off_t size = 0;
        PcmFormat device;
        bool operator==(const Key&) const = default;
    };
    static std::optional<Key> KeyOf(const std::string& path, const PcmFormat& device);

    std::optional<Key> key_;
    std::shared_ptr<const PcmSound> sound_;
};

}  // namespace platform
