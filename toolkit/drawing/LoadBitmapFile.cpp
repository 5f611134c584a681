#include "toolkit/drawing/LoadBitmapFile.h"

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

HBITMAP LoadBitmapFile(const std::string& path) {
    const std::wstring widePath = ToWide(path);
    return static_cast<HBITMAP>(
        LoadImageW(nullptr, widePath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace OrloUtility
