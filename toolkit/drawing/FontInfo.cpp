#include "toolkit/drawing/FontInfo.h"

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

FontInfo::FontInfo() : faceName(L"System") {}

FontInfo::FontInfo(const std::string& face, int fontHeight) : faceName(ToWide(face)), height(fontHeight) {}

HFONT FontInfo::Handle() {
    if (!handle_) {
        handle_.reset(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, FALSE,
                                  DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, 0, CLEARTYPE_QUALITY,
                                  fixedPitch ? FIXED_PITCH : 0, faceName.c_str()));
    }
    return handle_.get();
}

void FontInfo::Release() {
    handle_.reset();
    faceName.clear();
}

}  // namespace OrloUtility
