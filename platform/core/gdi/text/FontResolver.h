// Finds the font file that stands in for a requested face. Programs written for the classic
// platform name its faces ("Arial", "Lucida Console", "System"); here fontconfig picks an
// installed file of the same kind, preferring a metric-compatible family where the system
// configures one (Liberation Sans for Arial, for instance).
#pragma once

#include <optional>
#include <string>

#include "FontRequest.h"

namespace platform {

// The generic kind a request falls back to when its face is not installed.
enum class FontKind { SansSerif, Serif, Monospace };

struct FontFile {
    std::string path;
    int faceIndex = 0;    // which face of a collection file
    std::wstring family;  // the family name of the chosen face
    // The style of the file itself, so the caller knows what it still has to synthesize.
    bool bold = false;
    bool italic = false;
};

// The kind the request's face belongs to. A fixed-pitch or modern-family request is always
// monospaced; an unknown face is serif in the roman family and sans-serif otherwise. Face
// names compare without regard to case.
FontKind FontKindFor(const FontRequest& request);

// The file for the request: the named face if installed, otherwise a face of its kind, in the
// bold and italic style asked for where such a file exists. A monospace request never gets a
// proportional face, even a named one. When fontconfig offers nothing, a DejaVu file at its
// usual place; nothing when even that is missing.
std::optional<FontFile> ResolveFontFile(const FontRequest& request);

// From now on, keeps the files resolved at `path` (see FontFileCache) and looks there first;
// empty text stops keeping them.
void KeepFontFilesAt(const std::string& path);

// The DejaVu regular file of the kind at its usual place, if it exists.
std::optional<FontFile> KnownFontFile(FontKind kind);

}  // namespace platform
