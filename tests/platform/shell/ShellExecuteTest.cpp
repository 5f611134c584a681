// ShellExecuteW with the launcher replaced by one that records what would have been started:
// nothing is really opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PlatformApi.h"
#include "TempFolder.h"
#include "core/shell/ShellExecute.h"

namespace {

using Argv = std::vector<std::string>;

// The one launch expected for a target.
std::vector<Argv> OpenerOf(const std::string& target) { return {Argv{"xdg-open", target}}; }

class ShellExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetShellLauncherForTests([this](const Argv& argv) {
            launched_.push_back(argv);
            return launcherWorks_;
        });
    }

    void TearDown() override {
        platform::SetShellLauncherForTests({});
    }

    std::string MakeFile(const std::string& name) {
        const std::string path = root_ + "/" + name;
        std::ofstream(path) << "readme";
        return path;
    }

    static INT_PTR Open(const std::wstring& file, LPCWSTR operation = L"open", LPCWSTR directory = nullptr) {
        return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, operation, file.c_str(), nullptr, directory, SW_SHOWNORMAL));
    }

    static std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

    TempFolder temp_{"astrovex-shell"};
    const std::string root_ = temp_.Text();
    std::vector<Argv> launched_;
    bool launcherWorks_ = true;
};

// The target reaches xdg-open whole, as one argument, whatever characters it holds.
TEST_F(ShellExecuteTest, TheTargetIsOneArgumentOfTheOpener) {
    const std::string file = MakeFile("read me; $(touch pwned) `id` & 'x'.txt");
    const std::string targets[] = {
        "https://example.com/scores?name=a b&rank=1;$(reboot)",
        "mailto:pilot@example.com",
        "file:///tmp/x y",
        file,
    };
    for (const std::string& target : targets) {
        launched_.clear();
        EXPECT_GT(Open(Wide(target)), 32) << target;
        EXPECT_EQ(launched_, OpenerOf(target)) << target;
    }
}

TEST_F(ShellExecuteTest, FilePathsAreMadeNative) {
    const std::string file = MakeFile("manual.txt");
    std::filesystem::create_directory(root_ + "/docs");
    const std::string inFolder = MakeFile("docs/-help.txt");
    struct Case {
        std::wstring file;
        LPCWSTR directory;
        std::string target;
    };
    const std::wstring root = Wide(root_);
    const Case cases[] = {
        {root + L"\\manual.txt", nullptr, file},
        {L"manual.txt", root.c_str(), file},
        {L"docs\\-help.txt", root.c_str(), inFolder},
    };
    for (const Case& c : cases) {
        launched_.clear();
        EXPECT_GT(Open(c.file, L"open", c.directory), 32) << c.target;
        EXPECT_EQ(launched_, OpenerOf(c.target)) << c.target;
    }
}

// Relative to the working folder, a name that starts like an option is led by "./".
TEST_F(ShellExecuteTest, ARelativeNameIsNeverTakenForAnOption) {
    MakeFile("--version");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(root_);
    const INT_PTR result = Open(L"--version");
    std::filesystem::current_path(saved);
    EXPECT_GT(result, 32);
    EXPECT_EQ(launched_, OpenerOf("./--version"));
}

TEST_F(ShellExecuteTest, OnlyOpeningIsKnown) {
    const std::string file = MakeFile("scores.txt");
    struct Case {
        LPCWSTR operation;
        bool opens;
    };
    const Case cases[] = {{nullptr, true},  {L"", true},       {L"open", true},  {L"Open", true},
                          {L"edit", false}, {L"print", false}, {L"runas", false}, {L"opener", false}};
    for (const Case& c : cases) {
        launched_.clear();
        const INT_PTR result = Open(Wide(file), c.operation);
        const std::wstring name = c.operation ? c.operation : L"(null)";
        if (c.opens) {
            EXPECT_GT(result, 32) << name;
        } else {
            EXPECT_EQ(result, SE_ERR_NOASSOC) << name;
        }
        EXPECT_EQ(launched_.size(), c.opens ? 1u : 0u) << name;
    }
}

TEST_F(ShellExecuteTest, FailuresAnswerWithTheShellsErrors) {
    const std::string file = MakeFile("present.txt");
    struct Case {
        const char* what;
        std::wstring file;
        INT_PTR expected;
    };
    const Case cases[] = {
        {"an empty name", L"", SE_ERR_FNF},
        {"a missing file", Wide(root_ + "/absent.txt"), SE_ERR_FNF},
        {"a missing folder", Wide(root_ + "/absent/file.txt"), SE_ERR_PNF},
        {"a file taken for a folder", Wide(file + "/inside.txt"), SE_ERR_PNF},
    };
    for (const Case& c : cases) EXPECT_EQ(Open(c.file), c.expected) << c.what;
    EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", nullptr, nullptr, nullptr, SW_SHOW)), SE_ERR_FNF);
    EXPECT_TRUE(launched_.empty());

    launcherWorks_ = false;
    EXPECT_EQ(Open(Wide(file)), SE_ERR_NOASSOC) << "no opener could be started";
}

TEST(ShellLauncherTest, AProgramThatIsNotThereIsNotStarted) {
    EXPECT_FALSE(platform::LaunchDetached({"astrovex-no-such-program", "x"}));
    EXPECT_FALSE(platform::LaunchDetached({}));
}

}  // namespace
