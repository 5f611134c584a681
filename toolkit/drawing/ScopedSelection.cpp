#include "toolkit/drawing/ScopedSelection.h"

namespace OrloUtility {

ScopedSelection::ScopedSelection(HDC context, HGDIOBJ object)
    : context_(context), previous_(object ? SelectObject(context, object) : nullptr) {}

ScopedSelection::~ScopedSelection() {
    if (previous_) SelectObject(context_, previous_);
}

}  // namespace OrloUtility
