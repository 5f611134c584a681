#include "backends/ProgramEntry.h"

#include <SDL.h>

#include <cstdint>

#include <malloc.h>

#include "PlatformState.h"
#include "backends/sdl/SdlBackend.h"
#include "gdi/text/FontFileCache.h"

namespace platform {

namespace {

// Where a program's image is traditionally loaded, which is what its module handle names.
constexpr std::uintptr_t kProgramImageBase = 0x400000;

void ReportNoDisplay(const char* programName, std::FILE* errors) {
    const char* reason = SDL_GetError();
    if (!reason || !*reason) reason = "no reason given";
    std::fprintf(errors, "%s: cannot open a display (%s): is DISPLAY set?\n", programName, reason);
    std::fflush(errors);
}

}  // namespace

HINSTANCE ProgramInstance() { return reinterpret_cast<HINSTANCE>(kProgramImageBase); }

int RunOnDisplay(const char* programName, ProgramEntryPoint entry, std::FILE* errors) {
    // Pictures, window pixels and copies of the scene are blocks of megabytes made and freed
    // while the program runs. A fixed threshold keeps every such block a mapping of its own:
    // made without writing zeros, given back to the system the moment it is freed, rather than
    // held by the heap once the allocator's own threshold has risen past them.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    if (!InstallSdlBackend()) {
        ReportNoDisplay(programName, errors);
        return kNoDisplayExitCode;
    }
    // Fonts resolved once are looked up again in later runs rather than through fontconfig.
    KeepFontFilesAt(FontCachePath(programName));
    const int exitCode = entry(ProgramInstance(), SW_SHOWDEFAULT);
    KeepFontFilesAt("");
    // The display closes here, not during static destruction, whose order nobody controls: the
    // SDL windows go and SDL lets go of the display while everything it relies on still exists.
    ResetState(MakeDefaultBackend());
    return exitCode;
}

}  // namespace platform
