#include "win/text_extent.h"

#include <gtest/gtest.h>

#include "win/owners.h"

namespace {

// A window whose device context lives as long as it does, so that what MeasureText leaves
// selected in it can be seen afterwards.
class OwnDcWindow {
public:
    OwnDcWindow() {
        WNDCLASSA windowClass{};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    ~OwnDcWindow() {
        if (window_) DestroyWindow(window_);
    }
    OwnDcWindow(const OwnDcWindow&) = delete;
    OwnDcWindow& operator=(const OwnDcWindow&) = delete;
    HWND Get() const { return window_; }

private:
    static constexpr const char* kClassName = "TsyTextExtentTest";
    HWND window_;
};

Font GothicOfHeight(int height) {
    return Font(CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ Ｐゴシック"));
}

class TextExtentTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_.Get());
        ASSERT_TRUE(small_);
        ASSERT_TRUE(large_);
    }
    OwnDcWindow window_;
    Font small_ = GothicOfHeight(12);
    Font large_ = GothicOfHeight(30);
};

TEST_F(TextExtentTest, LongerTextIsWider) {
    SIZE shortText = MeasureText(window_.Get(), small_.Get(), "abc");
    SIZE longText = MeasureText(window_.Get(), small_.Get(), "abcabc");
    EXPECT_GT(shortText.cx, 0);
    EXPECT_GT(longText.cx, shortText.cx);
    EXPECT_EQ(shortText.cy, longText.cy);
}

TEST_F(TextExtentTest, DoubleByteTextIsMeasuredByCharacter) {
    SIZE two = MeasureText(window_.Get(), small_.Get(), "日本");
    SIZE three = MeasureText(window_.Get(), small_.Get(), "日本語");
    EXPECT_GT(two.cx, 0);
    EXPECT_GT(three.cx, two.cx);
}

TEST_F(TextExtentTest, BiggerFontIsTallerAndWider) {
    SIZE small = MeasureText(window_.Get(), small_.Get(), "Tessary 表");
    SIZE large = MeasureText(window_.Get(), large_.Get(), "Tessary 表");
    EXPECT_GT(small.cy, 0);
    EXPECT_GT(large.cy, small.cy);
    EXPECT_GT(large.cx, small.cx);
}

TEST_F(TextExtentTest, EmptyTextHasNoWidth) { EXPECT_EQ(0, MeasureText(window_.Get(), small_.Get(), "").cx); }

TEST_F(TextExtentTest, WindowKeepsTheFontItHadBefore) {
    WindowDC dc(window_.Get());
    HGDIOBJ before = GetCurrentObject(dc.Get(), OBJ_FONT);
    ASSERT_NE(before, static_cast<HGDIOBJ>(large_.Get()));
    MeasureText(window_.Get(), large_.Get(), "abc");
    EXPECT_EQ(before, GetCurrentObject(dc.Get(), OBJ_FONT));
}

}  // namespace
