// ShellExecuteW for Linux: "open" hands a web address or a file to xdg-open, which opens it
// with the program the desktop has chosen for it, as the Windows shell opens it with the
// program associated with it.
#include "shell/ShellExecute.h"

#include <pthread.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cwctype>
#include <string_view>

#include "PlatformApi.h"
#include "kernel/NativePaths.h"
#include "Utf8.h"

extern char** environ;

namespace platform {

namespace {

// The value the Windows shell answers on success; callers only look whether it exceeds 32.
constexpr INT_PTR kLaunched = 42;

ShellLauncher& TestLauncher() {
    static ShellLauncher launcher;
    return launcher;
}

HINSTANCE ResultOf(INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

// Verbs are compared without regard to case; no verb, or an empty one, is the default "open".
bool IsOpen(LPCWSTR operation) {
    if (!operation || !*operation) return true;
    const std::wstring_view verb(operation);
    const std::wstring_view open = L"open";
    return verb.size() == open.size() &&
           std::equal(verb.begin(), verb.end(), open.begin(), [](wchar_t a, wchar_t b) { return static_cast<wchar_t>(std::towlower(a)) == b; });
}

// A scheme of two or more characters before the colon: one letter is a drive ("C:\...").
bool IsWebAddress(std::string_view target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(target[0])))
        return false;
    return std::all_of(target.begin(), target.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

// The file's native path, a relative one taken from `directory` when there is one. A path
// that starts with '-' is led by "./" so that the opener cannot take it for an option.
std::string FilePath(LPCWSTR file, LPCWSTR directory) {
    std::string path = NativePathOfWide(file);
    if (path.front() == '/') return path;
    if (directory && *directory) return NativePathOfWide(directory) + "/" + path;
    return path.front() == '-' ? "./" + path : path;
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// 0 when the file is there, else the shell's error for why not.
INT_PTR MissingFileError(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) return 0;
    if (errno == EACCES) return SE_ERR_ACCESSDENIED;
    const std::size_t slash = path.rfind('/');
    const bool folderMissing = errno == ENOTDIR || (slash != std::string::npos && slash > 0 && !IsFolder(path.substr(0, slash)));
    return folderMissing ? SE_ERR_PNF : SE_ERR_FNF;
}

void* WaitForChild(void* child) {
    const pid_t pid = static_cast<pid_t>(reinterpret_cast<std::intptr_t>(child));
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return nullptr;
}

// Waits for this one child only, so a SIGCHLD handler or waiter elsewhere loses nothing.
void ReapLater(pid_t pid) {
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) return;
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    pthread_t thread;
    // Without a thread the child stays a zombie once it ends, until the program does.
    pthread_create(&thread, &attributes, WaitForChild, reinterpret_cast<void*>(static_cast<std::intptr_t>(pid)));
    pthread_attr_destroy(&attributes);
}

bool Launch(const std::vector<std::string>& argv) {
    const ShellLauncher& launcher = TestLauncher();
    return launcher ? launcher(argv) : LaunchDetached(argv);
}

}  // namespace

void SetShellLauncherForTests(ShellLauncher launcher) { TestLauncher() = std::move(launcher); }

bool LaunchDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::vector<char*> arguments;
    for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0) return false;
    ReapLater(pid);
    return true;
}

}  // namespace platform

HINSTANCE WINAPI ShellExecuteW(HWND, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR, LPCWSTR lpDirectory, INT) {
    using platform::ResultOf;
    if (!lpFile || !*lpFile) return ResultOf(SE_ERR_FNF);
    if (!platform::IsOpen(lpOperation)) return ResultOf(SE_ERR_NOASSOC);
    std::string target = platform::Utf8Of(lpFile);
    if (!platform::IsWebAddress(target)) {
        target = platform::FilePath(lpFile, lpDirectory);
        if (INT_PTR error = platform::MissingFileError(target)) return ResultOf(error);
    }
    // The target is one argument of its own: no shell ever reads it.
    if (!platform::Launch({"xdg-open", target})) return ResultOf(SE_ERR_NOASSOC);
    return ResultOf(platform::kLaunched);
}
