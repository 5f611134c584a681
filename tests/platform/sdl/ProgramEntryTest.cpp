// Starting a program on the real display: with no display the program is told why in one line
// and gets a distinct exit code, its entry never runs; with one, the entry runs on it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <unistd.h>

#include "HeadlessTest.h"
#include "TempFolder.h"
#include "ProgramEntry.h"
#include "backends/sdl/SdlBackend.h"

namespace {

// Sets or unsets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnvironment() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// What the entry saw, written by the entry itself.
struct EntryCall {
    bool ran = false;
    HINSTANCE instance = nullptr;
    int showCommand = -1;
    bool onSdlDisplay = false;
};
EntryCall seen;

int RecordingEntry(HINSTANCE instance, int showCommand) {
    seen = {true, instance, showCommand, dynamic_cast<platform::SdlBackend*>(&platform::CurrentBackend()) != nullptr};
    return 7;
}

std::string ReadAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
    return text;
}

// No display of any kind: no X display named, and no Wayland socket where a Wayland client
// looks for one by default (wayland-0 in the runtime folder, which is empty here).
class ProgramEntryTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        seen = {};
        errors_ = std::tmpfile();
        ASSERT_TRUE(errors_);
    }
    void TearDown() override {
        if (errors_) std::fclose(errors_);
        HeadlessTest::TearDown();
    }

    std::FILE* errors_ = nullptr;
    ScopedEnvironment noX_{"DISPLAY", nullptr};
    ScopedEnvironment noWayland_{"WAYLAND_DISPLAY", nullptr};
    TempFolder emptyRuntimeFolder_{"astrovex-runtime"};
    ScopedEnvironment runtimeFolder_{"XDG_RUNTIME_DIR", emptyRuntimeFolder_.Text().c_str()};
};

TEST_F(ProgramEntryTest, WithNoDisplayTheProgramSaysWhyInOneLineAndFails) {
    // Null: none asked for, so SDL would fall back to its offscreen driver, which shows nothing.
    const char* drivers[] = {nullptr, "x11", "wayland", "no-such-driver"};
    for (const char* driver : drivers) {
        SCOPED_TRACE(driver ? driver : "none asked for");
        // A machine with a graphics device may open it as a console display.
        if (!driver && std::filesystem::exists("/dev/dri")) continue;
        ScopedEnvironment videoDriver("SDL_VIDEODRIVER", driver);
        std::FILE* errors = std::tmpfile();
        ASSERT_TRUE(errors);

        EXPECT_EQ(platform::RunOnDisplay("astrovex", RecordingEntry, errors), platform::kNoDisplayExitCode);
        const std::string message = ReadAll(errors);
        std::fclose(errors);

        EXPECT_FALSE(seen.ran) << "the entry must not run without a display";
        const std::string start = "astrovex: cannot open a display (";
        const std::string end = "): is DISPLAY set?\n";
        ASSERT_GT(message.size(), start.size() + end.size()) << message;
        EXPECT_EQ(message.substr(0, start.size()), start) << message;
        EXPECT_EQ(message.substr(message.size() - end.size()), end) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line: " << message;
        EXPECT_EQ(dynamic_cast<platform::SdlBackend*>(&platform::CurrentBackend()), nullptr)
            << "the headless platform stays";
    }
}

TEST_F(ProgramEntryTest, WithADisplayTheEntryRunsOnItAndItsCodeIsTheProgramsCode) {
    ScopedEnvironment videoDriver("SDL_VIDEODRIVER", "dummy");

    EXPECT_EQ(platform::RunOnDisplay("astrovex", RecordingEntry, errors_), 7);

    EXPECT_TRUE(seen.ran);
    EXPECT_TRUE(seen.onSdlDisplay);
    EXPECT_NE(seen.instance, nullptr);
    EXPECT_EQ(seen.instance, platform::ProgramInstance());
    EXPECT_EQ(seen.showCommand, SW_SHOWDEFAULT);
    EXPECT_EQ(ReadAll(errors_), "") << "nothing to report";
    EXPECT_EQ(dynamic_cast<platform::SdlBackend*>(&platform::CurrentBackend()), nullptr)
        << "the display is closed once the entry returns";
}

}  // namespace
