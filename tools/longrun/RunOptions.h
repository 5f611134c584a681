// What the long run is asked for on its command line: how much virtual time to play and the
// seed of the game's and the player's random choices.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace LongRun {

struct RunOptions {
    std::uint64_t virtualMs = 0;
    unsigned seed = 1;
};

// --hours H and/or --minutes M (decimals allowed; they add up), --seed S. None when the line
// is not understood or asks for no time at all.
std::optional<RunOptions> ParseOptions(int argc, char** argv);
// One line on how to call the program.
std::string Usage(const char* program);

}  // namespace LongRun
