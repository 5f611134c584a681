#include "FileFormats.h"

namespace assetgen {

Bytes EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint32_t kChannels = 1, kBits = 16;
    const std::uint32_t blockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);
    Bytes out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put32(out, 4 + (8 + 16) + (8 + dataBytes));
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, kChannels);
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    Put16(out, blockAlign);
    Put16(out, kBits);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put32(out, dataBytes);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace assetgen
