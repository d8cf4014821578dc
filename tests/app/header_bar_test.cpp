// The main list's header bar in the program running in this process: its buttons clicked, its
// menus opened with their keys and driven from the keyboard, paths typed into its box, and its
// picture.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "shell/item_lists.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/ui/control_test_host.h"
#include "tests/support/idle_driver.h"
#include "tests/ui/menu_test_support.h"

namespace {

class HeaderBarProgramTest : public ProgramFolderTest {
protected:
    // The cursor goes back where it was, so that it does not lie over a later test's menu.
    void SetUp() override { GetCursorPos(&cursor_); }
    void TearDown() override { PlaceCursor(cursor_); }
    // The program showing the folder made last of `folders`, each made inside the one before.
    void Start(const std::vector<std::string>& folders) {
        Set("LIST", "DEFSTYLE", "3");
        StartOptions options = Options();
        for (const std::string& folder : folders) options.arguments = {MakeFolder(folder.c_str())};
        program_ = std::make_unique<RunningProgram>(options);
        ASSERT_TRUE(program_->Window());
        auto executor = std::make_unique<RecordingExecutor>();
        executor_ = executor.get();
        program_->Context().executor = std::move(executor);
        // Menus open under the buttons, never over the path box; a cursor left over one would
        // choose its item.
        MoveMouse(Header().PathBox(), 20, 5);
    }
    HeaderBar& Header() { return program_->Main().MainList().Header(); }
    std::vector<std::string> History() {
        std::vector<std::string> paths;
        for (const tabs::FolderPtr& folder : program_->Main().Tabs().History(1)) paths.push_back(folder->Path());
        return paths;
    }
    std::string Shown() {
        char text[MAX_PATH] = {};
        GetWindowTextA(Header().PathBox(), text, sizeof text);
        return text;
    }
    std::string Path(const std::string& relative) { return folder_.Path() + relative; }
    void Click(SkinnedButton* button) {
        MoveMouse(button->Window(), 5, 5);
        PressLeft(button->Window());
        ReleaseLeft(button->Window());
    }
    void TypePath(const std::string& path) {
        SetWindowTextA(Header().PathBox(), path.c_str());
        TypeInto(Header().PathBox(), VK_RETURN);
    }
    // Picks an item of the next menu by its keys, and counts the menu's items.
    std::unique_ptr<IdleDriver> Pick(std::vector<UINT> keys) {
        auto driver = std::make_unique<IdleDriver>(program_->Window());
        driver->onMenu = [this, keys](HWND menu) {
            menuItems_ = GetMenuItemCount(MenuOf(menu));
            for (UINT key : keys) PostMessageA(menu, WM_KEYDOWN, key, 0);
        };
        return driver;
    }

    std::unique_ptr<RunningProgram> program_;
    RecordingExecutor* executor_ = nullptr;
    int menuItems_ = 0;
    POINT cursor_{};
};

TEST_F(HeaderBarProgramTest, UpTwiceAndBackTwiceReturnToTheStartAndLeaveBackDisabled) {
    Start({"一", "一\\二"});
    EXPECT_FALSE(Header().BackButton()->Enabled());
    Click(Header().UpButton());
    EXPECT_EQ(Path("一"), Shown());
    EXPECT_TRUE(Header().BackButton()->Enabled());
    Click(Header().UpButton());
    Click(Header().BackButton());
    Click(Header().BackButton());
    EXPECT_EQ(Path("一\\二"), Shown());
    EXPECT_FALSE(Header().BackButton()->Enabled());
    EXPECT_TRUE(History().empty());
}

TEST_F(HeaderBarProgramTest, TheAncestorMenuReachesTheDesktopWhereUpIsDisabledAndBackspaceDoesNothing) {
    Start({"一", "一\\二"});
    auto driver = Pick({VK_UP, VK_RETURN});
    TypeKeys(program_->Main().MainList().Window(), {VK_CONTROL}, {VK_BACK});
    ASSERT_EQ(1, driver->menusSeen);
    EXPECT_EQ(static_cast<int>(ItemListDepth(ShellListOf(Path("一\\二")).Get())) - 1, menuItems_);
    EXPECT_EQ(std::vector<std::string>{Path("一\\二")}, History());
    EXPECT_FALSE(Header().UpButton()->Enabled());
    std::string desktop = Shown();
    TypeInto(program_->Main().MainList().Window(), VK_BACK);
    Click(Header().UpButton());
    EXPECT_EQ(desktop, Shown());
    EXPECT_EQ(1u, History().size());
}

TEST_F(HeaderBarProgramTest, ChoosingTheThirdHistoryEntryShowsItAndRemovesTheThreeNewest) {
    Start({"一", "一\\二", "一\\二\\三", "一\\二\\三\\四"});
    for (int up = 0; up < 4; ++up) Click(Header().UpButton());
    ASSERT_EQ(4u, History().size());
    auto driver = Pick({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    TypeKeys(program_->Main().MainList().Window(), {VK_CONTROL, VK_MENU}, {VK_LEFT});
    EXPECT_EQ(4, menuItems_);
    EXPECT_EQ(Path("一\\二\\三"), Shown());
    EXPECT_EQ(std::vector<std::string>{Path("一\\二\\三\\四")}, History());
}

TEST_F(HeaderBarProgramTest, ATypedFolderEndingInABackslashIsShownAndATypedFileIsStartedLeavingTheList) {
    // The second byte of 表 is a backslash's; only the real backslash after it goes.
    std::string table = MakeFolder("表");
    ASSERT_TRUE(WriteBytes(Path("メモ.txt"), "memo"));
    Start({"一"});
    TypePath(table + "\\");
    EXPECT_EQ(table, Shown());
    TypePath(Path("メモ.txt"));
    ASSERT_EQ(1u, executor_->requests.size());
    EXPECT_EQ(Path("メモ.txt"), executor_->requests[0].file);
    EXPECT_EQ(table, Shown());
    EXPECT_EQ(std::vector<std::string>{Path("一")}, History());
}

TEST_F(HeaderBarProgramTest, TheStyleMenuGivesTheListTheChosenStyle) {
    Start({"一"});
    ListPane& list = program_->Main().MainList();
    ASSERT_EQ(kDetailsStyle, list.Style());
    auto driver = Pick({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    Click(Header().StyleButton());
    EXPECT_EQ(kListStyle, list.Style());
    EXPECT_EQ(LVS_LIST, GetWindowLongPtrA(list.Window(), GWL_STYLE) & LVS_TYPEMASK);
}

TEST_F(HeaderBarProgramTest, TheBarIsWhiteWithATwoPixelBottomLineAndASeparatorBeforeThePathBox) {
    Start({"一"});
    RECT client{};
    GetClientRect(Header().Window(), &client);
    Canvas32 canvas(client.right, client.bottom);
    SendMessageA(Header().Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    int bottom = client.bottom - 1;
    std::vector<COLORREF> across = {canvas.Pixel(108, 5), canvas.Pixel(109, 5), canvas.Pixel(110, 5),
                                    canvas.Pixel(111, 5)};
    EXPECT_EQ((std::vector<COLORREF>{white, black, black, white}), across);
    std::vector<COLORREF> down = {canvas.Pixel(200, bottom - 2), canvas.Pixel(200, bottom - 1),
                                  canvas.Pixel(200, bottom)};
    EXPECT_EQ((std::vector<COLORREF>{white, black, black}), down);
}

}  // namespace
