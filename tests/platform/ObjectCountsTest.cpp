// The platform's object counts follow what a program makes and releases.
#include "HeadlessTest.h"
#include "core/ObjectCounts.h"

namespace {

using platform::CountObjects;
using platform::ObjectCounts;

class ObjectCountsTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        className_ = RegisterLoggingClass();
    }

    HWND Window(HWND parent = nullptr) {
        return CreateWindowExW(0, className_, L"Counted", parent ? WS_CHILD : WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                               parent, nullptr, nullptr, nullptr);
    }

    LPCWSTR className_ = nullptr;
};

TEST_F(ObjectCountsTest, WindowsAndTheirTimersAreCountedUntilTheWindowGoes) {
    const ObjectCounts before = CountObjects();
    HWND top = Window();
    ASSERT_TRUE(top);
    ASSERT_TRUE(Window(top));
    SetTimer(top, 1, 20, nullptr);
    SetTimer(top, 2, 50, nullptr);
    SetTimer(top, 2, 70, nullptr);
    ObjectCounts expected = before;
    expected.windows += 2;
    expected.timers += 2;
    EXPECT_EQ(CountObjects(), expected) << "a timer set again is the same timer";

    KillTimer(top, 1);
    expected.timers -= 1;
    EXPECT_EQ(CountObjects(), expected);

    DestroyWindow(top);
    EXPECT_EQ(CountObjects(), before) << "the child and the remaining timer go with the window";
}

TEST_F(ObjectCountsTest, DrawingObjectsAndContextsAreCountedUntilDeleted) {
    const ObjectCounts before = CountObjects();
    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ stock = GetStockObject(BLACK_BRUSH);
    ObjectCounts counts = CountObjects();
    EXPECT_EQ(counts.gdi.contexts, before.gdi.contexts + 1);
    EXPECT_EQ(counts.gdi.bitmaps, before.gdi.bitmaps + 1);
    EXPECT_EQ(counts.gdi.brushes, before.gdi.brushes) << "stock objects are not counted";
    EXPECT_EQ(counts.windows, before.windows);

    DeleteObject(bitmap);
    DeleteDC(context);
    DeleteObject(stock);
    EXPECT_EQ(CountObjects(), before);
}

}  // namespace
