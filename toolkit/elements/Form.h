// A top-level window of the toolkit: it registers a window class of its own, whose procedure
// is the toolkit's, and creates its window from the flags below. A form also keeps a list of
// hot keys, registered only while it is the foreground window.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/GUIElement.h"

namespace OrloUtility {

class Form : public GUIElement {
public:
    // Selects the constructor of the dialog variant: a tool window.
    struct DialogVariant {};

    using HotKeyHandler = void (*)(Form& form, UINT modifiers, UINT key);
    struct HotKey {
        UINT modifiers;  // MOD_ bits
        UINT key;        // virtual-key code
        HotKeyHandler handler;
    };

    // `instance` is the program's; window classes and icon resources belong to it.
    explicit Form(HINSTANCE instance);
    Form(HINSTANCE instance, DialogVariant);
    // Deletes the window icon, if set. The window itself stays; it is the application's to destroy.
    ~Form() override;

    // Registers the form's class ("Window" and the id counter before this form takes its id)
    // and creates, shows and records the window. Does nothing when the window exists.
    void Create() override;
    // Stores the icon resource id for a window made later; a live window shows the icon at once
    // when the program has it.
    void SetIcon(int resourceId);
    // Entry i of the hot-key list is registered with id i + 1.
    void RegisterHotKeys();
    void UnregisterHotKeys();

    HICON WindowIcon() const { return windowIcon_; }
    int IconResourceId() const { return iconResourceId_; }

    bool topmostWhenTool = true;
    bool minimizeBox = true;
    bool sizable = true;
    bool framed = true;
    bool toolWindow = false;
    bool modalFrame = false;
    std::vector<HotKey> hotKeys;

private:
    void RegisterWindowClass();
    HICON ClassIcon() const;
    DWORD Style() const;
    DWORD FrameStyle() const;
    DWORD ExtendedStyle() const;

    HICON windowIcon_ = nullptr;  // owned
    int iconResourceId_ = 0;      // 0: the system's application icon
    // The registered class's name, kept because the stored class record points at it.
    std::wstring className_;
};

}  // namespace OrloUtility
