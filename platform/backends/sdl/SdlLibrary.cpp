#include "backends/sdl/SdlLibrary.h"

#include <dlfcn.h>

#include <future>

namespace platform::sdl {

namespace {

Library loaded;

// The runtime library's name, as the package installs it; the development link is not needed.
constexpr const char* kLibraryName = "libSDL2-2.0.so.0";

bool LoadAll(void* handle) {
    bool complete = true;
#define ASTROVEX_SDL_RESOLVE(name)                                                               \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(dlsym(handle, "SDL_" #name));          \
    complete = complete && loaded.name != nullptr;
    ASTROVEX_SDL_FUNCTIONS(ASTROVEX_SDL_RESOLVE)
#undef ASTROVEX_SDL_RESOLVE
    return complete;
}

const Library* LoadOnce() {
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle || !LoadAll(handle)) return nullptr;
    // SDL's own handlers would turn Ctrl+C and a plain kill into a quit event nothing acts on.
    loaded.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return &loaded;
}

// The loading, started once: on the program's thread when first needed, or earlier on a thread
// of its own. The library is never unloaded: SDL's threads (audio) may outlive any owner.
std::shared_future<const Library*>& Loading() {
    static std::shared_future<const Library*> loading;
    return loading;
}

}  // namespace

void LoadInBackground() {
    if (!Loading().valid()) Loading() = std::async(std::launch::async, LoadOnce).share();
}

const Library* Load() {
    if (!Loading().valid()) Loading() = std::async(std::launch::deferred, LoadOnce).share();
    return Loading().get();
}

const Library& Sdl() { return loaded; }

const char* LastError(const char* fallback) {
    if (!Load()) return fallback;
    const char* error = loaded.GetError();
    return error && *error ? error : fallback;
}

}  // namespace platform::sdl
