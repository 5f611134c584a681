// Selects a drawing object into a context for one scope and puts the previous one back, so an
// operation leaves the context as it found it even when the object is deleted right after.
#pragma once

#include "PlatformApi.h"

namespace OrloUtility {

class ScopedSelection {
public:
    // A null object selects nothing and restores nothing.
    ScopedSelection(HDC context, HGDIOBJ object);
    ~ScopedSelection();
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

    // False when the object could not be selected.
    bool Selected() const { return previous_ != nullptr; }

private:
    HDC context_;
    HGDIOBJ previous_;
};

}  // namespace OrloUtility
