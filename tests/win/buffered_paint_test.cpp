#include "win/buffered_paint.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "win/owners.h"
#include "tests/support/test_support.h"

namespace {

constexpr COLORREF kLeftColour = RGB(200, 30, 40);
constexpr COLORREF kRightColour = RGB(20, 60, 220);
constexpr COLORREF kLaterLeftColour = RGB(30, 180, 50);
constexpr COLORREF kLaterRightColour = RGB(240, 200, 10);
constexpr int kWidth = 120;
constexpr int kHeight = 80;

// A visible window painted through the buffer: its left half in one colour and its right half in
// another.
class PaintedWindow {
public:
    PaintedWindow()
        : window_(CreateTestWindow("TsyBufferedPaintTest", Procedure, WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, kWidth,
                                   kHeight, this)) {}
    ~PaintedWindow() { DestroyWindow(window_); }
    PaintedWindow(const PaintedWindow&) = delete;
    PaintedWindow& operator=(const PaintedWindow&) = delete;

    HWND Get() const { return window_; }
    COLORREF PixelAt(int x, int y) const {
        WindowDC dc(window_);
        return GetPixel(dc.Get(), x, y);
    }

    COLORREF left = kLeftColour;
    COLORREF right = kRightColour;
    int paints = 0;
    RECT clientSeen{};

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<PaintedWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_ERASEBKGND) return 1;
        if (message != WM_PAINT || !self) return DefWindowProcA(window, message, wParam, lParam);
        ++self->paints;
        BufferedPaint paint(window);
        if (!paint.Dc()) return 0;
        self->clientSeen = paint.Client();
        RECT left = paint.Client();
        RECT right = paint.Client();
        left.right = right.left = paint.Client().right / 2;
        Brush leftBrush(CreateSolidBrush(self->left));
        Brush rightBrush(CreateSolidBrush(self->right));
        FillRect(paint.Dc(), &left, leftBrush.Get());
        FillRect(paint.Dc(), &right, rightBrush.Get());
        return 0;
    }

    HWND window_;
};

class BufferedPaintTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, window_.Get());
        UpdateWindow(window_.Get());
    }
    PaintedWindow window_;
};

TEST_F(BufferedPaintTest, WhatIsDrawnInTheBufferReachesTheWindowWhichIsThenValid) {
    EXPECT_GT(window_.paints, 0);
    EXPECT_EQ(kWidth, window_.clientSeen.right);
    EXPECT_EQ(kHeight, window_.clientSeen.bottom);
    EXPECT_EQ(kLeftColour, window_.PixelAt(5, 5));
    EXPECT_EQ(kLeftColour, window_.PixelAt(kWidth / 2 - 1, kHeight - 1));
    EXPECT_EQ(kRightColour, window_.PixelAt(kWidth / 2, 0));
    EXPECT_EQ(kRightColour, window_.PixelAt(kWidth - 1, kHeight - 1));
    EXPECT_FALSE(GetUpdateRect(window_.Get(), nullptr, FALSE));
}

TEST_F(BufferedPaintTest, OnlyThePartThatNeededPaintingChangesAndInItsOwnPlace) {
    window_.left = kLaterLeftColour;
    window_.right = kLaterRightColour;
    // A strip across the middle, away from the corner: copied from the buffer's corner instead of
    // its own place, it would show the left colour where the right one belongs.
    RECT strip{kWidth / 2 - 10, 20, kWidth - 5, 40};
    InvalidateRect(window_.Get(), &strip, FALSE);
    UpdateWindow(window_.Get());
    EXPECT_EQ(kLaterLeftColour, window_.PixelAt(strip.left, strip.top));
    EXPECT_EQ(kLaterLeftColour, window_.PixelAt(kWidth / 2 - 1, strip.bottom - 1));
    EXPECT_EQ(kLaterRightColour, window_.PixelAt(kWidth / 2, strip.top));
    EXPECT_EQ(kLaterRightColour, window_.PixelAt(strip.right - 1, strip.bottom - 1));
    EXPECT_EQ(kLeftColour, window_.PixelAt(strip.left - 1, strip.top));
    EXPECT_EQ(kRightColour, window_.PixelAt(strip.right, strip.top));
    EXPECT_EQ(kRightColour, window_.PixelAt(kWidth / 2, strip.bottom));
    EXPECT_FALSE(GetUpdateRect(window_.Get(), nullptr, FALSE));
}

}  // namespace
