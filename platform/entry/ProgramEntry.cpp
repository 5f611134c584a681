#include "ProgramEntry.h"
#include "backends/sdl/SdlLibrary.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include <malloc.h>

#include "PlatformState.h"
#include "backends/sdl/SdlBackend.h"
#include "backends/x11/X11Backend.h"
#include "gdi/text/FontFileCache.h"

namespace platform {

namespace {

// Where a program's image is traditionally loaded, which is what its module handle names.
constexpr std::uintptr_t kProgramImageBase = 0x400000;

void ReportNoDisplay(const char* programName, const std::string& x11Reason, std::FILE* errors) {
    const char* sdlReason = sdl::LastError("SDL is not installed");
    std::fprintf(errors, "%s: cannot open a display (%s; %s): is DISPLAY set?\n", programName, x11Reason.c_str(),
                 sdlReason);
    std::fflush(errors);
}

// An X display is shown through Xlib itself; SDL serves any other (Wayland) when there is none.
// ASTROVEX_DISPLAY_BACKEND=sdl asks for SDL on X too.
bool InstallRealBackend(std::string& x11Reason) {
    const char* asked = std::getenv("ASTROVEX_DISPLAY_BACKEND");
    if (asked && std::string(asked) == "sdl") x11Reason = "Xlib not asked for";
    else if (InstallX11Backend(x11Reason)) return true;
    return InstallSdlBackend();
}

}  // namespace

HINSTANCE ProgramInstance() { return reinterpret_cast<HINSTANCE>(kProgramImageBase); }

int RunOnDisplay(const char* programName, ProgramEntryPoint entry, std::FILE* errors) {
    // Pictures, window pixels and copies of the scene are blocks of megabytes made and freed
    // while the program runs. A fixed threshold keeps every such block a mapping of its own:
    // made without writing zeros, given back to the system the moment it is freed, rather than
    // held by the heap once the allocator's own threshold has risen past them.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    std::string x11Reason;
    if (!InstallRealBackend(x11Reason)) {
        ReportNoDisplay(programName, x11Reason, errors);
        return kNoDisplayExitCode;
    }
    // Fonts resolved once are looked up again in later runs rather than through fontconfig.
    KeepFontFilesAt(FontCachePath(programName));
    const int exitCode = entry(ProgramInstance(), SW_SHOWDEFAULT);
    KeepFontFilesAt("");
    // The display closes here, not during static destruction, whose order nobody controls: the
    // SDL windows go and SDL lets go of the display while everything it relies on still exists.
    InstallBackend(MakeDefaultBackend());
    return exitCode;
}

}  // namespace platform
