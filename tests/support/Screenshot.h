// Pictures of windows for tests: a PNG of what a top-level window shows, and a guard that
// leaves one behind when a test fails, so a failing UI test can be looked at afterwards.
#pragma once

#include <string>

#include "PlatformApi.h"

// Writes what the top-level window holding `window` shows, its whole area, as an RGB PNG.
// False when the headless backend is not installed, the window has no pixels, or the file
// cannot be written.
bool WritePng(const std::string& path, HWND window);

// Where pictures of failing tests go: <build dir>/screenshots, made when first asked for.
// The build directory is the nearest one above the test program holding CMakeCache.txt.
std::string ScreenshotDirectory();

// When it goes, if the running test has failed, writes the window's picture to
// <ScreenshotDirectory()>/<Suite>.<Test>.png. A fixture ends it in TearDown, while the window
// still exists.
class ScreenshotOnFailure {
public:
    explicit ScreenshotOnFailure(HWND window) : window_(window) {}
    ~ScreenshotOnFailure();
    ScreenshotOnFailure(const ScreenshotOnFailure&) = delete;
    ScreenshotOnFailure& operator=(const ScreenshotOnFailure&) = delete;

private:
    HWND window_;
};
