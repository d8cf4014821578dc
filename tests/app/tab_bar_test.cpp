// The tab bar in the running program, driven by real mouse input: the system's own button, move
// and wheel messages, double clicks made by the system from two clicks, and Shift held down.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/datafile.h"
#include "core/launcher_file.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/idle_driver.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"
#include "win/datafile_io.h"
#include "win/subclass.h"

namespace {

class TabBarProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        Set("POSITION", "X", "0");
        Set("POSITION", "Y", "0");
        Set("SIZE", "WIDTH", "700");
        Set("SIZE", "HEIGHT", "400");
    }

    void Start(const std::vector<std::string>& folders) {
        program_ = StartOn(folders);
        ASSERT_TRUE(program_->Window());
    }

    MainWindow& Main() { return program_->Main(); }
    TabBar& Bar() { return Main().Bar(); }
    tabs::TabModel& Tabs() { return Main().Tabs(); }

    // The middle of a tab (or launcher entry) of the displayed row, on the screen.
    POINT TabPoint(int position, int dx = 0) {
        const tabs::TabRect& rect = Bar().Layout().rects[static_cast<size_t>(position - 1)];
        POINT point{(rect.left + rect.right) / 2 + dx, 10};
        ClientToScreen(Bar().Window(), &point);
        return point;
    }

    void DoubleClick(POINT screen) {
        MouseTo(screen);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
        Pump(500);
    }

    std::string MainListPath() { return ItemPath(Main().MainList().Model().Folder()); }
    std::string NameAt(int position) {
        const tabs::TabRecord* tab = Tabs().Tab(position);
        return tab ? tab->folder->DisplayName() : "<none>";
    }
    std::string Names() {
        std::string names;
        for (int position = 1; position <= Tabs().Count(); ++position) names += NameAt(position) + " ";
        return names;
    }
    bool TwoPane() { return Main().Layout().modes.mode == layout::kTwoPane; }

    std::unique_ptr<RunningProgram> program_;
};

TEST_F(TabBarProgramTest, AClickSelectsATabForTheMainListAndAShiftClickForTheSubList) {
    std::vector<std::string> folders = {MakeFolder("甲"), MakeFolder("乙"), MakeFolder("丙"), MakeFolder("丁")};
    Start(folders);
    ASSERT_EQ(4, Tabs().Count());
    ASSERT_EQ(1, Tabs().Selection(tabs::Pane::Main));
    ClickAt(TabPoint(3));
    EXPECT_EQ(3, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(folders[2], MainListPath());
    EXPECT_FALSE(TwoPane());

    // Under the virtual display the pointer's own events carry the display's modifiers, which never
    // include a Shift sent as input; so the Shift-click comes as the system's button messages.
    MouseTo(TabPoint(2));
    POINT at = TabPoint(2);
    ScreenToClient(Bar().Window(), &at);
    SendMessageA(Bar().Window(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(at.x, at.y));
    SendMessageA(Bar().Window(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(at.x, at.y));
    Pump(300);
    EXPECT_TRUE(TwoPane());
    EXPECT_EQ(2, Tabs().Selection(tabs::Pane::Sub));
    EXPECT_EQ(3, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(folders[1], ItemPath(Main().SubList().Model().Folder()));
}

TEST_F(TabBarProgramTest, DraggingTabTwoOntoTheRightHalfOfTabFourMovesItThereWithTheMark) {
    Start({MakeFolder("甲"), MakeFolder("乙"), MakeFolder("丙"), MakeFolder("丁")});
    const tabs::TabRect fourth = Bar().Layout().rects[3];
    MouseTo(TabPoint(2));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump(100);
    MouseTo(TabPoint(3));
    MouseTo(TabPoint(4, (fourth.right - fourth.left) / 2 - 3));
    EXPECT_EQ(5, Bar().InsertionMarkNow());
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(300);
    EXPECT_EQ("甲 丙 丁 乙 ", Names());
    EXPECT_EQ(4, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(0, Bar().InsertionMarkNow());
}

TEST_F(TabBarProgramTest, ADoubleClickClosesExactlyTheTabUnderItAndTheReleaseAfterItSelectsNothing) {
    Start({MakeFolder("甲"), MakeFolder("乙"), MakeFolder("丙"), MakeFolder("丁")});
    // The sub list's tab: the first click is for no list, the double click closes it and leaves
    // the two-pane view; the tab that moves under the cursor must not be selected by the release.
    ASSERT_TRUE(Tabs().Select(tabs::Pane::Sub, 3));
    Main().ToggleTwoPaneMode();
    ASSERT_TRUE(TwoPane());
    ASSERT_EQ(1, Tabs().Selection(tabs::Pane::Main));
    Pump(200);
    DoubleClick(TabPoint(3));
    EXPECT_EQ(3, Tabs().Count());
    EXPECT_EQ("甲 乙 丁 ", Names());
    EXPECT_FALSE(TwoPane());
    EXPECT_EQ(1, Tabs().Selection(tabs::Pane::Main));

    // The main list's tab: closed, and its neighbour takes its place once.
    ClickAt(TabPoint(2));
    ASSERT_EQ(2, Tabs().Selection(tabs::Pane::Main));
    DoubleClick(TabPoint(2));
    EXPECT_EQ("甲 丁 ", Names());
    EXPECT_EQ(2, Tabs().Selection(tabs::Pane::Main));
}

TEST_F(TabBarProgramTest, TheWheelOverTheBarSwitchesRowsByItsSignAndElsewhereScrollsOn) {
    Set("TAB", "BARNUM", "3");
    Set("SIZE", "WIDTH", "360");
    std::vector<std::string> folders;
    for (const char* name : {"一番目のフォルダ", "二番目のフォルダ", "三番目のフォルダ", "四番目のフォルダ",
                             "五番目のフォルダ", "六番目のフォルダ", "七番目のフォルダ", "八番目のフォルダ"})
        folders.push_back(MakeFolder(name));
    Start(folders);
    ASSERT_TRUE(tabbar::RowHoldsTabs(Bar().Layout(), 3));
    ASSERT_EQ(1, Bar().DisplayedRow());
    SetFocus(Main().MainList().Window());
    MouseTo(TabPoint(1));
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    Pump(200);
    EXPECT_EQ(2, Bar().DisplayedRow());
    // Two notches at once are still one turn towards the user.
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-2 * WHEEL_DELTA));
    Pump(200);
    EXPECT_EQ(3, Bar().DisplayedRow());
    EXPECT_FALSE(Bar().LauncherMode());
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(2 * WHEEL_DELTA));
    Pump(200);
    EXPECT_EQ(2, Bar().DisplayedRow());
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    Pump(200);
    EXPECT_TRUE(Bar().LauncherMode());
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    Pump(200);
    EXPECT_FALSE(Bar().LauncherMode());
    EXPECT_EQ(1, Bar().DisplayedRow());

    RECT list;
    GetWindowRect(Main().MainList().Window(), &list);
    MouseTo(POINT{(list.left + list.right) / 2, (list.top + list.bottom) / 2});
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    Pump(200);
    EXPECT_EQ(1, Bar().DisplayedRow());
    EXPECT_FALSE(Bar().LauncherMode());
}

TEST_F(TabBarProgramTest, TheTabTooltipShowsAPathLongerThanEightyBytes) {
    std::string path = MakeFolder("とても長い名前のフォルダその一");
    path = MakeFolder("とても長い名前のフォルダその一\\とても長い名前のフォルダその二");
    ASSERT_GT(path.size(), 90u);
    Start({MakeFolder("甲"), path});
    MouseTo(TabPoint(1));
    MouseTo(TabPoint(2));
    EXPECT_EQ(path, Bar().TipText());
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(Bar().Tooltip()) != FALSE; }, 3000));
    char shown[1024] = {};
    GetWindowTextA(Bar().Tooltip(), shown, sizeof shown);
    EXPECT_EQ(path, std::string(shown));
    // Leaving the bar hides the tip and lets the capture go.
    RECT list;
    GetWindowRect(Main().MainList().Window(), &list);
    MouseTo(POINT{(list.left + list.right) / 2, (list.top + list.bottom) / 2});
    EXPECT_TRUE(Bar().TipText().empty());
    EXPECT_NE(Bar().Window(), GetCapture());
}

class LauncherProgramTest : public TabBarProgramTest {
protected:
    // A copy of the helper program in the program folder, in launch.dat as the only entry.
    std::string PrepareRunner() {
        std::string runner = folder_.Path() + "runner.exe";
        EXPECT_TRUE(CopyFileA(TestProgramPath("tsy_append_line.exe").c_str(), runner.c_str(), FALSE));
        ItemIdList list = ShellListOf(runner);
        const auto* bytes = reinterpret_cast<const uint8_t*>(list.Get());
        datafile::PayloadWriter payload;
        EncodeLauncher({StoredItemList(bytes, bytes + ItemListSize(list.Get()))}, payload);
        std::vector<uint8_t> file = datafile::Frame(kLauncherFileVersion, payload.Bytes());
        CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
        EXPECT_TRUE(WriteBytes(folder_.Path() + "data\\launch.dat", std::string(file.begin(), file.end())));
        return runner + ".log";
    }
    static int Runs(const std::string& log) {
        std::string text = ReadBytes(log);
        int lines = 0;
        for (char c : text) lines += c == '\n';
        return lines;
    }
};

TEST_F(LauncherProgramTest, ADoubleClickRunsAnEntryExactlyOnceAndAClickRunsItAgain) {
    std::string log = PrepareRunner();
    Start({MakeFolder("甲")});
    ASSERT_EQ(1, Bar().Entries().Count());
    Bar().ToggleLauncherMode();
    ASSERT_EQ(1, Bar().Layout().lastRowCount);
    DoubleClick(TabPoint(1));
    ASSERT_TRUE(PumpUntil([&] { return Runs(log) >= 1; }, 10000));
    Pump(2000);
    EXPECT_EQ(1, Runs(log));
    // The double click closed no tab.
    EXPECT_EQ(1, Tabs().Count());
    ClickAt(TabPoint(1));
    ASSERT_TRUE(PumpUntil([&] { return Runs(log) >= 2; }, 10000));
    Pump(1000);
    EXPECT_EQ(2, Runs(log));
}

TEST_F(LauncherProgramTest, EntriesAreReadAtStartAndWrittenAtExitInTheirNewOrder) {
    PrepareRunner();
    std::string second = folder_.Path() + "second.txt";
    ASSERT_TRUE(WriteBytes(second, "x"));
    Start({MakeFolder("甲")});
    ItemIdList list = ShellListOf(second);
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    ASSERT_TRUE(SplitItemList(list.Get(), parent, child));
    ASSERT_TRUE(Bar().AddLauncherEntry(parent.Get(), child.Get(), 1));
    Bar().Entries().Move(1, 2);
    program_->Quit();
    DataFileContents file(folder_.Path() + "data\\launch.dat");
    ASSERT_TRUE(file.Valid());
    std::vector<StoredItemList> lists = DecodeLauncher(file.Payload());
    ASSERT_EQ(2u, lists.size());
    ItemIdList first = AllocateItemList(lists[0].size());
    std::memcpy(first.Get(), lists[0].data(), lists[0].size());
    ItemIdList last = AllocateItemList(lists[1].size());
    std::memcpy(last.Get(), lists[1].data(), lists[1].size());
    EXPECT_EQ(folder_.Path() + "runner.exe", ShellPathOf(first.Get()));
    EXPECT_EQ(second, ShellPathOf(last.Get()));
}

// Drives the popup menus that the main window owns: each time one waits for input, the test may
// change the tabs behind it and then picks an item by the keyboard.
class MenuDriver {
public:
    MenuDriver(HWND owner, std::function<void()> meanwhile, int itemsDown)
        : meanwhile_(std::move(meanwhile)), itemsDown_(itemsDown) {
        subclass_.Attach(owner, &MenuDriver::Procedure, this);
    }
    int opened = 0;

private:
    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<MenuDriver*>(context);
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && self->opened == 0) {
            ++self->opened;
            if (self->meanwhile_) self->meanwhile_();
            HWND menu = reinterpret_cast<HWND>(lParam);
            for (int step = 0; step < self->itemsDown_; ++step) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        }
        return Subclass::CallNext(window, message, wParam, lParam);
    }
    std::function<void()> meanwhile_;
    int itemsDown_;
    Subclass subclass_;
};

TEST_F(TabBarProgramTest, ATabMenuChoiceReachesItsTabEvenWhenTheTabsMovedWhileTheMenuWasOpen) {
    std::vector<std::string> folders = {MakeFolder("甲"), MakeFolder("乙"), MakeFolder("丙")};
    Start(folders);
    ASSERT_EQ(3, Tabs().Count());
    // The menu of 乙 offers rename, lock, close, sub selection; the second item is the lock.
    MenuDriver driver(
        program_->Window(), [this] { Main().Carry(Tabs().CloseTab(1)); }, 2);
    MouseTo(TabPoint(2));
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    Pump(500);
    ASSERT_EQ(1, driver.opened);
    ASSERT_EQ(2, Tabs().Count());
    EXPECT_EQ("乙", NameAt(1));
    EXPECT_TRUE(Tabs().Tab(1)->locked) << "the tab that was chosen, wherever it now stands";
    EXPECT_FALSE(Tabs().Tab(2)->locked);
}

// The bar's buttons, pressed with the real mouse; their menus are answered by keys as they wait.
class TabBarMenusTest : public TabBarProgramTest {
protected:
    void Press(SkinnedButton* button) { ClickAt(Centre(button)); }
    // Returns once the driver has answered the menu that the press opens, or after some seconds.
    void RightPress(SkinnedButton* button, const IdleDriver& driver) {
        int seen = driver.menusSeen;
        // From elsewhere, as a user comes to a button: a menu just closed over it left the pointer
        // with no window under it until it moves.
        POINT centre = Centre(button);
        MouseTo(POINT{centre.x + 3, centre.y + 3});
        MouseTo(centre);
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
        for (int wait = 0; wait < 50 && driver.menusSeen == seen; ++wait) Pump(100);
        Pump(200);
    }
    static POINT Centre(SkinnedButton* button) {
        RECT rect;
        GetWindowRect(button->Window(), &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    // Chooses the item at a position of each menu the window shows, in turn.
    void ChooseInMenus(IdleDriver& driver, std::vector<int> positions) {
        driver.onMenu = [&driver, positions](HWND menuWindow) {
            size_t index = static_cast<size_t>(driver.menusSeen - 1);
            if (index < positions.size()) ChooseItemAt(menuWindow, positions[index]);
            else
                PostKeys(menuWindow, {VK_ESCAPE});
        };
    }
};

TEST_F(TabBarMenusTest, TheNewTabButtonsMenuClosesDuplicatesAndOffersUnlockedOnlyWithALock) {
    std::string first = MakeFolder("甲"), second = MakeFolder("乙");
    Start({first, second, first, second, first});
    ASSERT_EQ(5, Tabs().Count());
    IdleDriver driver(program_->Window());
    int items = 0;
    driver.onMenu = [&](HWND menuWindow) {
        items = GetMenuItemCount(MenuOf(menuWindow));
        ChooseItemAt(menuWindow, 1);
    };
    RightPress(Bar().NewTabButton(), driver);
    EXPECT_EQ(1, driver.menusSeen);
    EXPECT_EQ(3, items);
    EXPECT_EQ("甲 乙 ", Names());

    Main().Carry(Tabs().ToggleLock(2));
    Main().Carry(Tabs().AddFolderTab(std::make_shared<ShellTabFolder>(BindFolder(ShellListOf(MakeFolder("丙")).Get())),
                                     false, false, -1));
    driver.onMenu = [&](HWND menuWindow) {
        items = GetMenuItemCount(MenuOf(menuWindow));
        ChooseItemAt(menuWindow, 3);
    };
    RightPress(Bar().NewTabButton(), driver);
    EXPECT_EQ(4, items);
    EXPECT_EQ("乙 ", Names()) << "only the locked tab stays";
}

TEST_F(TabBarMenusTest, TheRowButtonsMenuShowsARowOrTheLauncher) {
    Set("TAB", "BARNUM", "3");
    std::vector<std::string> folders;
    for (int index = 0; index < 24; ++index)
        folders.push_back(MakeFolder(("folder with a long name " + std::to_string(index)).c_str()));
    Start(folders);
    ASSERT_TRUE(tabbar::RowHoldsTabs(Bar().Layout(), 2));
    IdleDriver driver(program_->Window());
    ChooseInMenus(driver, {1});
    RightPress(Bar().RowButton(), driver);
    EXPECT_EQ(2, Bar().DisplayedRow());
    EXPECT_FALSE(Bar().LauncherMode());
    driver.menusSeen = 0;
    driver.onMenu = [&](HWND menuWindow) { ChooseItemAt(menuWindow, GetMenuItemCount(MenuOf(menuWindow)) - 1); };
    RightPress(Bar().RowButton(), driver);
    EXPECT_TRUE(Bar().LauncherMode());
}

TEST_F(TabBarMenusTest, TheChevronMenuShowsATabThatNoRowHolds) {
    Set("TAB", "BARNUM", "1");
    std::vector<std::string> folders;
    for (int index = 0; index < 16; ++index)
        folders.push_back(MakeFolder(("overflowing folder " + std::to_string(index)).c_str()));
    Start(folders);
    ASSERT_FALSE(Bar().Layout().overflow.empty());
    int firstHidden = Bar().Layout().overflow.front();
    IdleDriver driver(program_->Window());
    ChooseInMenus(driver, {0});
    Press(Bar().ChevronButton());
    for (int wait = 0; wait < 50 && driver.menusSeen == 0; ++wait) Pump(100);
    Pump(200);
    EXPECT_EQ(1, driver.menusSeen);
    EXPECT_EQ(firstHidden, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(folders[static_cast<size_t>(firstHidden - 1)], MainListPath());
}

TEST_F(TabBarMenusTest, RenamingATabThroughItsMenuGivesEveryTabOfTheFolderTheName) {
    std::string first = MakeFolder("甲"), second = MakeFolder("乙");
    Start({first, second, first});
    IdleDriver driver(program_->Window());
    ChooseInMenus(driver, {0});
    driver.onDialog = [](HWND dialog) {
        HWND field = FindWindowExA(dialog, nullptr, "Edit", nullptr);
        SetWindowTextA(field, "仕事");
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
    };
    MouseTo(TabPoint(1));
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    for (int wait = 0; wait < 50 && driver.dialogsSeen == 0; ++wait) Pump(100);
    Pump(300);
    EXPECT_EQ(1, driver.dialogsSeen);
    EXPECT_EQ("仕事", Tabs().Tab(1)->title);
    EXPECT_EQ("仕事", Tabs().Tab(3)->title);
    EXPECT_NE("仕事", Tabs().Tab(2)->title);
}

}  // namespace
