#include "gdi/text/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

#include "gdi/text/FontFileCache.h"
#include "Utf8.h"

namespace platform {

namespace {

// The pitch sits in the low bits of pitchAndFamily, the family in the high nibble.
constexpr BYTE kPitchMask = 0x03;
constexpr BYTE kFamilyMask = 0xF0;

constexpr int kLightestBold = 600;

struct KnownFace {
    std::wstring_view name;
    FontKind kind;
};

// Faces that programs for the classic platform name, and the kind of face each one is.
constexpr KnownFace kKnownFaces[] = {
    {L"Lucida Console", FontKind::Monospace}, {L"Courier New", FontKind::Monospace},
    {L"Courier", FontKind::Monospace},        {L"Consolas", FontKind::Monospace},
    {L"Fixedsys", FontKind::Monospace},       {L"Terminal", FontKind::Monospace},
    {L"System", FontKind::SansSerif},         {L"MS Shell Dlg", FontKind::SansSerif},
    {L"MS Shell Dlg 2", FontKind::SansSerif}, {L"MS Sans Serif", FontKind::SansSerif},
    {L"Tahoma", FontKind::SansSerif},         {L"Segoe UI", FontKind::SansSerif},
    {L"Arial", FontKind::SansSerif},          {L"Verdana", FontKind::SansSerif},
    {L"Times New Roman", FontKind::Serif},
};

// Where distributions put the DejaVu files, for when fontconfig offers nothing.
constexpr std::string_view kDejaVuFolders[] = {
    "/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/dejavu/", "/usr/share/fonts/TTF/"};

struct KnownFile {
    std::string_view fileName;
    std::wstring_view family;
};

KnownFile KnownFileOf(FontKind kind) {
    switch (kind) {
    case FontKind::Serif: return {"DejaVuSerif.ttf", L"DejaVu Serif"};
    case FontKind::Monospace: return {"DejaVuSansMono.ttf", L"DejaVu Sans Mono"};
    case FontKind::SansSerif: break;
    }
    return {"DejaVuSans.ttf", L"DejaVu Sans"};
}

const char* GenericFamilyOf(FontKind kind) {
    switch (kind) {
    case FontKind::Serif: return "serif";
    case FontKind::Monospace: return "monospace";
    case FontKind::SansSerif: break;
    }
    return "sans-serif";
}

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

// Face names on the classic platform ignore case.
bool SameFaceName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Fontconfig names families in UTF-8.
std::wstring WideOf(const FcChar8* utf8) {
    std::wstring out;
    int remaining = static_cast<int>(std::strlen(reinterpret_cast<const char*>(utf8)));
    while (remaining > 0) {
        FcChar32 c = 0;
        const int used = FcUtf8ToUcs4(utf8, &c, remaining);
        if (used <= 0) break;  // malformed: keep what came before
        out += static_cast<wchar_t>(c);
        utf8 += used;
        remaining -= used;
    }
    return out;
}

struct ConfigDestroyer {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using Config = std::unique_ptr<FcConfig, ConfigDestroyer>;

// A configuration of our own rather than the library's global one: loaded on first use and
// destroyed with the other statics, it leaves nothing of fontconfig behind for a leak checker
// at exit, and it cannot disturb any other user of fontconfig in the process.
FcConfig* Fontconfig() {
    static const Config config{FcInitLoadConfigAndFonts()};
    return config.get();
}

struct PatternDestroyer {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDestroyer>;

// Fontconfig's best match for the families, tried in order, in the style asked for.
// Scalable faces are preferred because the caller sizes fonts to the pixel.
Pattern Match(const std::vector<std::string>& families, bool bold, bool italic) {
    FcConfig* config = Fontconfig();
    Pattern pattern(FcPatternCreate());
    if (!config || !pattern) return nullptr;
    for (const std::string& family : families) {
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(config, pattern.get(), FcMatchPattern)) return nullptr;
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return Pattern(FcFontMatch(config, pattern.get(), &result));
}

bool IsMonospaced(const FcPattern& match) {
    int spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(&match, FC_SPACING, 0, &spacing);
    return spacing >= FC_MONO;
}

std::optional<FontFile> FileOf(const FcPattern& match) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(&match, FC_FILE, 0, &path) != FcResultMatch) return std::nullopt;
    FontFile file;
    file.path = reinterpret_cast<const char*>(path);
    if (!FileExists(file.path)) return std::nullopt;
    FcPatternGetInteger(&match, FC_INDEX, 0, &file.faceIndex);
    FcChar8* family = nullptr;
    if (FcPatternGetString(&match, FC_FAMILY, 0, &family) == FcResultMatch) file.family = WideOf(family);
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(&match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(&match, FC_SLANT, 0, &slant);
    file.bold = weight >= FC_WEIGHT_DEMIBOLD;
    file.italic = slant != FC_SLANT_ROMAN;
    return file;
}

}  // namespace

FontKind FontKindFor(const FontRequest& request) {
    const BYTE pitch = request.pitchAndFamily & kPitchMask;
    const BYTE family = request.pitchAndFamily & kFamilyMask;
    if (pitch == FIXED_PITCH || family == FF_MODERN) return FontKind::Monospace;
    for (const KnownFace& known : kKnownFaces) {
        if (SameFaceName(known.name, request.face)) return known.kind;
    }
    return family == FF_ROMAN ? FontKind::Serif : FontKind::SansSerif;
}

namespace {

std::optional<FontFileCache>& KeptFiles() {
    static std::optional<FontFileCache> kept;
    return kept;
}

std::optional<FontFile> ResolveWithFontconfig(const FontRequest& request, FontKind kind, bool bold) {
    std::vector<std::string> families;
    if (!request.face.empty()) families.push_back(Utf8Of(request.face));
    families.emplace_back(GenericFamilyOf(kind));
    Pattern match = Match(families, bold, request.italic);
    // A named face outranks the generic family in fontconfig, but a program asking for fixed
    // pitch lays text out in columns and must get them.
    if (match && kind == FontKind::Monospace && !IsMonospaced(*match)) {
        match = Match({GenericFamilyOf(kind)}, bold, request.italic);
    }
    if (match) {
        if (std::optional<FontFile> file = FileOf(*match)) return file;
    }
    if (std::optional<FontFile> known = KnownFontFile(kind)) return known;
    return KnownFontFile(FontKind::SansSerif);
}

}  // namespace

void KeepFontFilesAt(const std::string& path) {
    if (path.empty()) KeptFiles().reset();
    else KeptFiles().emplace(path, FontSetupStamp());
}

std::optional<FontFile> ResolveFontFile(const FontRequest& request) {
    const FontKind kind = FontKindFor(request);
    const bool bold = request.weight >= kLightestBold;
    std::optional<FontFileCache>& kept = KeptFiles();
    const std::string key = Utf8Of(request.face) + "|" + std::to_string(static_cast<int>(kind)) + "|" +
                            (bold ? "b" : "") + (request.italic ? "i" : "");
    if (kept) {
        if (std::optional<FontFile> file = kept->Find(key)) return file;
    }
    std::optional<FontFile> file = ResolveWithFontconfig(request, kind, bold);
    if (kept && file) kept->Store(key, *file);
    return file;
}

std::optional<FontFile> KnownFontFile(FontKind kind) {
    const KnownFile known = KnownFileOf(kind);
    for (std::string_view folder : kDejaVuFolders) {
        std::string path = std::string(folder) + std::string(known.fileName);
        if (FileExists(path)) return FontFile{std::move(path), 0, std::wstring(known.family), false, false};
    }
    return std::nullopt;
}

}  // namespace platform
