// The folder tree in the running program: filling, the selection rule, SYNC, renaming, the keys,
// the refresh, and the erased folders with their file, driven with real keys and clicks.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "panes/tabs/shell_tab_folder.h"
#include "res/ids.h"
#include "shell/folder_binding.h"
#include "shell/item_names.h"
#include "shell/typed_paths.h"
#include "tests/support/idle_driver.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"

namespace {

class FolderTreeProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        PlaceWindow(800, 700);
        Set("TREE", "EXIST", "1");
        top_ = MakeFolder("木");
        for (const char* name : {"木\\甲", "木\\乙", "木\\丙"}) MakeFolder(name);
    }

    void Start(const std::vector<std::string>& folders) {
        program_ = StartOn(folders);
        ASSERT_TRUE(program_->Window());
    }
    void Restart(const std::vector<std::string>& folders) {
        program_->Quit();
        program_.reset();
        Start(folders);
    }

    MainWindow& Main() { return program_->Main(); }
    FolderTreePane& Tree() { return Main().Tree(); }
    HWND TreeWindow() { return Tree().Window(); }
    tabs::TabModel& Tabs() { return Main().Tabs(); }
    std::string MainListPath() { return ItemPath(Main().MainList().Model().Folder()); }

    HTREEITEM ItemOf(const std::string& path) {
        ItemIdList list = PathToItemList(path.c_str());
        return Tree().FindItem(list.Get());
    }
    // The folder's item with its children listed.
    HTREEITEM Expanded(const std::string& path) {
        HTREEITEM item = ItemOf(path);
        if (item) TreeView_Expand(TreeWindow(), item, TVE_EXPAND);
        return item;
    }
    std::string PathOf(HTREEITEM item) {
        ItemIdList list = Tree().AbsoluteListOf(item);
        ComPtr<IShellFolder> folder = BindFolder(list.Get());
        return folder ? ItemPath(folder.Get()) : "<none>";
    }
    std::vector<std::string> ChildTexts(HTREEITEM item) {
        std::vector<std::string> texts;
        for (HTREEITEM child = TreeView_GetChild(TreeWindow(), item); child;
             child = TreeView_GetNextSibling(TreeWindow(), child))
            texts.push_back(Tree().TextOf(child));
        return texts;
    }
    void ClickItem(HTREEITEM item) {
        TreeView_EnsureVisible(TreeWindow(), item);
        RECT label{};
        TreeView_GetItemRect(TreeWindow(), item, &label, TRUE);
        POINT centre{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
        ClientToScreen(TreeWindow(), &centre);
        ClickAt(centre);
    }
    void Chord(WORD modifier, WORD key) {
        SetForegroundWindow(program_->Window());
        SetFocus(TreeWindow());
        INPUT strokes[4] = {};
        for (INPUT& stroke : strokes) stroke.type = INPUT_KEYBOARD;
        strokes[0].ki.wVk = strokes[3].ki.wVk = modifier;
        strokes[1].ki.wVk = strokes[2].ki.wVk = key;
        strokes[2].ki.dwFlags = strokes[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, strokes, sizeof(INPUT));
        Pump(300);
    }
    POINT ButtonPoint(SkinnedButton* button) {
        RECT rect{};
        GetWindowRect(button->Window(), &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void SettleRefresh() {
        EXPECT_TRUE(PumpUntil([&] { return !Tree().RefreshPending(); }, 10000));
    }
    std::string Top() const { return top_; }

    std::string top_;
    std::unique_ptr<RunningProgram> program_;
};

using Texts = std::vector<std::string>;

TEST_F(FolderTreeProgramTest, TheRootIsTheDesktopAndExpandingAgainReadsTheFolderWithoutDuplicates) {
    Start({Top()});
    HTREEITEM root = Tree().Root();
    ASSERT_TRUE(root);
    EXPECT_EQ("デスクトップ", Tree().TextOf(root));
    HTREEITEM top = ItemOf(Top());
    ASSERT_TRUE(top);
    ASSERT_TRUE(Tree().SelectFolder(Tree().AbsoluteListOf(top).Get()));
    TypeInto(TreeWindow(), VK_RIGHT);
    EXPECT_EQ((Texts{"乙", "甲", "丙"}), ChildTexts(top)) << "in the folder's own order";
    TypeInto(TreeWindow(), VK_LEFT);
    MakeFolder("木\\丁");
    TypeInto(TreeWindow(), VK_RIGHT);
    EXPECT_EQ((Texts{"乙", "甲", "丁", "丙"}), ChildTexts(top));
}

TEST_F(FolderTreeProgramTest, AClickedFolderIsShownInTheMainListUnlessItIsShownAlready) {
    Start({Top()});
    HTREEITEM top = ItemOf(Top());
    ASSERT_TRUE(top);
    ClickItem(top);
    EXPECT_EQ(Top(), MainListPath());
    EXPECT_TRUE(Tabs().History(1).empty()) << "the folder shown already is not shown again";
    HTREEITEM second = ItemOf(Top() + "\\乙");
    ASSERT_TRUE(second);
    ClickItem(second);
    EXPECT_EQ(Top() + "\\乙", MainListPath());
    ASSERT_EQ(1u, Tabs().History(1).size());
    EXPECT_EQ(Top(), Tabs().History(1).front()->Path());
}

TEST_F(FolderTreeProgramTest, WithSyncTheTreeOpensTheWayToTheMainListsFolderWithoutNavigating) {
    Set("TREE", "SYNC", "1");
    MakeFolder("木\\乙\\下");
    std::string deep = MakeFolder("木\\乙\\下\\底");
    Start({Top()});
    HTREEITEM top = ItemOf(Top());
    ASSERT_TRUE(top);
    TreeView_Expand(TreeWindow(), top, TVE_COLLAPSE);
    ItemIdList deepList = PathToItemList(deep.c_str());
    Main().Carry(Tabs().NavigateRemembering(tabs::Pane::Main, ShellTabFolder::FromList(deepList.Get())));
    HTREEITEM selected = TreeView_GetSelection(TreeWindow());
    ASSERT_TRUE(selected);
    EXPECT_EQ("底", Tree().TextOf(selected));
    EXPECT_EQ(deep, PathOf(selected));
    for (HTREEITEM up = TreeView_GetParent(TreeWindow(), selected); up; up = TreeView_GetParent(TreeWindow(), up))
        EXPECT_TRUE(TreeView_GetItemState(TreeWindow(), up, TVIS_EXPANDED) & TVIS_EXPANDED) << Tree().TextOf(up);
    EXPECT_EQ(deep, MainListPath());
    EXPECT_EQ(1u, Tabs().History(1).size()) << "the tree's selection pushed nothing";

    Main().Config().treeSync = 0;
    ItemIdList topList = PathToItemList(Top().c_str());
    Main().Carry(Tabs().NavigateRemembering(tabs::Pane::Main, ShellTabFolder::FromList(topList.Get())));
    EXPECT_EQ(Top(), MainListPath());
    EXPECT_EQ(selected, TreeView_GetSelection(TreeWindow())) << "without SYNC the tree stays where it was";
}

TEST_F(FolderTreeProgramTest, F2RenamesTheFolderAndASemicolonIsRefused) {
    MakeFolder("木\\old");
    Start({Top()});
    HTREEITEM item = ItemOf(Top() + "\\old");
    ASSERT_TRUE(item);
    ASSERT_TRUE(Tree().SelectFolder(Tree().AbsoluteListOf(item).Get()));
    TypeInto(TreeWindow(), VK_F2);
    HWND edit = TreeView_GetEditControl(TreeWindow());
    ASSERT_TRUE(edit);
    for (WORD key : {WORD{'N'}, WORD{'E'}, WORD{'W'}, WORD{VK_RETURN}}) TypeInto(edit, key);
    EXPECT_EQ("new", Tree().TextOf(item));
    EXPECT_TRUE(FileExists(Top() + "\\new"));
    EXPECT_EQ(Top() + "\\new", PathOf(item)) << "the item holds the renamed folder's identifier";

    MessageBoxCloser refusals("名前の変更");
    TypeInto(TreeWindow(), VK_F2);
    edit = TreeView_GetEditControl(TreeWindow());
    ASSERT_TRUE(edit);
    SetWindowTextA(edit, "a;b");
    TypeInto(edit, VK_RETURN);
    PumpUntil([&] { return !refusals.Texts().empty(); }, 3000);
    ASSERT_EQ(1u, refusals.Texts().size());
    EXPECT_EQ(0u, refusals.Texts()[0].find("ファイル名に以下の文字は使えません。"));
    EXPECT_TRUE(FileExists(Top() + "\\new"));
    EXPECT_FALSE(FileExists(Top() + "\\a;b"));
    EXPECT_EQ("new", Tree().TextOf(item));

    TreeView_SelectItem(TreeWindow(), Tree().Root());
    TypeInto(TreeWindow(), VK_F2);
    EXPECT_FALSE(TreeView_GetEditControl(TreeWindow())) << "the desktop is never renamed";
}

TEST_F(FolderTreeProgramTest, CtrlCCopiesAFolderButNotTheDesktop) {
    Start({Top()});
    auto clear = [] {
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
    };
    clear();
    TreeView_SelectItem(TreeWindow(), Tree().Root());
    Chord(VK_CONTROL, 'C');
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_HDROP));
    HTREEITEM item = ItemOf(Top() + "\\甲");
    ASSERT_TRUE(item);
    ASSERT_TRUE(Tree().SelectFolder(Tree().AbsoluteListOf(item).Get()));
    Chord(VK_CONTROL, 'C');
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP));
    clear();
}

TEST_F(FolderTreeProgramTest, F5BringsTheFilledBranchesInLineWithTheDisk) {
    MakeFolder("木\\甲\\内");
    Start({Top()});
    HTREEITEM inner = ItemOf(Top() + "\\甲\\内");
    ASSERT_TRUE(inner);
    HTREEITEM top = ItemOf(Top());
    MakeFolder("木\\丁");
    RemoveDirectoryA((Top() + "\\乙").c_str());
    RemoveDirectoryA((Top() + "\\甲\\内").c_str());
    MakeFolder("木\\甲\\外");
    TypeInto(TreeWindow(), VK_F5);
    SettleRefresh();
    EXPECT_EQ((Texts{"甲", "丁", "丙"}), ChildTexts(top));
    HTREEITEM first = ItemOf(Top() + "\\甲");
    ASSERT_TRUE(first);
    EXPECT_EQ((Texts{"外"}), ChildTexts(first));
}

// The drives are watched whole; Wine reports only the changes in a drive's own root folder, so a
// folder is made and removed there.
TEST_F(FolderTreeProgramTest, FoldersMadeAndRemovedByOthersOnAFixedDriveFollowInTheExpandedTree) {
    Start({Top()});
    HTREEITEM drive = Expanded("C:\\");
    ASSERT_TRUE(drive);
    const std::string name = "tsy_tree_" + std::to_string(GetCurrentProcessId());
    auto shown = [&] {
        Texts texts = ChildTexts(drive);
        return std::find(texts.begin(), texts.end(), name) != texts.end();
    };
    ASSERT_FALSE(shown());
    ASSERT_TRUE(CreateDirectoryA(("C:\\" + name).c_str(), nullptr));
    EXPECT_TRUE(PumpUntil(shown, 5000));
    RemoveDirectoryA(("C:\\" + name).c_str());
    EXPECT_TRUE(PumpUntil([&] { return !shown(); }, 5000));
}

// Another thread makes 2,000 folders and removes half of them while F5 is pressed again and again:
// no message keeps the window from answering for a second, and the tree ends as the disk is.
TEST_F(FolderTreeProgramTest, TwoThousandFoldersComeAndGoWhileF5IsPressed) {
    Start({Top()});
    HTREEITEM top = Expanded(Top());
    ASSERT_TRUE(top);
    SetFocus(TreeWindow());
    const std::string root = Top();
    std::atomic<bool> done{false};
    std::thread maker([&] {
        for (int at = 0; at < 2000; ++at) CreateDirectoryA((root + "\\n" + std::to_string(at)).c_str(), nullptr);
        for (int at = 1; at < 2000; at += 2) RemoveDirectoryA((root + "\\n" + std::to_string(at)).c_str());
        done = true;
    });
    DWORD longest = 0;
    DWORD lastPress = 0;
    while (!done) {
        if (GetTickCount() - lastPress >= 150) {
            INPUT press[2] = {};
            press[0].type = press[1].type = INPUT_KEYBOARD;
            press[0].ki.wVk = press[1].ki.wVk = VK_F5;
            press[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, press, sizeof(INPUT));
            lastPress = GetTickCount();
        }
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        DWORD start = GetTickCount();
        TranslateMessage(&message);
        DispatchMessageA(&message);
        longest = std::max<DWORD>(longest, GetTickCount() - start);
    }
    maker.join();
    TypeInto(TreeWindow(), VK_F5);
    SettleRefresh();
    EXPECT_LT(longest, 1000u);
    std::set<std::string> onDisk{"甲", "乙", "丙"};
    for (int at = 0; at < 2000; at += 2) onDisk.insert("n" + std::to_string(at));
    Texts shown = ChildTexts(top);
    EXPECT_EQ(onDisk.size(), shown.size());
    EXPECT_EQ(onDisk, std::set<std::string>(shown.begin(), shown.end()));
}

TEST_F(FolderTreeProgramTest, DeleteAndCutActOnTheSelectedFolderAndTabAndCtrlKeysLeaveTheTree) {
    Start({Top(), Top() + "\\丙"});
    HTREEITEM top = ItemOf(Top());
    HTREEITEM second = ItemOf(Top() + "\\乙");
    ASSERT_TRUE(top && second);
    ClickItem(second);
    TypeInto(TreeWindow(), VK_TAB);
    EXPECT_EQ(Main().MainList().Window(), GetFocus());
    {
        IdleDriver driver(Main().Handle());
        driver.onDialog = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDYES, 0); };
        TypeInto(TreeWindow(), VK_DELETE);
        EXPECT_TRUE(
            PumpUntil([&] { return GetFileAttributesA((Top() + "\\乙").c_str()) == INVALID_FILE_ATTRIBUTES; }, 5000));
    }
    TypeInto(TreeWindow(), VK_F5);
    SettleRefresh();
    EXPECT_EQ((Texts{"甲", "丙"}), ChildTexts(top));

    ClickItem(ItemOf(Top() + "\\甲"));
    TypeKeys(TreeWindow(), {VK_CONTROL}, {'X'});
    ASSERT_TRUE(OpenClipboard(nullptr));
    char cut[MAX_PATH] = {};
    if (HANDLE files = GetClipboardData(CF_HDROP)) {
        if (auto drop = static_cast<HDROP>(GlobalLock(files))) {
            DragQueryFileA(drop, 0, cut, sizeof cut);
            GlobalUnlock(files);
        }
    }
    CloseClipboard();
    EXPECT_EQ(Top() + "\\甲", std::string(cut));

    layout::Mode before = Main().Layout().modes.mode;
    TypeKeys(TreeWindow(), {VK_CONTROL}, {'D'});
    EXPECT_NE(before, Main().Layout().modes.mode) << "two lists side by side";
    EXPECT_EQ(Main().MainList().Window(), GetFocus());
    TypeKeys(TreeWindow(), {VK_CONTROL}, {'D'});
    EXPECT_EQ(before, Main().Layout().modes.mode);
    TypeKeys(TreeWindow(), {VK_CONTROL}, {'T'});
    EXPECT_NE(before, Main().Layout().modes.mode) << "the tree pane closes";
    EXPECT_EQ(Main().MainList().Window(), GetFocus());
}

TEST_F(FolderTreeProgramTest, TheMenusRenameEditsTheLabelAndTheWheelOverTheTabBarTurnsItsRows) {
    Start({Top()});
    HTREEITEM second = ItemOf(Top() + "\\乙");
    ASSERT_TRUE(second);
    TreeView_EnsureVisible(TreeWindow(), second);
    RECT label{};
    TreeView_GetItemRect(TreeWindow(), second, &label, TRUE);
    POINT onLabel{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ClientToScreen(TreeWindow(), &onLabel);
    int renamePosition = -1;
    {
        IdleDriver driver(Main().Handle());
        driver.onMenu = [&](HWND menuWindow) {
            renamePosition = ItemPosition(MenuOf(menuWindow), "名前の変更");
            if (renamePosition == -1) PostKeys(menuWindow, {VK_ESCAPE});
            else
                ChooseItemAt(menuWindow, renamePosition);
        };
        ClickAt(onLabel, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    }
    if (renamePosition != -1) {
        HWND edit = TreeView_GetEditControl(TreeWindow());
        ASSERT_TRUE(edit) << "the menu's rename edits the label";
        SetWindowTextA(edit, "戊");
        TypeInto(edit, VK_RETURN);
        EXPECT_TRUE(FileExists(Top() + "\\戊"));
    }

    SetFocus(TreeWindow());
    RECT bar{};
    GetWindowRect(Main().Bar().Window(), &bar);
    MouseTo(POINT{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2});
    ASSERT_FALSE(Main().Bar().LauncherMode());
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    Pump(200);
    EXPECT_TRUE(Main().Bar().LauncherMode()) << "the wheel over the tab bar turns it to the launcher";
    RECT area{};
    GetWindowRect(TreeWindow(), &area);
    MouseTo(POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    Pump(200);
    EXPECT_TRUE(Main().Bar().LauncherMode()) << "over the tree the wheel stays with the tree";
    if (renamePosition == -1) GTEST_SKIP() << "this shell's item menu has no rename entry";
}

TEST_F(FolderTreeProgramTest, AltEnterShowsTheSelectedFoldersProperties) {
    Start({Top()});
    HTREEITEM first = ItemOf(Top() + "\\甲");
    ASSERT_TRUE(first);
    ClickItem(first);
    HWND main = Main().Handle();
    std::atomic<bool> stop{false};
    std::atomic<bool> found{false};
    std::string shown;
    std::thread closer([&] {
        while (!stop) {
            for (HWND dialog = FindWindowExA(nullptr, nullptr, "#32770", nullptr); dialog;
                 dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr)) {
                if (GetWindow(dialog, GW_OWNER) != main || !IsWindowVisible(dialog)) continue;
                char text[256] = {};
                GetWindowTextA(dialog, text, sizeof text);
                if (!found) {
                    shown = text;
                    found = true;
                }
                PostMessageA(dialog, WM_CLOSE, 0, 0);
            }
            Sleep(20);
        }
    });
    TypeKeys(TreeWindow(), {VK_MENU}, {VK_RETURN});
    PumpUntil([&] { return found.load(); }, 5000);
    Pump(300);
    stop = true;
    closer.join();
    EXPECT_NE(std::string::npos, shown.find("甲")) << "the dialog: " << shown;
}

// Pasting into a folder is left out: Wine's shell never delivers a paste (see the list's tests).

TEST_F(FolderTreeProgramTest, TheHideModeCursorsAndTheColoursOfFullAndEmptyFolders) {
    Set("TREE", "COLOR", "1");
    Set("COLOR", "FOLDER_USE", "1");
    Set("COLOR", "FOLDER_COLOR", "255");
    Set("COLOR", "FOLDER_EMP_USE", "1");
    Set("COLOR", "FOLDER_EMP_COLOR", "65280");
    MakeFolder("木\\甲\\内");
    Start({Top()});
    HTREEITEM first = ItemOf(Top() + "\\甲");
    HTREEITEM second = ItemOf(Top() + "\\乙");
    ASSERT_TRUE(first && second);
    auto drawn = [&](HTREEITEM item, COLORREF& colour) {
        NMTVCUSTOMDRAW draw{};
        draw.nmcd.hdr.hwndFrom = TreeWindow();
        draw.nmcd.hdr.idFrom = kFolderTreeId;
        draw.nmcd.hdr.code = NM_CUSTOMDRAW;
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(item);
        draw.clrText = CLR_DEFAULT;
        LRESULT answer = Tree().OnNotify(&draw.nmcd.hdr);
        colour = draw.clrText;
        return answer;
    };
    COLORREF colour = 0;
    EXPECT_EQ(CDRF_NOTIFYPOSTPAINT, drawn(first, colour));
    EXPECT_EQ(RGB(255, 0, 0), colour);
    EXPECT_EQ(CDRF_NOTIFYPOSTPAINT, drawn(second, colour));
    EXPECT_EQ(RGB(0, 255, 0), colour);
    Main().Config().treeColour = 0;
    EXPECT_EQ(CDRF_DODEFAULT, drawn(second, colour)) << "the tree's own switch is off";

    RECT area{};
    GetWindowRect(TreeWindow(), &area);
    POINT inside{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    HCURSOR eraser = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_ERASER));
    HCURSOR magnifier = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_MAGNIFIER));
    ASSERT_TRUE(eraser && magnifier);
    MouseTo(inside);
    Pump(200);
    EXPECT_NE(eraser, GetCursor());
    ClickAt(ButtonPoint(Tree().Bar().Eraser()));
    MouseTo(inside);
    Pump(200);
    EXPECT_EQ(eraser, GetCursor());
    ClickAt(ButtonPoint(Tree().Bar().Magnifier()));
    MouseTo(inside);
    Pump(200);
    EXPECT_EQ(magnifier, GetCursor());
}

TEST_F(FolderTreeProgramTest, TheEraserHidesAFolderTheMagnifierShowsItMarkedAndItComesBack) {
    Start({Top()});
    HTREEITEM top = ItemOf(Top());
    HTREEITEM second = ItemOf(Top() + "\\乙");
    ASSERT_TRUE(top && second);
    ClickAt(ButtonPoint(Tree().Bar().Eraser()));
    ASSERT_TRUE(Tree().HideMode());
    ClickItem(second);
    EXPECT_EQ((Texts{"甲", "丙"}), ChildTexts(top));
    EXPECT_EQ(Top(), MainListPath()) << "erasing shows nothing";
    EXPECT_EQ(1u, Tree().Hidden().Entries().size());

    ClickAt(ButtonPoint(Tree().Bar().Magnifier()));
    ASSERT_TRUE(Tree().ShowsErased());
    EXPECT_EQ((Texts{"*乙", "甲", "丙"}), ChildTexts(top));
    HTREEITEM marked = TreeView_GetChild(TreeWindow(), top);
    TreeView_SelectItem(TreeWindow(), marked);
    TreeView_EditLabel(TreeWindow(), marked);
    EXPECT_FALSE(TreeView_GetEditControl(TreeWindow())) << "a marked folder's label is not edited";
    TreeView_SelectItem(TreeWindow(), nullptr);
    ClickItem(marked);
    EXPECT_EQ((Texts{"乙", "甲", "丙"}), ChildTexts(top));
    EXPECT_TRUE(Tree().Hidden().Entries().front().children.empty()) << "the emptied entry stays";
}

TEST_F(FolderTreeProgramTest, ErasedFoldersStayErasedAfterARestartAndTheMenuOpensThem) {
    Start({Top()});
    HTREEITEM third = ItemOf(Top() + "\\丙");
    ASSERT_TRUE(third);
    ClickAt(ButtonPoint(Tree().Bar().Eraser()));
    ClickItem(third);
    ASSERT_EQ(1u, Tree().Hidden().Entries().size());
    Restart({Top()});
    ASSERT_EQ(1u, Tree().Hidden().Entries().size());
    HTREEITEM top = Expanded(Top());
    ASSERT_TRUE(top);
    EXPECT_EQ((Texts{"乙", "甲"}), ChildTexts(top));
    EXPECT_FALSE(ItemOf(Top() + "\\丙"));

    IdleDriver driver(Main().Handle());
    std::string offered;
    driver.onMenu = [&](HWND menuWindow) {
        HMENU menu = MenuOf(menuWindow);
        offered = std::to_string(GetMenuItemCount(menu));
        ChooseItemAt(menuWindow, 0);
    };
    ClickAt(ButtonPoint(Tree().Bar().Magnifier()), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ("1", offered);
    EXPECT_EQ(Top() + "\\丙", MainListPath());
    ASSERT_EQ(1u, Tabs().History(1).size());
    EXPECT_FALSE(Tree().ShowsErased());
}

TEST_F(FolderTreeProgramTest, ForeignAndBrokenTreehideFilesStartWithAWorkingTree) {
    std::string file = folder_.Path() + "data\\treehide.dat";
    const std::string tag("TSY\x5A\0\0\0", 7);
    const std::vector<std::string> files = {
        std::string(4, '\0'),
        "TS",
        tag,
        tag + std::string("\xFF\xFF\xFF\x7F", 4),
        tag + std::string("\x01\0\0\0\xFF\xFF\xFF\xFF", 8),
        tag + std::string("\x01\0\0\0\x06\0\0\0\x04\0\xAB\xCD\0\0\x02\0\0\0\x03\0\0\0\x09", 23),
        tag + std::string("\x01\0\0\0\x02\0\0\0\0\0\x01\0\0\0\x05\0\0\0\x03\0\x31\0\0", 23),
    };
    for (const std::string& bytes : files) {
        ASSERT_TRUE(WriteBytes(file, bytes));
        Start({Top()});
        HTREEITEM top = Expanded(Top());
        ASSERT_TRUE(top) << bytes.size();
        EXPECT_EQ(3u, ChildTexts(top).size()) << bytes.size();
        program_->Quit();
        program_.reset();
    }
}

TEST_F(FolderTreeProgramTest, AHiddenTreeListsNothingUntilFirstShownAndThenStandsAtTheListsFolder) {
    Set("TREE", "EXIST", "0");
    Set("TREE", "SYNC", "1");
    Start({Top() + "\\乙"});
    EXPECT_FALSE(Tree().Root()) << "nothing is read for a tree nobody sees";
    TypeKeys(Main().MainList().Window(), {VK_CONTROL}, {'T'});
    ASSERT_EQ(layout::kTree, Main().Layout().modes.mode);
    ASSERT_TRUE(Tree().Root());
    HTREEITEM selected = TreeView_GetSelection(TreeWindow());
    ASSERT_TRUE(selected);
    EXPECT_EQ(Top() + "\\乙", PathOf(selected));
    EXPECT_TRUE(IsWindowVisible(TreeWindow()));
}

}  // namespace
