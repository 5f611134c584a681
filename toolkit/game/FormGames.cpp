#include "toolkit/game/FormGames.h"

namespace OrloUtility {

namespace {

constexpr int kGameWindowWidth = 800;
constexpr int kGameWindowHeight = 600;
constexpr UINT kFrameIntervalMs = 20;
constexpr UINT kEscape = 27;

// The callbacks are installed on game forms only.
FormGames& AsGame(GUIElement& element) { return static_cast<FormGames&>(element); }

// Keys after which the desktop may take the keyboard focus away from the game.
bool TakesFocusAway(UINT key) { return key == VK_TAB || key == VK_MENU || key == VK_LMENU || key == VK_RMENU; }

}  // namespace

FormGames::FormGames(HINSTANCE instance, const std::string& title) : Form(instance) {
    font = &gameFont_;
    SetBackColor(0);
    width = kGameWindowWidth;
    height = kGameWindowHeight;
    SetText(title);
    minimizeBox = true;
    sizable = false;
    InstallCallbacks();
    Create();
    if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(gameFont_.Handle()), TRUE);
}

void FormGames::InstallCallbacks() {
    createCallback = [](GUIElement& form, HWND) { AsGame(form).StartLoop(); };
    closeQueryCallback = [](GUIElement& form) { return AsGame(form).StopLoop(); };
    sizeCallback = [](GUIElement& form) { AsGame(form).OnResize(); };
    charCallback = [](GUIElement& form, WCHAR character) { return AsGame(form).OnGameChar(character); };
    keyDownCallback = [](GUIElement& form, UINT key) { AsGame(form).OnGameKeyDown(key); };
    keyUpCallback = [](GUIElement& form, UINT key) { AsGame(form).OnGameKeyUp(key); };
    focusLostCallback = [](GUIElement& form) { AsGame(form).OnGameFocusLost(); };
    leftButtonUpCallback = [](GUIElement& form, HWND, int mouseX, int mouseY) {
        AsGame(form).OnGameMouseUp(mouseX, mouseY);
    };
    leftButtonDownCallback = [](GUIElement& form, HWND, int mouseX, int mouseY) {
        AsGame(form).OnGameMouseDown(mouseX, mouseY);
    };
}

// The timer goes first, so no tick can reach a form that is half taken apart.
FormGames::~FormGames() {
    frameTimer_.reset();
    CloseWindowNow();
    savedSceneCopy_.reset();
    snapshot_.reset();
    background_ = nullptr;
    font = nullptr;
    gameFont_.Release();
    scene_.reset();
    screen_.reset();
    elements.clear();
}

void FormGames::CloseWindowNow() {
    if (WindowExists()) SendMessageW(window_, WM_CLOSE, 0, 0);
    created_ = false;
}

void FormGames::OnPaint() {
    if (WindowExists()) {
        if (frameOpen_) {
            frameOpen_ = false;
        } else {
            BeginFrame(true);
            EndFrame();
        }
    }
    Form::OnPaint();
}

// ---- Game hooks ----

void FormGames::ShowStartScreen() {}

void FormGames::StartLevel() {
    level = 1;
    lives = 3;
    score = 0;
}

void FormGames::StartLoop() {
    if (!screen_) screen_ = std::make_unique<Drawing>(this);
    if (!scene_) scene_ = std::make_unique<Drawing>(this);
    if (!frameTimer_) {
        frameTimer_ = std::make_unique<Timer>(this);
        frameTimer_->interval = kFrameIntervalMs;
        frameTimer_->tickCallback = [](Timer& timer) { AsGame(*timer.parent).OnTick(); };
    }
    frameTimer_->Start();
}

bool FormGames::StopLoop() {
    UnregisterHotKeys();
    if (frameTimer_) frameTimer_->Stop();
    return true;
}

void FormGames::OnResize() {}

void FormGames::OnTick() {}

bool FormGames::OnGameChar(WCHAR) { return true; }

void FormGames::OnGameKeyDown(UINT key) {
    if (TakesFocusAway(key)) Focus();
    if (singleKeyMode) keyState.fill(0);
    if (key < keyState.size()) keyState[key] = 1;
}

void FormGames::OnGameKeyUp(UINT key) {
    if (key < keyState.size()) keyState[key] = 0;
}

void FormGames::OnGameFocusLost() { keyState.fill(0); }

void FormGames::OnCommand(GUIElement&) {}

void FormGames::OnHotKey(UINT, UINT key) {
    if (key == kEscape) CloseWindowNow();
}

void FormGames::OnGameMouseUp(int, int) {}

void FormGames::OnGameMouseDown(int, int) {}

void FormGames::ForwardCommand(GUIElement& element) {
    for (GUIElement* above = element.parent; above; above = above->parent) {
        if (auto* game = dynamic_cast<FormGames*>(above)) {
            game->OnCommand(element);
            return;
        }
    }
}

// ---- The element list ----

void FormGames::AddSprite(GameElement& element) { elements.push_back(&element); }

}  // namespace OrloUtility
