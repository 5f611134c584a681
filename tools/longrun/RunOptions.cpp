#include "RunOptions.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace LongRun {

namespace {

constexpr double kMsPerMinute = 60.0 * 1000.0;

// A number of hours or minutes: not negative, not absurdly large.
std::optional<double> Amount(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(value >= 0.0) || value > 1e6) return std::nullopt;
    return value;
}

std::optional<unsigned> Seed(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<RunOptions> ParseOptions(int argc, char** argv) {
    RunOptions options;
    double minutes = 0.0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (i + 1 >= argc) return std::nullopt;
        const char* value = argv[++i];
        if (name == "--hours" || name == "--minutes") {
            const std::optional<double> amount = Amount(value);
            if (!amount) return std::nullopt;
            minutes += name == "--hours" ? *amount * 60.0 : *amount;
        } else if (name == "--seed") {
            const std::optional<unsigned> seed = Seed(value);
            if (!seed) return std::nullopt;
            options.seed = *seed;
        } else {
            return std::nullopt;
        }
    }
    options.virtualMs = static_cast<std::uint64_t>(minutes * kMsPerMinute);
    if (options.virtualMs == 0) return std::nullopt;
    return options;
}

std::string Usage(const char* program) {
    return std::string("usage: ") + program + " [--hours H] [--minutes M] [--seed S]   (virtual time; at least one)";
}

}  // namespace LongRun
