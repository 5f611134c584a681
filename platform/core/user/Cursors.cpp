#include "user/Cursors.h"

#include <algorithm>

#include "PlatformState.h"

namespace platform {

namespace {

using namespace systemcursor;
constexpr int kSystemCursors[] = {kArrow, kIBeam, kWait, kCross, kSizeAll, kNo, kHand};
constexpr int kSystemIcons[] = {32512, 32513, 32514, 32515, 32516};

bool Known(int id, bool cursor) {
    auto list = cursor ? std::begin(kSystemCursors) : std::begin(kSystemIcons);
    auto end = cursor ? std::end(kSystemCursors) : std::end(kSystemIcons);
    return std::find(list, end, id) != end;
}

}  // namespace

HICON Cursors::System(int id, bool cursor) {
    int key = cursor ? id : -id;
    for (auto& [k, handle] : system_)
        if (k == key) return handle;
    if (!Known(id, cursor)) return nullptr;
    auto object = std::make_unique<IconObject>();
    object->systemId = id;
    object->cursor = cursor;
    HICON handle = reinterpret_cast<HICON>(table_.Add(std::move(object)));
    system_.emplace_back(key, handle);
    return handle;
}

HICON Cursors::AddResource(int id, int size, std::vector<std::uint32_t> pixels) {
    auto object = std::make_unique<IconObject>();
    object->size = size;
    object->pixels = std::move(pixels);
    HICON handle = reinterpret_cast<HICON>(table_.Add(std::move(object)));
    std::erase_if(resources_, [&](const auto& entry) { return entry.first == id; });
    resources_.emplace_back(id, handle);
    return handle;
}

HICON Cursors::Resource(int id) const {
    for (const auto& [k, handle] : resources_)
        if (k == id) return handle;
    return nullptr;
}

HICON FindIconResource(int id) { return State().cursors.Resource(id); }

HICON RegisterIconResource(int id, int size, std::vector<std::uint32_t> pixels) {
    return State().cursors.AddResource(id, size, std::move(pixels));
}

}  // namespace platform

using namespace platform;

HCURSOR WINAPI LoadCursorW(HINSTANCE, LPCWSTR lpCursorName) {
    HCURSOR cursor = nullptr;
    if (IS_INTRESOURCE(lpCursorName))
        cursor = State().cursors.System(static_cast<int>(reinterpret_cast<ULONG_PTR>(lpCursorName)), true);
    if (!cursor) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return cursor;
}

HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
    HICON icon = nullptr;
    // The system's icons come with no module; a module's own icons are resources it carries.
    if (!hInstance && IS_INTRESOURCE(lpIconName))
        icon = State().cursors.System(static_cast<int>(reinterpret_cast<ULONG_PTR>(lpIconName)), false);
    if (hInstance) icon = FindIconResource(static_cast<int>(reinterpret_cast<ULONG_PTR>(lpIconName)));
    if (!icon) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return icon;
}

BOOL WINAPI DestroyIcon(HICON hIcon) {
    // Shared system icons ignore it.
    if (!State().cursors.IsValid(hIcon)) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return FALSE;
    }
    return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
    Cursors& cursors = State().cursors;
    HCURSOR previous = cursors.current;
    if (hCursor && !cursors.IsValid(hCursor)) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return nullptr;
    }
    cursors.current = hCursor;
    if (previous != hCursor) CurrentBackend().OnCursorChanged(hCursor);
    return previous;
}

HCURSOR WINAPI GetCursor(void) { return State().cursors.current; }
