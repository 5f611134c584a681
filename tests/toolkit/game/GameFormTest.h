// Fixture for tests of game forms: a fresh platform and toolkit, game forms made the way the
// program makes them, an 800 by 600 background picture in which every pixel differs from its
// neighbours, and readers for what the scene and the window show. Every drawing object the
// test made must be gone once its forms are, or the test fails.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "FreshState.h"
#include "Screenshot.h"
#include "toolkit/ToolkitState.h"
#include "toolkit/drawing/DrawingTest.h"
#include "toolkit/game/FormGames.h"

class GameFormTest : public DrawingTest {
protected:
    inline static const HINSTANCE kProgram = reinterpret_cast<HINSTANCE>(0x400000);
    static constexpr int kFieldWidth = 800;
    static constexpr int kFieldHeight = 600;

    void SetUp() override {
        DrawingTest::SetUp();
        ReplaceWithFresh(OrloUtility::Toolkit());
    }
    void TearDown() override {
        screenshot_.reset();
        forms_.clear();
        background_.reset();
        while (HWND top = FindWindowW(nullptr, nullptr)) DestroyWindow(top);
        DrawingTest::TearDown();
    }

    // A game form of class `Game`, after its first messages; the fixture destroys it.
    template <class Game = OrloUtility::FormGames, class... Arguments>
    Game& MakeGame(Arguments&&... arguments) {
        auto game = std::make_unique<Game>(kProgram, "Astrovex", std::forward<Arguments>(arguments)...);
        Game& made = *game;
        forms_.push_back(std::move(game));
        if (!screenshot_) screenshot_ = std::make_unique<ScreenshotOnFailure>(made.Handle());
        Backend().PumpUntilIdle();
        return made;
    }
    // Destroys a form made by MakeGame now.
    void DestroyGame(OrloUtility::FormGames& game) {
        if (screenshot_) screenshot_.reset();
        std::erase_if(forms_, [&](const auto& form) { return form.get() == &game; });
    }

    // The background picture, made once and kept by the fixture (as the game's picture cache
    // keeps its pictures).
    HBITMAP Background() {
        if (!background_) background_.reset(PatternBitmap(kFieldWidth, kFieldHeight));
        return background_.get();
    }
    // What the pattern holds at (x, y): never black, never a marker colour.
    static COLORREF PatternAt(int x, int y) { return RGB(1 + x % 200, 1 + y % 200, 1 + (x / 200) * 40 + (y / 200) * 7); }
    static HBITMAP PatternBitmap(int width, int height) {
        std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF c = PatternAt(x, y);
                bits[static_cast<std::size_t>(y) * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        return CreateBitmap(width, height, 1, 32, bits.data());
    }

    // One frame that draws the background, as the game's level start does.
    void ShowBackground(OrloUtility::FormGames& game) {
        game.BeginFrame(false);
        game.SetBackground(Background());
        game.EndFrame();
    }

    static Pixels SceneBlock(OrloUtility::FormGames& game, int x, int y, int width, int height) {
        return Block(game.Scene()->Context(), x, y, width, height);
    }
    Pixels WindowBlock(OrloUtility::FormGames& game, int x, int y, int width, int height) {
        Pixels pixels = Filled(width, height, 0);
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                pixels[row][column] = Backend().WindowPixel(game.Handle(), x + column, y + row);
        return pixels;
    }
    static Pixels Block(HDC context, int x, int y, int width, int height) {
        Pixels pixels = Filled(width, height, 0);
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                pixels[row][column] = GetPixel(context, x + column, y + row);
        return pixels;
    }
    // Whether the window shows exactly what the scene holds, over the whole client area; read
    // row by row from the platform's own pixels, as comparing 480,000 pixels one call at a
    // time is slow.
    testing::AssertionResult WindowShowsScene(OrloUtility::FormGames& game) {
        int outerWidth = 0, outerHeight = 0;
        std::vector<std::uint32_t> screen;
        auto* scene = platform::FindGdi<platform::BitmapObject>(
            GetCurrentObject(game.Scene()->Context(), OBJ_BITMAP), platform::GdiObject::Kind::Bitmap);
        if (!Backend().WindowImage(game.Handle(), outerWidth, outerHeight, screen) || !scene)
            return testing::AssertionFailure() << "no window pixels or no scene";
        RECT outer{}, client{};
        GetWindowRect(game.Handle(), &outer);
        GetClientRect(game.Handle(), &client);
        POINT origin{0, 0};
        ClientToScreen(game.Handle(), &origin);
        const int left = origin.x - outer.left, top = origin.y - outer.top;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) {
                const std::uint32_t shown = screen[static_cast<std::size_t>(top + y) * outerWidth + left + x];
                if (shown != scene->Row(y)[x])
                    return testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): window 0x"
                                                       << std::hex << shown << ", scene 0x" << scene->Row(y)[x];
            }
        return testing::AssertionSuccess();
    }

    // Equal blocks, or where the first difference lies (a whole block would flood the log).
    static testing::AssertionResult SamePixels(const Pixels& shown, const Pixels& expected) {
        if (shown.size() != expected.size()) return testing::AssertionFailure() << "different heights";
        for (std::size_t y = 0; y < shown.size(); ++y) {
            if (shown[y].size() != expected[y].size()) return testing::AssertionFailure() << "different widths";
            for (std::size_t x = 0; x < shown[y].size(); ++x)
                if (shown[y][x] != expected[y][x])
                    return testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): 0x"
                                                       << std::hex << shown[y][x] << " instead of 0x" << expected[y][x];
        }
        return testing::AssertionSuccess();
    }

private:
    std::vector<std::unique_ptr<OrloUtility::FormGames>> forms_;
    OrloUtility::OwnedBitmap background_;
    std::unique_ptr<ScreenshotOnFailure> screenshot_;
};
