#include "gdi/text/FontFileCache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "Utf8.h"

namespace platform {

namespace {

constexpr char kStampTag[] = "stamp";

std::string AbsolutePathIn(const char* variable) {
    const char* value = std::getenv(variable);
    return value && value[0] == '/' ? value : "";
}

// The per-user folder under $XDG_x (else $HOME/fallback); empty when neither is absolute.
std::string UserFolder(const char* variable, const char* fallback) {
    std::string folder = AbsolutePathIn(variable);
    if (!folder.empty()) return folder;
    const std::string home = AbsolutePathIn("HOME");
    return home.empty() ? "" : home + "/" + fallback;
}

std::string ChangeTimeOf(const std::string& path) {
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) != 0) return "-";
    return std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
}

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
    return fields;
}

bool Storable(const std::string& text) { return text.find_first_of("\t\n\r") == std::string::npos; }

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string FontSetupStamp() {
    const std::string config = UserFolder("XDG_CONFIG_HOME", ".config");
    const std::string cache = UserFolder("XDG_CACHE_HOME", ".cache");
    const std::string data = UserFolder("XDG_DATA_HOME", ".local/share");
    const std::string home = AbsolutePathIn("HOME");
    const std::string watched[] = {
        "/etc/fonts/fonts.conf", "/etc/fonts/conf.d", "/var/cache/fontconfig", "/usr/share/fonts",
        "/usr/local/share/fonts", config.empty() ? "" : config + "/fontconfig", cache.empty() ? "" : cache + "/fontconfig",
        data.empty() ? "" : data + "/fonts", home.empty() ? "" : home + "/.fonts",
    };
    std::string stamp;
    for (const std::string& path : watched) stamp += ChangeTimeOf(path) + ",";
    // A configuration chosen by the environment is another setup.
    for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"}) {
        const char* value = std::getenv(variable);
        stamp += std::string(value ? value : "") + ",";
    }
    return Storable(stamp) ? stamp : "";
}

std::string FontCachePath(const std::string& program) {
    const std::string cache = UserFolder("XDG_CACHE_HOME", ".cache");
    if (cache.empty() || program.empty() || program.find('/') != std::string::npos) return "";
    return cache + "/" + program + "/font-files";
}

FontFileCache::FontFileCache(std::string path, std::string stamp) : path_(std::move(path)), stamp_(std::move(stamp)) {
    std::ifstream in(path_);
    std::string line;
    if (!in || !std::getline(in, line) || line != std::string(kStampTag) + "\t" + stamp_) return;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() != 6) return;  // damaged: whatever follows is not trusted either
        FontFile file;
        file.path = fields[1];
        file.faceIndex = std::atoi(fields[2].c_str());
        file.family = WideOfUtf8(fields[3]).value_or(std::wstring());
        file.bold = fields[4] == "1";
        file.italic = fields[5] == "1";
        entries_[fields[0]] = std::move(file);
    }
}

std::optional<FontFile> FontFileCache::Find(const std::string& key) const {
    const auto found = entries_.find(key);
    if (found == entries_.end() || !FileExists(found->second.path)) return std::nullopt;
    return found->second;
}

void FontFileCache::Store(const std::string& key, const FontFile& file) {
    const std::string family = Utf8Of(file.family);
    if (path_.empty() || stamp_.empty() || !Storable(key) || !Storable(file.path) || !Storable(family)) return;
    entries_[key] = file;
    Write();
}

// Written whole to a file of its own, then renamed over the old one: two programs starting at
// once, or one stopped mid-write, never leave half a file behind.
void FontFileCache::Write() const {
    const std::size_t slash = path_.rfind('/');
    const std::string folder = path_.substr(0, slash);
    const std::string parent = folder.substr(0, folder.rfind('/'));
    mkdir(parent.c_str(), 0700);
    mkdir(folder.c_str(), 0700);
    const std::string temporary = path_ + "." + std::to_string(getpid()) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << kStampTag << '\t' << stamp_ << '\n';
        for (const auto& [key, file] : entries_)
            out << key << '\t' << file.path << '\t' << file.faceIndex << '\t' << Utf8Of(file.family) << '\t'
                << (file.bold ? 1 : 0) << '\t' << (file.italic ? 1 : 0) << '\n';
        if (!out.flush()) {
            out.close();
            std::remove(temporary.c_str());
            return;
        }
    }
    if (std::rename(temporary.c_str(), path_.c_str()) != 0) std::remove(temporary.c_str());
}

}  // namespace platform
