// The name dialog, opened for real.
#include <gtest/gtest.h>

#include "ui/name_dialog.h"
#include "tests/ui/dialog_test_support.h"
#include "ui/button_skins.h"
#include "ui/control_window.h"

namespace {

constexpr int kNameField = 1601;

class NameDialogTest : public DialogFixture {
protected:
    int RunWith(std::string& name, const std::function<void(HWND)>& act) {
        owner_.onDialogIdle = [&, act](int wait, HWND dialog) {
            if (wait == 0) act(dialog);
        };
        return RunNameDialog(owner_.Window(), theme_, name);
    }
    ModalOwner owner_;
};

TEST_F(NameDialogTest, OkReturnsOneWithTheEditedName) {
    std::string name = "デスクトップ";
    std::string shown;
    bool focused = false;
    RECT placed{};
    int result = RunWith(name, [&](HWND dialog) {
        HWND field = GetDlgItem(dialog, kNameField);
        shown = TextOf(field);
        focused = GetFocus() == field;
        placed = ScreenRectOf(dialog);
        SetWindowTextA(field, "作業フォルダ");
        PressKey(VK_RETURN);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ("作業フォルダ", name);
    EXPECT_EQ("デスクトップ", shown);
    EXPECT_TRUE(focused);
    RECT main = ScreenRectOf(owner_.Window());
    EXPECT_EQ(main.left + 50, placed.left);
    EXPECT_EQ(main.top + 50, placed.top);
    EXPECT_EQ(360, placed.right - placed.left);
    EXPECT_EQ(110, placed.bottom - placed.top);
}

TEST_F(NameDialogTest, ExtraReturnsMinusOneAndEmptiesTheName) {
    std::string name = "デスクトップ";
    EXPECT_EQ(-1, RunWith(name, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, 1602, 0); }));
    EXPECT_EQ("", name);
}

TEST_F(NameDialogTest, CancelAndEscapeReturnZeroAndEmptyTheName) {
    std::string name = "デスクトップ";
    EXPECT_EQ(0, RunWith(name, [](HWND dialog) {
                  SetWindowTextA(GetDlgItem(dialog, kNameField), "変えた");
                  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
              }));
    EXPECT_EQ("", name);
    name = "デスクトップ";
    EXPECT_EQ(0, RunWith(name, [](HWND) { PressKey(VK_ESCAPE); }));
    EXPECT_EQ("", name);
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(NameDialogTest, NameIsCutAt255BytesWithoutSplittingACharacter) {
    std::string wide;
    for (int i = 0; i < 200; ++i) wide += "名";
    std::string name;
    EXPECT_EQ(1, RunWith(name, [&](HWND dialog) {
                  SetWindowTextA(GetDlgItem(dialog, kNameField), wide.c_str());
                  PressKey(VK_RETURN);
              }));
    EXPECT_EQ(wide.substr(0, 254), name);
}

}  // namespace

namespace {

constexpr int kTitleButton = 1603;
constexpr int kCloseButton = 1604;
constexpr int kOkButton = 1605;
constexpr int kExtraButton = 1606;
constexpr int kCancelButton = 1607;

TEST_F(NameDialogTest, ButtonsEndTheDialogWithTheirResults) {
    struct Case {
        int button;
        int result;
        const char* name;
    };
    const Case cases[] = {
        {kOkButton, 1, "変えた"},
        {kExtraButton, -1, ""},
        {kCancelButton, 0, ""},
        {kCloseButton, 0, ""},
    };
    for (const Case& expected : cases) {
        SCOPED_TRACE(expected.button);
        std::string name = "デスクトップ";
        int result = RunWith(name, [&](HWND dialog) {
            SetWindowTextA(GetDlgItem(dialog, kNameField), "変えた");
            ClickControl(GetDlgItem(dialog, expected.button));
        });
        EXPECT_EQ(expected.result, result);
        EXPECT_EQ(expected.name, name);
    }
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(NameDialogTest, TitleButtonMenuClosesLikeCancel) {
    std::string name = "デスクトップ";
    MenuKeys chooseClose({VK_DOWN, VK_RETURN});
    int result = RunWith(name, [](HWND dialog) { ClickControl(GetDlgItem(dialog, kTitleButton)); });
    EXPECT_TRUE(chooseClose.MenuSeen());
    EXPECT_EQ(0, result);
    EXPECT_EQ("", name);
    EXPECT_EQ(0, owner_.givenUp);
}

}  // namespace

namespace {

int ShownImage(HWND control) {
    auto* object = static_cast<ControlWindow*>(GetPropA(control, "CPP_CLASS"));
    return object ? object->CurrentImage() : -1;
}

TEST_F(NameDialogTest, TitleButtonLooksInactiveWhileTheDialogIs) {
    const ButtonSkin& skin = SkinOf(ButtonKind::NameTitle);
    ElsewhereWindow elsewhere;
    int active = -1, inactive = -1, activeAgain = -1;
    std::string name = "デスクトップ";
    RunWith(name, [&](HWND dialog) {
        HWND title = GetDlgItem(dialog, kTitleButton);
        active = ShownImage(title);
        elsewhere.Activate();
        inactive = ShownImage(title);
        SetForegroundWindow(dialog);
        activeAgain = ShownImage(title);
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(skin.looks[0].normal, active);
    EXPECT_EQ(skin.disabled, inactive);
    EXPECT_NE(active, inactive);
    EXPECT_EQ(skin.looks[0].normal, activeAgain);
}

}  // namespace
