// The version dialog, opened for real.
#include <gtest/gtest.h>

#include "win/owners.h"
#include "ui/version_dialog.h"
#include "tests/ui/dialog_test_support.h"

namespace {

constexpr int kTextField = 2001;

class VersionDialogTest : public DialogFixture {
protected:
    ModalOwner owner_;
};

TEST_F(VersionDialogTest, RightClickAnywhereClosesIt) {
    for (POINT at : {POINT{5, 5}, POINT{150, 120}}) {
        int waits = 0;
        owner_.onDialogIdle = [&](int, HWND dialog) {
            if (waits++ > 0) return;
            PostMessageA(dialog, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
        };
        ShowVersionDialog(owner_.Window(), theme_);
        EXPECT_EQ(1, waits);
    }
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(VersionDialogTest, OkAndCloseCommandsEndIt) {
    for (WPARAM command : {IDOK, IDCANCEL}) {
        owner_.onDialogIdle = [&](int, HWND dialog) { PostMessageA(dialog, WM_COMMAND, command, 0); };
        ShowVersionDialog(owner_.Window(), theme_);
    }
    EXPECT_EQ(0, owner_.givenUp);
}

TEST_F(VersionDialogTest, ShowsTheVersionTextFromItsFirstLineOnWhiteBesideTheMainWindow) {
    std::string text;
    RECT placed{};
    LONG style = 0;
    INT_PTR brush = 0;
    LRESULT firstVisibleLine = -1;
    DWORD selectionStart = 1, selectionEnd = 0;
    owner_.onDialogIdle = [&](int, HWND dialog) {
        HWND field = GetDlgItem(dialog, kTextField);
        text = TextOf(field);
        firstVisibleLine = SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0);
        SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                     reinterpret_cast<LPARAM>(&selectionEnd));
        style = GetWindowLongA(field, GWL_STYLE);
        placed = ScreenRectOf(dialog);
        WindowDC dc(field);
        brush = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                             reinterpret_cast<LPARAM>(field));
        PostMessageA(dialog, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    };
    ShowVersionDialog(owner_.Window(), theme_);
    RECT main = ScreenRectOf(owner_.Window());
    EXPECT_EQ(main.left + 50, placed.left);
    EXPECT_EQ(main.top + 50, placed.top);
    EXPECT_EQ(200, placed.right - placed.left);
    EXPECT_EQ(150, placed.bottom - placed.top);
    EXPECT_EQ(0u, text.find("Tessary version:1.20 \r\n"));
    size_t lastBreak = text.rfind("\r\n");
    ASSERT_NE(std::string::npos, lastBreak);
    EXPECT_EQ(" -ご利用ありがとうございます-", text.substr(lastBreak + 2));
    EXPECT_NE(std::string::npos, text.find("\r\n\r\n"));
    EXPECT_NE(std::string::npos, text.find("Tessary developers"));
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH)), brush);
    // The text opens at its first line, with nothing selected.
    EXPECT_EQ(0, firstVisibleLine);
    EXPECT_EQ(selectionStart, selectionEnd);
}

}  // namespace

namespace {

TEST_F(VersionDialogTest, OkButtonAndTitleMenuCloseIt) {
    owner_.onDialogIdle = [](int wait, HWND dialog) {
        if (wait == 0) ClickControl(GetDlgItem(dialog, 2003));
    };
    ShowVersionDialog(owner_.Window(), theme_);
    MenuKeys chooseClose({VK_DOWN, VK_RETURN});
    owner_.onDialogIdle = [](int wait, HWND dialog) {
        if (wait == 0) ClickControl(GetDlgItem(dialog, 2002));
    };
    ShowVersionDialog(owner_.Window(), theme_);
    EXPECT_TRUE(chooseClose.MenuSeen());
    EXPECT_EQ(0, owner_.givenUp);
}

}  // namespace
