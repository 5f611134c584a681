// How ShellExecuteW starts the desktop's opener, replaceable so that tests start nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Starts a program with exactly these arguments, argv[0] naming it (found on PATH), without a
// shell and without waiting for it; false when it could not be started.
using ShellLauncher = std::function<bool(const std::vector<std::string>& argv)>;

// Makes ShellExecuteW call `launcher` instead of starting a process; an empty one puts the
// real launcher back.
void SetShellLauncherForTests(ShellLauncher launcher);

// The real launcher: spawns the program and has a thread of its own wait for it to end, so it
// leaves no zombie behind and does not disturb anyone else's waiting for their children.
bool LaunchDetached(const std::vector<std::string>& argv);

}  // namespace platform
