// PlaySoundW over the platform's sound device, with the last file kept converted.
#include "PlatformApi.h"
#include "kernel/NativePaths.h"
#include "media/SoundDevice.h"

namespace {

// SND_PURGE with a name stops only that sound.
BOOL Purge(LPCWSTR pszSound) {
    platform::SoundDevice& device = platform::Sounds();
    if (!pszSound || device.Playback().source == platform::NativePathOfWide(pszSound)) device.Stop();
    return TRUE;
}

}  // namespace

BOOL WINAPI PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD fdwSound) {
    platform::SoundDevice& device = platform::Sounds();
    if (!pszSound || (fdwSound & SND_PURGE)) return Purge(pszSound);
    if (fdwSound & SND_MEMORY) return FALSE;
    if ((fdwSound & SND_NOSTOP) && device.IsPlaying()) return FALSE;
    if (!device.Open()) return FALSE;
    std::string path = platform::NativePathOfWide(pszSound);
    std::shared_ptr<const platform::PcmSound> sound = device.Load(path);
    if (!sound) return FALSE;
    const bool loop = (fdwSound & SND_LOOP) != 0;
    device.Play(std::move(sound), std::move(path), loop);
    if (!(fdwSound & SND_ASYNC) && !loop) device.WaitUntilOver();
    return TRUE;
}
