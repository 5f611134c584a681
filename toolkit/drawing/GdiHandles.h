// Owning wrappers for drawing handles, so a context, bitmap, pen, brush or font made inside a
// call is freed on every path out of it.
#pragma once

#include <memory>
#include <type_traits>

#include "PlatformApi.h"

namespace OrloUtility {

template <class Handle>
struct DeleteGdiObject {
    void operator()(Handle object) const { DeleteObject(object); }
};

struct DeleteContext {
    void operator()(HDC context) const { DeleteDC(context); }
};

template <class Handle>
using OwnedGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, DeleteGdiObject<Handle>>;

using OwnedBitmap = OwnedGdiObject<HBITMAP>;
using OwnedPen = OwnedGdiObject<HPEN>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedContext = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteContext>;

}  // namespace OrloUtility
