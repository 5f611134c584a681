#include "toolkit/scores/TextFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>

#include "PlatformApi.h"
#include "toolkit/scores/FileReplacement.h"

namespace OrloUtility {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

using OpenFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// At most `limit` bytes from the start of the file, read in chunks so that a short file
// costs only its own size.
std::string ReadPrefix(std::FILE* in, std::size_t limit) {
    std::string content;
    std::array<char, 16 * 1024> chunk;
    while (content.size() < limit) {
        const std::size_t got = std::fread(chunk.data(), 1, std::min(chunk.size(), limit - content.size()), in);
        content.append(chunk.data(), got);
        if (got == 0) break;
    }
    return content;
}

// What is kept of one line: the part before its first NUL.
std::string KeptPart(std::string_view line) { return std::string(line.substr(0, line.find('\0'))); }

// A last line without LF counts as a line; an empty last piece after an LF does not.
std::size_t LineCount(std::string_view content) {
    const auto ends = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n'));
    return ends + (!content.empty() && content.back() != '\n' ? 1 : 0);
}

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    lines.reserve(LineCount(content));
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(KeptPart(line));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    }
    return lines;
}

}  // namespace

TextFile::TextFile(std::wstring filePath) : path(std::move(filePath)) {}

std::vector<std::string> TextFile::ReadLines() {
    failed = notOpened = tooLarge = false;
    // Binary: line ends are taken apart here, the same way on every platform.
    const OpenFile in(_wfopen(path.c_str(), L"rb"), &std::fclose);
    if (!in) {
        failed = notOpened = true;
        return {};
    }
    // One byte past the cap tells a file at the cap from a larger one, without reading more.
    const std::string content = ReadPrefix(in.get(), kMaxFileBytes + 1);
    tooLarge = content.size() > kMaxFileBytes || LineCount(content) > kMaxLines;
    failed = std::ferror(in.get()) != 0 || tooLarge;
    if (failed) return {};
    return SplitLines(content);
}

bool TextFile::WriteLines(const std::vector<std::string>& lines) {
    failed = notOpened = false;
    FileReplacement replacement(path);
    if (!replacement.Open()) {
        failed = notOpened = true;
        return false;
    }
    for (const std::string& line : lines) {
        if (!replacement.Write(line) || !replacement.Write(kLineEnd)) {
            failed = true;
            return false;
        }
    }
    failed = !replacement.Commit();
    return !failed;
}

}  // namespace OrloUtility
