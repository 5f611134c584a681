// The root of the toolkit's element tree: every window the toolkit shows, top-level or child,
// is a GUIElement. An element keeps its geometry, text, colours and font while it has no
// window, makes its window on Create, and from then on writes changes through to it.
//
// Events arrive through the one window procedure (WindowProcedure.h) as calls of the virtual
// operations below, whose defaults call the optional event callbacks the application plugs
// in. Every class of the toolkit keeps the operations in this order, so subclasses add theirs
// after Create.
#pragma once

#include <cstdint>
#include <string>

#include "PlatformApi.h"

namespace OrloUtility {

class FontInfo;

class GUIElement {
public:
    // The background colour that stands for the system's button-face colour.
    static constexpr COLORREF kButtonFace = 0xFFFFFFFF;

    using MouseButtonCallback = void (*)(GUIElement& element, HWND window, int x, int y);
    using KeyCallback = void (*)(GUIElement& element, UINT key);
    using CharCallback = bool (*)(GUIElement& element, WCHAR character);
    using EventCallback = void (*)(GUIElement& element);
    using QueryCallback = bool (*)(GUIElement& element);
    using PointerCallback = void (*)(GUIElement& element, int x, int y);
    using CreateCallback = void (*)(GUIElement& element, HWND window);

    // Joins the element registry at once. `instance` is the program's for forms, null for the
    // elements inside them.
    explicit GUIElement(HINSTANCE instance);
    // The registry holds the element's address, so elements are never copied.
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // ---- Virtual operations, in their fixed order ----

    // Stores the colour; a live window is filled with it at once and again on every paint.
    virtual void SetBackColor(COLORREF colour);
    virtual void SetText(const std::wstring& newText);
    virtual void SetText(const std::string& newText);
    virtual void OnLeftButtonUp(int mouseX, int mouseY);
    virtual void OnLeftButtonDown(int mouseX, int mouseY);
    virtual void OnLeftDoubleClick(int mouseX, int mouseY);
    virtual void OnRightButtonUp(int mouseX, int mouseY);
    virtual void OnRightButtonDown(int mouseX, int mouseY);
    virtual void OnRightDoubleClick(int mouseX, int mouseY);
    virtual void OnKeyUp(UINT key);
    virtual void OnKeyDown(UINT key);
    // False swallows the character: the control never sees it. True without a callback.
    virtual bool OnChar(WCHAR character);
    virtual void OnMouseMove(int mouseX, int mouseY);
    virtual void OnMouseHover();
    virtual void OnMouseLeave();
    virtual void Focus();
    virtual void OnMove();
    virtual void OnSize();
    virtual void OnPaint();
    // The brush a child control of this element is painted with; null keeps the platform's.
    virtual HBRUSH OnControlColor(HDC controlContext);
    // False keeps the window open. True without a callback.
    virtual bool OnCloseQuery();
    // The destroy callback must not delete the element: the destroyed flag is set after it.
    virtual void OnDestroy();
    virtual void OnFocusGained();
    // The text-changed callback follows only when the text differs from the one at focus time.
    virtual void OnFocusLost();
    // Stores the handle if none is stored yet; the on-create callback runs the first time only.
    virtual void OnCreate(HWND newWindow);
    virtual void Redraw();
    virtual bool GetWaitCursor() const;
    virtual bool GetHandCursor() const;
    virtual void SetWaitCursor(bool shown);
    virtual void SetHandCursor(bool shown);
    virtual void OnShow();
    // Makes the window. Does nothing when the window exists.
    virtual void Create() = 0;

    // Leaves the registry. Declared after the operations so that they keep the first places.
    virtual ~GUIElement();

    // ---- Reading the window ----

    // The live window's text when there is a window (stored as the element's text), else the
    // stored text.
    std::wstring GetText();
    std::string GetNarrowText();
    // The top-left corner in the parent's client coordinates (screen coordinates for a form),
    // read from the live window and stored, or the stored position.
    POINT GetPosition();
    // Each read from the live window and stored into width or height, or the stored value.
    int GetClientWidth();
    int GetClientHeight();
    int GetWindowWidth();
    int GetWindowHeight();

    // ---- Tooltips and layout ----

    // Gives `target` a tooltip showing the tooltip text; nothing when the text is empty or
    // there is no window. The tooltip handle stays null when the tooltip cannot be made.
    void AttachTooltip(HWND target);
    // Sends the current text and client rectangle to the tooltip, or attaches one.
    void UpdateTooltip();
    // Resizes the window so that its client area is 800 by 600.
    void FitClientArea();

    // ---- State ----

    HWND Handle() const { return window_; }
    HWND Tooltip() const { return tooltip_; }
    HINSTANCE Instance() const { return instance_; }
    std::uint32_t Id() const { return id_; }
    bool IsCreated() const { return created_; }
    bool IsDestroyed() const { return destroyed_; }
    COLORREF BackColor() const { return backColor_; }
    const std::string& TypeName() const { return typeName_; }
    bool IsType(const char* name) const { return typeName_ == name; }
    WNDPROC ControlProcedure() const { return controlProcedure_; }
    const WNDCLASSW& WindowClass() const { return windowClass_; }

protected:
    // Runs after a window is made: the tooltip, and the font when one is set.
    void ApplyTooltipAndFont();

    // ---- Fields, in the element model's order. Public ones are the application's to set
    // before Create; the others the toolkit keeps. ----

    bool destroyed_ = false;
    bool waitCursor_ = false;
    bool handCursor_ = false;
    HWND tooltip_ = nullptr;
    HWND window_ = nullptr;
    HINSTANCE instance_;
    WNDCLASSW windowClass_{};

public:
    FontInfo* font = nullptr;  // null: the platform's default font. Not owned.
    int width = 100;
    int height = 50;
    int x = 100;  // in the parent's client coordinates; screen coordinates for a form
    int y = 100;

protected:
    bool created_ = false;
    COLORREF backColor_ = kButtonFace;
    std::wstring text_;
    std::wstring textAtFocus_;
    bool backgroundPainted_ = false;

public:
    bool enabled = true;

protected:
    std::uint32_t id_ = 0;
    std::string typeName_;

public:
    std::string tooltipText;  // empty: no tooltip
    GUIElement* parent = nullptr;  // the form, or the menu element above; not owned

protected:
    // The standard control's own procedure, which every message reaches after the toolkit's.
    WNDPROC controlProcedure_ = nullptr;

public:
    CreateCallback createCallback = nullptr;

protected:
    bool attached_ = false;

public:
    // Event callbacks, each optional.
    MouseButtonCallback leftButtonUpCallback = nullptr;
    MouseButtonCallback leftButtonDownCallback = nullptr;
    MouseButtonCallback leftDoubleClickCallback = nullptr;
    MouseButtonCallback rightButtonUpCallback = nullptr;
    MouseButtonCallback rightButtonDownCallback = nullptr;
    MouseButtonCallback rightDoubleClickCallback = nullptr;
    KeyCallback keyUpCallback = nullptr;
    KeyCallback keyDownCallback = nullptr;
    CharCallback charCallback = nullptr;
    EventCallback moveCallback = nullptr;
    EventCallback sizeCallback = nullptr;
    EventCallback paintCallback = nullptr;
    QueryCallback closeQueryCallback = nullptr;
    EventCallback destroyCallback = nullptr;
    EventCallback focusGainedCallback = nullptr;
    EventCallback focusLostCallback = nullptr;
    EventCallback textChangedCallback = nullptr;
    PointerCallback mouseMoveCallback = nullptr;
    EventCallback mouseHoverCallback = nullptr;
    EventCallback mouseLeaveCallback = nullptr;

private:
    void FillBackground(COLORREF colour);
    TTTOOLINFOW ToolFor(HWND target, std::wstring& tipText) const;
};

}  // namespace OrloUtility
