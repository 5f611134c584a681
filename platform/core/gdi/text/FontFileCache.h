// Font files resolved in an earlier run, kept in a small file so that a start need not load the
// whole fontconfig configuration (several milliseconds of parsing dozens of files) before the
// first text. An entry holds while the fontconfig setup is unchanged, judged by the times of
// change of its configuration, its caches and the usual font folders (installing a font runs
// the cache tool, which changes them), and while its font file is still there.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "FontResolver.h"

namespace platform {

class FontFileCache {
public:
    // Reads the entries kept at `path` under the same `stamp`; none when the file is missing,
    // unreadable, malformed or of another stamp.
    FontFileCache(std::string path, std::string stamp);

    // The file kept for the key, when it still exists.
    std::optional<FontFile> Find(const std::string& key) const;
    // Keeps the file for the key and writes the entries out (a key holding a tab or a line
    // break is not kept). A file that cannot be written is no failure: the next run resolves
    // again.
    void Store(const std::string& key, const FontFile& file);

private:
    void Write() const;

    std::string path_;
    std::string stamp_;
    std::map<std::string, FontFile> entries_;
};

// The stamp of the fontconfig setup as it stands now.
std::string FontSetupStamp();
// Where a program keeps its font cache: "<XDG cache folder>/<program>/font-files"; empty when
// neither XDG_CACHE_HOME nor HOME is an absolute path.
std::string FontCachePath(const std::string& program);

}  // namespace platform
