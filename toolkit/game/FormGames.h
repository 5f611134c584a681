// The toolkit's game window: an 800 by 600 form with a 20 ms frame timer, a table of held keys,
// the list of game elements that collision and overdraw rules scan, and two drawing surfaces.
//
// Window events become a small set of game hooks (OnTick, OnGameChar, OnGameKeyDown, ...) that
// the game's form overrides. Everything is drawn on an off-screen scene first and only what
// changed is copied to the window; three marker pixels in the scene's top-left corner let the
// form notice when the window lost its contents and repaint it whole.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontInfo.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/elements/Form.h"
#include "toolkit/elements/Timer.h"
#include "toolkit/game/GameElement.h"

namespace OrloUtility {

class Sprite;

class FormGames : public Form {
public:
    // Makes the window at once: the frame timer runs from then on.
    FormGames(HINSTANCE instance, const std::string& title);
    // Stops the timer, closes the window and frees the surfaces, the snapshot and the saved
    // scene copy. The background picture and the elements stay their owners'.
    ~FormGames() override;

    // Repaints the window from the scene, unless a frame of the game's own is painting it.
    void OnPaint() override;

    // ---- Game hooks, in their fixed order after the element's operations ----

    virtual void ShowStartScreen();
    // Here: level 1, 3 lives, score 0. The game builds its current level.
    virtual void StartLevel();
    // Makes the surfaces and starts the 20 ms frame timer.
    virtual void StartLoop();
    // Stops the timer and releases the hot keys; always lets the window close.
    virtual bool StopLoop();
    virtual void OnResize();
    virtual void OnTick();
    // False swallows the character. True here.
    virtual bool OnGameChar(WCHAR character);
    // Records the key as held (after forgetting every other one in single-key mode); Tab and
    // the Alt keys also take the keyboard focus back to the game window.
    virtual void OnGameKeyDown(UINT key);
    virtual void OnGameKeyUp(UINT key);
    // Forgets every held key: their releases go to whichever window has the keyboard then.
    virtual void OnGameFocusLost();
    // A menu item or control whose command was forwarded here (ForwardCommand).
    virtual void OnCommand(GUIElement& element);
    // Escape closes the window.
    virtual void OnHotKey(UINT modifiers, UINT key);
    virtual void OnGameMouseUp(int mouseX, int mouseY);
    virtual void OnGameMouseDown(int mouseX, int mouseY);

    // A command callback for menu items and controls: hands the element to OnCommand of the
    // nearest FormGames among its parents; nothing when there is none.
    static void ForwardCommand(GUIElement& element);

    // ---- Frames ----

    // Opens the window for a frame. With `erase` the window is invalidated with erasing (a
    // repaint); without it the form's paint handler runs first. When the window lost its
    // contents, it is repainted whole from the scene.
    void BeginFrame(bool erase);
    // Takes the first snapshot of the scene, ends the window's paint cycle.
    void EndFrame();

    // ---- Drawing on the scene, then on the window ----

    // Draws `picture` (not owned: it stays its loader's) at (0, 0) on both surfaces. A null
    // picture shows the error box with the platform's last error and draws nothing.
    void SetBackground(HBITMAP picture);
    // The sprite draws itself on the scene; what changed is copied to the window.
    void DrawSprite(Sprite& sprite);
    // The same without the copy; returns the changed rectangle.
    RECT DrawSpriteOffscreen(Sprite& sprite);
    // The sprite erases itself from the scene; its rectangle is copied to the window.
    void EraseSprite(Sprite& sprite);
    // The same without the copy; returns the sprite's rectangle.
    RECT EraseSpriteOffscreen(Sprite& sprite);
    // A solid box of `colour` from (x, y) to (x + boxWidth, y + boxHeight).
    void FillBoxBoth(int left, int top, int boxWidth, int boxHeight, COLORREF colour);
    // One line of text at (x, y) in the form's font.
    void DrawTextBoth(int left, int top, const std::string& text, COLORREF colour);
    // Text in the box (2, 2, boxWidth, boxHeight), aligned by Drawing's alignment code.
    void DrawTextBar(int boxWidth, int boxHeight, const std::string& text, COLORREF colour, int alignment);
    // Replaces the saved scene copy with a new copy of the scene.
    void SaveSceneCopy();

    // ---- The element list ----

    // Appends; the element stays the caller's.
    void AddSprite(GameElement& element);
    // Removes the first Sprite with this id; nothing when there is none.
    void RemoveSpriteById(int spriteId);

    // ---- State ----

    HBITMAP BackgroundImage() const { return background_; }
    bool HasBackground() const { return backgroundSet_; }
    HBITMAP SavedSceneCopy() const { return savedSceneCopy_.get(); }
    HBITMAP SceneSnapshot() const { return snapshot_.get(); }
    bool IsFrameOpen() const { return frameOpen_; }
    Drawing* Screen() const { return screen_.get(); }
    Drawing* Scene() const { return scene_.get(); }
    Timer* FrameTimer() const { return frameTimer_.get(); }
    FontInfo& GameFont() { return gameFont_; }

    int level = 1;
    int lives = 3;
    int score = 0;
    // 1 while the key with that virtual-key code is held.
    std::array<std::uint8_t, 256> keyState{};
    // Every key press first forgets the held keys, so at most one counts as held.
    bool singleKeyMode = true;
    // What collision and overdraw rules scan; not owned.
    std::vector<GameElement*> elements;

protected:
    // Sends the window WM_CLOSE and from then on treats it as gone.
    void CloseWindowNow();
    // The window exists and was not closed.
    bool WindowExists() const { return created_ && !destroyed_ && window_; }

private:
    void InstallCallbacks();
    // The window's client or outer size.
    SIZE ClientSize() const;
    SIZE OuterSize() const;
    // Repaints the window from a new snapshot when it lost its contents.
    void RestoreLostContents();
    // The sprite draws itself on the scene; the changed rectangle, markers rewritten if needed.
    RECT DrawOnScene(Sprite& sprite, POINT& previous);
    // Copies a block of the scene to the same place on the window.
    void CopyToScreen(int left, int top, int blockWidth, int blockHeight);
    // Draws on the scene and then on the window, rewriting the markers on each if `area`
    // covers them.
    template <class DrawOn>
    void DrawBoth(const RECT& area, DrawOn draw);

    HBITMAP background_ = nullptr;
    OwnedBitmap savedSceneCopy_;
    bool backgroundSet_ = false;
    std::unique_ptr<Timer> frameTimer_;
    bool frameOpen_ = false;
    OwnedBitmap snapshot_;
    std::unique_ptr<Drawing> screen_;
    std::unique_ptr<Drawing> scene_;
    FontInfo gameFont_{"Lucida Console", 16};
};

}  // namespace OrloUtility
