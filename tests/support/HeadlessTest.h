// Fixture for tests that need the platform: a fresh headless backend and empty platform state
// for every test, torn down again afterwards so no window outlives its test.
#pragma once

#include <gtest/gtest.h>

#include "MessageLog.h"
#include "backends/headless/HeadlessBackend.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend_ = &platform::InstallHeadlessBackend(Options());
        Log().Clear();
    }
    // Windows still open are destroyed first, so the controls among them free what they hold:
    // replacing the platform state sends them nothing.
    void TearDown() override {
        while (HWND top = FindWindowW(nullptr, nullptr)) DestroyWindow(top);
        platform::InstallHeadlessBackend();
    }

    // Tests that need another start time or screen override this.
    virtual platform::HeadlessOptions Options() const { return {}; }

    platform::HeadlessBackend& Backend() { return *backend_; }

private:
    platform::HeadlessBackend* backend_ = nullptr;
};
