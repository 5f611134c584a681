// A program that installs no backend gets a headless one whose virtual clock starts at the
// real local time; the program itself opens the real display (InstallSdlBackend).
#include "backends/LocalTime.h"
#include "backends/headless/HeadlessBackend.h"

namespace platform {

std::unique_ptr<Backend> MakeDefaultBackend() {
    HeadlessOptions options;
    options.startLocalTime = RealLocalTime();
    return std::make_unique<HeadlessBackend>(options);
}

}  // namespace platform
