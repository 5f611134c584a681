#include "toolkit/util/Padding.h"

namespace OrloUtility {

std::string ZeroPadded(int value, int width) {
    return PadLeft(std::to_string(value), '0', width > 0 ? static_cast<unsigned>(width) : 0U);
}

std::string PadRight(std::string text, char fill, unsigned width) {
    if (text.size() < width) text.append(width - text.size(), fill);
    return text;
}

std::string PadLeft(std::string text, char fill, unsigned width) {
    if (text.size() < width) text.insert(0, width - text.size(), fill);
    return text;
}

}  // namespace OrloUtility
