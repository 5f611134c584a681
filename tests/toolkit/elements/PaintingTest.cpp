// What the toolkit paints: an owner-drawn button's image, outline and text position for each
// state, and a form's background colour surviving a repaint. Every test leaves as many
// drawing objects alive as it found.
#include <vector>

#include "ElementTest.h"
#include "core/gdi/GdiObjects.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/elements/Button.h"

namespace {

using namespace OrloUtility;

constexpr int kImageSize = 16;
constexpr COLORREF kImageColour = RGB(220, 40, 40);
constexpr COLORREF kDisabledImageColour = RGB(40, 40, 220);
constexpr COLORREF kDisabledOutline = RGB(0x69, 0x69, 0x69);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Keeps what DrawImage answered when the form drew the button.
class RecordingButton : public Button {
public:
    using Button::Button;
    int DrawImage(Drawing& surface, const RECT& item, bool pressed) override {
        textStart = Button::DrawImage(surface, item, pressed);
        return textStart;
    }
    int textStart = -1;
};

class PaintingTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        form_ = MakeForm();
        objects_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        form_.reset();
        bitmaps_.clear();
        Backend().PumpUntilIdle();
        EXPECT_EQ(platform::CountGdiObjects(), objects_) << "a drawing object leaked";
        ElementTest::TearDown();
    }

    // A square bitmap of one colour, deleted by the fixture.
    HBITMAP SolidImage(COLORREF colour) {
        OwnedContext screen(CreateCompatibleDC(nullptr));
        HDC window = GetDC(form_->Handle());
        HBITMAP bitmap = CreateCompatibleBitmap(window, kImageSize, kImageSize);
        ReleaseDC(form_->Handle(), window);
        HGDIOBJ previous = SelectObject(screen.get(), bitmap);
        OwnedBrush brush(CreateSolidBrush(colour));
        RECT all{0, 0, kImageSize, kImageSize};
        FillRect(screen.get(), &all, brush.get());
        SelectObject(screen.get(), previous);
        bitmaps_.emplace_back(bitmap);
        return bitmap;
    }

    COLORREF Pixel(const GUIElement& element, int x, int y) { return Backend().WindowPixel(element.Handle(), x, y); }

    std::unique_ptr<Form> form_;
    std::vector<OwnedBitmap> bitmaps_;
    platform::GdiCounts objects_{};
};

struct ImageCase {
    const char* name;
    bool image;
    bool disabledImage;
    bool enabled;
    bool textAfterImage;
    COLORREF shown;  // CLR_INVALID: no image shows
};

TEST_F(PaintingTest, AnOwnerDrawnButtonShowsTheImageForItsStateAndStartsItsTextAfterIt) {
    const ImageCase cases[] = {
        {"no image", false, false, true, false, CLR_INVALID},
        {"a 16-pixel image", true, false, true, true, kImageColour},
        {"disabled, with a disabled image", true, true, false, true, kDisabledImageColour},
        {"disabled, without a disabled image", true, false, false, false, CLR_INVALID},
    };
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingButton button(form_.get(), "Gioca");
        button.ownerDrawn = true;
        button.enabled = c.enabled;
        if (c.image) button.image = SolidImage(kImageColour);
        if (c.disabledImage) button.disabledImage = SolidImage(kDisabledImageColour);
        button.Create();
        Backend().PumpUntilIdle();

        // The image sits 5 pixels from the left edge, centred vertically; the text box starts
        // 8 pixels past the image's width: 24 from the left edge.
        const int imageTop = (button.height - kImageSize) / 2;
        EXPECT_EQ(button.textStart, c.textAfterImage ? kImageSize + 8 : 0);
        const COLORREF middle = Pixel(button, 5 + kImageSize / 2, imageTop + kImageSize / 2);
        if (c.shown != CLR_INVALID) {
            EXPECT_EQ(middle, c.shown);
            EXPECT_EQ(Pixel(button, 5, imageTop), c.shown) << "top-left corner of the image";
            EXPECT_NE(Pixel(button, 4, imageTop), c.shown) << "left of the image";
        } else {
            EXPECT_NE(middle, kImageColour);
            EXPECT_NE(middle, kDisabledImageColour);
        }
        DestroyWindow(button.Handle());
    }
}

TEST_F(PaintingTest, AnOwnerDrawnButtonsOutlineShowsWhetherItIsPressedOrDisabled) {
    Button button(form_.get(), "OK");
    button.ownerDrawn = true;
    button.x = button.y = 10;
    button.Create();
    Backend().PumpUntilIdle();
    const COLORREF normal = Pixel(button, 0, 0);

    Backend().MouseDown(form_->Handle(), 20, 20);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(button, 0, 0), kWhite - normal) << "pressed: the inverse of the text colour";
    Backend().MouseUp(form_->Handle(), 20, 20);
    EnableWindow(button.Handle(), FALSE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(button, 0, 0), kDisabledOutline);
}

TEST_F(PaintingTest, AnOwnerDrawnButtonsTextSitsInItsMiddle) {
    Button button(form_.get(), "Colour");
    button.ownerDrawn = true;
    button.x = button.y = 10;
    button.Create();
    SetFocus(form_->Handle());  // no focus rectangle across the rows searched
    Backend().PumpUntilIdle();

    // The first and last rows inside the outline where anything but the face shows: the text.
    const COLORREF face = Pixel(button, 2, 2);
    int top = -1, bottom = -1;
    for (int y = 1; y < button.height - 1; ++y) {
        for (int x = 2; x < button.width - 2; ++x) {
            if (Pixel(button, x, y) == face) continue;
            if (top < 0) top = y;
            bottom = y;
            break;
        }
    }
    ASSERT_GE(top, 0) << "the text shows";
    EXPECT_NEAR((top + bottom) / 2, button.height / 2, 3) << "text from row " << top << " to " << bottom;
}

TEST_F(PaintingTest, ABackgroundColourIsPaintedAtOnceAndAgainOnEveryRepaint) {
    constexpr COLORREF kField = RGB(10, 120, 200);
    form_->SetBackColor(kField);
    EXPECT_EQ(Pixel(*form_, 5, 5), kField);

    InvalidateRect(form_->Handle(), nullptr, TRUE);  // the class background is erased first
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(*form_, 5, 5), kField);
    RECT client{};
    GetClientRect(form_->Handle(), &client);
    EXPECT_EQ(Pixel(*form_, client.right - 1, client.bottom - 1), kField) << "the far corner too";
}

}  // namespace
