// Fixture for tests of the toolkit's elements: a fresh platform and a fresh toolkit (no
// elements, id counter at 0, no main window, no active form) for every test, and forms made
// the way the program makes them.
#pragma once

#include <memory>

#include "FreshState.h"
#include "HeadlessTest.h"
#include "toolkit/ToolkitState.h"
#include "toolkit/elements/Form.h"

class ElementTest : public HeadlessTest {
protected:
    // Any non-null value stands for the program's module.
    inline static const HINSTANCE kProgram = reinterpret_cast<HINSTANCE>(0x400000);

    void SetUp() override {
        HeadlessTest::SetUp();
        ReplaceWithFresh(OrloUtility::Toolkit());
    }
    // Windows still open are destroyed, so their controls free what they hold: replacing the
    // platform state sends them nothing.
    void TearDown() override {
        while (HWND top = FindWindowW(nullptr, nullptr)) DestroyWindow(top);
        HeadlessTest::TearDown();
    }

    // A form with its window made, at (x, y) and width by height, after its first messages.
    std::unique_ptr<OrloUtility::Form> MakeForm(int x = 100, int y = 100, int width = 400, int height = 300) {
        auto form = std::make_unique<OrloUtility::Form>(kProgram);
        form->x = x;
        form->y = y;
        form->width = width;
        form->height = height;
        form->Create();
        Backend().PumpUntilIdle();
        return form;
    }
};
