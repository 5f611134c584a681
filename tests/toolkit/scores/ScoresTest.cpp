#include "ScoresTest.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace OrloUtility {

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string BytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

void ScoresTest::SetUp() {
    dataFolder_ = root_ + "/data";
    std::filesystem::create_directory(dataFolder_);
    savedDataHome_ = Variable("XDG_DATA_HOME");
    savedHome_ = Variable("HOME");
    SetVariable("XDG_DATA_HOME", dataFolder_);
    SetVariable("HOME", root_ + "/no-home");
}

void ScoresTest::TearDown() {
    SetVariable("XDG_DATA_HOME", savedDataHome_);
    SetVariable("HOME", savedHome_);
}

void ScoresTest::SetVariable(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

void ScoresTest::Store(const std::string& bytes) const {
    std::filesystem::create_directories(ScoreFolderPath());
    std::ofstream(FilePath(), std::ios::binary) << bytes;
}

std::optional<std::string> ScoresTest::StoredBytes() const {
    if (!std::filesystem::is_regular_file(FilePath())) return std::nullopt;
    return BytesOf(FilePath());
}

std::map<std::string, std::string> ScoresTest::Snapshot() const { return Snapshot(dataFolder_); }

std::map<std::string, std::string> ScoresTest::Snapshot(const std::string& folder) const {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().filename() == "Classifica.txt.lock") continue;
        entries[entry.path().string()] = entry.is_directory() ? "(folder)" : BytesOf(entry.path());
    }
    return entries;
}

std::string FileOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace OrloUtility
