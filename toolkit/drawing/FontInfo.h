// The toolkit's font record: what a font should look like, and the platform font made from it
// the first time it is needed and kept from then on.
#pragma once

#include <string>

#include "PlatformApi.h"
#include "toolkit/drawing/GdiHandles.h"

namespace OrloUtility {

class FontInfo {
public:
    // The platform's "System" face at the height it chooses.
    FontInfo();
    // A face named in narrow text, at `fontHeight` (0 lets the platform choose).
    FontInfo(const std::string& face, int fontHeight);
    // One record owns one handle, so records move but are never copied.
    FontInfo(const FontInfo&) = delete;
    FontInfo& operator=(const FontInfo&) = delete;
    FontInfo(FontInfo&&) = default;
    FontInfo& operator=(FontInfo&&) = default;

    // The platform font, made on the first call; null when it cannot be made. Changes to the
    // fields after that do not reach the font already made.
    HFONT Handle();
    // Deletes the font, if made, and empties the face name.
    void Release();

    std::wstring faceName;
    int height = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool fixedPitch = false;

private:
    OwnedFont handle_;
};

}  // namespace OrloUtility
