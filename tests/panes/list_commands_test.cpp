// The file commands of a real list: the shell's verbs on real files, the program's rename with its
// editors, the list's own menu of its folder, and new items.
#include <gtest/gtest.h>

#include <string>

#include "panes/list/list_pane.h"
#include "res/ids.h"
#include "shell/item_comments.h"
#include "tests/panes/list_pane_fixture.h"
#include "tests/support/idle_driver.h"
#include "tests/support/test_support.h"
#include "ui/item_context_menu.h"

namespace {

class ListCommandsTest : public ListPaneFixture {
protected:
    void SetUp() override {
        ListPaneFixture::SetUp();
        MakeFolder("work");
        MakeFolder("other");
        CreateList(kDetailsStyle);
    }

    PCUITEMID_CHILD ItemNamed(const std::string& name) {
        int row = RowOf(name);
        return row < 0 ? nullptr : pane_.Model().Item(static_cast<size_t>(row));
    }
    std::string OnlySelected() {
        if (SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0) != 1) return "(not one)";
        int row = static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        return pane_.Model().Name(static_cast<size_t>(row));
    }
    void SelectOnly(const std::string& name) {
        Select(-1, false);
        Select(RowOf(name));
    }
    bool OwnChangeSignalled() { return WaitForSingleObject(pane_.Model().OwnChangeEvent(), 0) == WAIT_OBJECT_0; }
    void Chord(std::initializer_list<WORD> keys) {
        std::vector<INPUT> strokes;
        for (WORD key : keys) {
            INPUT stroke{};
            stroke.type = INPUT_KEYBOARD;
            stroke.ki.wVk = key;
            strokes.push_back(stroke);
        }
        for (auto key = keys.end(); key != keys.begin();) {
            INPUT stroke{};
            stroke.type = INPUT_KEYBOARD;
            stroke.ki.wVk = *--key;
            stroke.ki.dwFlags = KEYEVENTF_KEYUP;
            strokes.push_back(stroke);
        }
        SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
        Pump();
    }
    // The popup editor's fields are filled and the editor confirmed as soon as it waits for input.
    void AnswerRename(IdleDriver& driver, const std::string& name, const std::string* extension = nullptr) {
        driver.onDialog = [this, name, extension](HWND dialog) {
            HWND nameField = GetDlgItem(dialog, IDE_SPLIT_RENAME_NAME);
            if (!nameField) nameField = GetDlgItem(dialog, IDE_RENAME_NAME);
            shownName_ = TextOf(nameField);
            HWND extensionField = GetDlgItem(dialog, IDE_SPLIT_RENAME_EXTENSION);
            if (extensionField) shownExtension_ = TextOf(extensionField);
            SetWindowTextA(nameField, name.c_str());
            if (extension && extensionField) SetWindowTextA(extensionField, extension->c_str());
            PostMessageA(nameField, WM_KEYDOWN, VK_RETURN, 1);
        };
    }
    static std::string TextOf(HWND window) {
        char text[512] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    static void EmptyTheClipboard() {
        if (!OpenClipboard(nullptr)) return;
        EmptyClipboard();
        CloseClipboard();
    }

    std::string shownName_, shownExtension_;
};

TEST_F(ListCommandsTest, ForbiddenCharactersAndOverlongNamesAreRefusedAndATrailByteOf5CIsNot) {
    MakeFile("work\\a.txt");
    ASSERT_TRUE(ShowFolder("work"));
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(pane_.Model().Folder());
    {
        MessageBoxCloser closer("名前の変更");
        for (const char* name : {"b;c.txt", "b,c.txt"})
            EXPECT_FALSE(pane_.Rename(name, folder.Get(), ItemNamed("a.txt"))) << name;
        EXPECT_FALSE(pane_.Rename(std::string(300 - PathOf("work").size(), 'n'), folder.Get(), ItemNamed("a.txt")));
        std::vector<std::string> boxes = closer.Texts();
        ASSERT_EQ(3u, boxes.size());
        EXPECT_EQ("ファイル名に以下の文字は使えません。\r\n\\ ; : , \" * ? / < > |", boxes[0]);
        EXPECT_EQ(boxes[0], boxes[1]);
    }
    EXPECT_TRUE(FileExists(PathOf("work\\a.txt")));
    EXPECT_FALSE(OwnChangeSignalled());
    // The second byte of 表 is 0x5C, the code of the backslash.
    EXPECT_TRUE(pane_.Rename("表.txt", folder.Get(), ItemNamed("a.txt")));
    EXPECT_TRUE(FileExists(PathOf("work\\表.txt")));
    EXPECT_EQ("表.txt", OnlySelected());
}

TEST_F(ListCommandsTest, ARenamedItemIsSelectedUnderItsNewNameAndKeepsItsComment) {
    for (const char* name : {"a.txt", "m.txt", "z.txt"}) MakeFile(std::string("work\\") + name);
    ASSERT_TRUE(ShowFolder("work"));
    comments_.SetCommentByPath(PathOf("work\\m.txt"), "お気に入りの一枚");
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(pane_.Model().Folder());
    ASSERT_TRUE(pane_.Rename("b.txt", folder.Get(), ItemNamed("m.txt")));
    EXPECT_EQ("b.txt", OnlySelected());
    EXPECT_EQ(1, RowOf("b.txt"));
    std::string comment;
    EXPECT_TRUE(comments_.GetComment(PathOf("work\\b.txt"), comment));
    EXPECT_EQ("お気に入りの一枚", comment);
    EXPECT_FALSE(comments_.GetComment(PathOf("work\\m.txt"), comment));
}

TEST_F(ListCommandsTest, TheSplitEditorDropsAnEmptiedExtensionAndShowsAFolderNameWhole) {
    MakeFile("work\\report.txt");
    MakeFolder("work\\a.b");
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    std::string noExtension;
    AnswerRename(driver, "summary", &noExtension);
    SelectOnly("report.txt");
    SetFocus(List());
    Type(VK_F2);
    EXPECT_EQ(1, driver.dialogsSeen);
    EXPECT_EQ("report", shownName_);
    EXPECT_EQ("txt", shownExtension_);
    EXPECT_TRUE(FileExists(PathOf("work\\summary")));
    EXPECT_FALSE(FileExists(PathOf("work\\report.txt")));
    EXPECT_EQ(List(), GetFocus());

    AnswerRename(driver, "c.d");
    pane_.BeginRename(RowOf("a.b"));
    EXPECT_EQ("a.b", shownName_);
    EXPECT_TRUE(FileExists(PathOf("work\\c.d")));
}

TEST_F(ListCommandsTest, TheWholeNameEditorRenamesWhenTheSettingAsksForIt) {
    settings_.listRenameSplitsExtension = 0;
    MakeFile("work\\report.txt");
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    AnswerRename(driver, "notes.md");
    pane_.BeginRename(RowOf("report.txt"));
    EXPECT_EQ("report.txt", shownName_);
    EXPECT_TRUE(FileExists(PathOf("work\\notes.md")));
}

TEST_F(ListCommandsTest, NewFolderAndFileAreNamedAtOnceInTheRenameEditor) {
    MakeFile("work\\zzz.txt");
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    AnswerRename(driver, "作品");
    pane_.CreateNewItem(NewItemKind::Folder);
    EXPECT_EQ(1, driver.dialogsSeen);
    EXPECT_TRUE(FileExists(PathOf("work\\作品")));
    EXPECT_EQ("作品", OnlySelected());

    std::string extension = "log";
    AnswerRename(driver, "記録", &extension);
    pane_.CreateNewItem(NewItemKind::File);
    EXPECT_TRUE(FileExists(PathOf("work\\記録.log")));
}

TEST_F(ListCommandsTest, CopyThenPasteByKeysCopiesIntoTheFolderOfTheList) {
    MakeFile("work\\letter.txt", "dear");
    ASSERT_TRUE(ShowFolder("work"));
    EmptyTheClipboard();
    SelectOnly("letter.txt");
    SetFocus(List());
    Chord({VK_CONTROL, 'C'});
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP));
    ASSERT_TRUE(ShowFolder("other"));
    SetFocus(List());
    Chord({VK_CONTROL, 'V'});
    Pump();
    if (!FileExists(PathOf("other\\letter.txt")) && GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "Wine's shell takes \"paste\" only from a folder's background menu, and then binds the "
                        "copied items' folder wrongly: nothing arrives";
    EXPECT_TRUE(FileExists(PathOf("other\\letter.txt")));
    EXPECT_TRUE(FileExists(PathOf("work\\letter.txt")));
}

TEST_F(ListCommandsTest, CtrlShiftCopyAndCutAskTheHostForTheOtherList) {
    MakeFile("work\\letter.txt");
    ASSERT_TRUE(ShowFolder("work"));
    SelectOnly("letter.txt");
    SetFocus(List());
    Chord({VK_CONTROL, VK_SHIFT, 'C'});
    Chord({VK_CONTROL, VK_SHIFT, 'X'});
    EXPECT_EQ((std::vector<bool>{false, true}), listHost_.otherListCopies);
}

TEST_F(ListCommandsTest, DeleteRemovesOnlyTheRowsOfItemsReallyGone) {
    for (const char* name : {"gone.txt", "keep.txt", "used.txt"}) MakeFile(std::string("work\\") + name);
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    driver.onDialog = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDYES, 0); };
    // Held open without delete sharing, as another program might hold a document.
    HANDLE busy = CreateFileA(PathOf("work\\used.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, busy);
    Select(-1, false);
    Select(RowOf("gone.txt"));
    Select(RowOf("used.txt"));
    pane_.RunItemCommand(ItemCommand::Delete);
    CloseHandle(busy);
    EXPECT_FALSE(FileExists(PathOf("work\\gone.txt")));
    EXPECT_EQ(-1, RowOf("gone.txt"));
    EXPECT_EQ(FileExists(PathOf("work\\used.txt")), RowOf("used.txt") != -1);
    EXPECT_NE(-1, RowOf("keep.txt"));
    EXPECT_TRUE(OwnChangeSignalled()) << "the watcher is to pass over the list's own change";
}

TEST_F(ListCommandsTest, ACancelledDeleteKeepsTheRowsAndLetsTheNextChangeThrough) {
    MakeFile("work\\keep.txt");
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    driver.onDialog = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDNO, 0); };
    SelectOnly("keep.txt");
    pane_.RunItemCommand(ItemCommand::Delete);
    if (driver.dialogsSeen == 0) GTEST_SKIP() << "this shell deletes without asking";
    EXPECT_TRUE(FileExists(PathOf("work\\keep.txt")));
    EXPECT_NE(-1, RowOf("keep.txt"));
    EXPECT_FALSE(OwnChangeSignalled());
}

TEST_F(ListCommandsTest, TheFoldersMenuGreysWhatCannotBeDoneAndSwitchesTheLayout) {
    MakeFile("work\\a.txt");
    ASSERT_TRUE(ShowFolder("work"));
    EmptyTheClipboard();
    IdleDriver driver(host_.Window());
    UINT pasteState = 0, shortcutState = 0, propertiesState = 0;
    driver.onMenu = [&](HWND menuWindow) {
        HMENU menu = MenuOf(menuWindow);
        pasteState = GetMenuState(menu, CMD_PASTE, MF_BYCOMMAND);
        shortcutState = GetMenuState(menu, CMD_PASTE_SHORTCUT, MF_BYCOMMAND);
        propertiesState = GetMenuState(menu, CMD_PROPERTIES, MF_BYCOMMAND);
        if (driver.menusSeen == 1) {
            ChooseItemAt(menuWindow, ItemPosition(menu, "表示"), VK_RIGHT);
            PostKeys(menuWindow, {VK_DOWN, VK_DOWN, VK_RETURN});
        } else {
            PostKeys(menuWindow, {VK_ESCAPE});
        }
    };
    Select(-1, false);
    POINT empty{5, 200};
    ClientToScreen(List(), &empty);
    pane_.ShowContextMenu(empty, true);
    EXPECT_TRUE(pasteState & MF_GRAYED);
    EXPECT_TRUE(shortcutState & MF_GRAYED);
    EXPECT_FALSE(propertiesState & MF_GRAYED);
    EXPECT_EQ(LVS_LIST, GetWindowLongA(List(), GWL_STYLE) & LVS_TYPEMASK);
    EXPECT_EQ(3, pane_.Style());

    ASSERT_TRUE(pane_.Show(DesktopFolder()));
    pane_.ShowContextMenu(empty, true);
    EXPECT_EQ(2, driver.menusSeen);
    EXPECT_TRUE(propertiesState & MF_GRAYED) << "the desktop has no parent to show it";
}

TEST_F(ListCommandsTest, TheItemMenuCopiesTheNameOrPathOfOneItem) {
    MakeFile("work\\memo.txt");
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    bool copyEntries = false;
    UINT entry = kCopyNameEntry;
    driver.onMenu = [&](HWND menuWindow) {
        HMENU menu = MenuOf(menuWindow);
        int count = GetMenuItemCount(menu);
        copyEntries = count >= 2 && GetMenuItemID(menu, count - 2) == kCopyNameEntry &&
                      GetMenuItemID(menu, count - 1) == kCopyPathEntry;
        ChooseItemAt(menuWindow, entry == kCopyNameEntry ? count - 2 : count - 1);
    };
    SelectOnly("memo.txt");
    POINT onRow = CellCentre(RowOf("memo.txt"), 0);
    ClientToScreen(List(), &onRow);
    pane_.ShowContextMenu(onRow, false);
    EXPECT_TRUE(copyEntries);
    EXPECT_EQ("memo.txt", ClipboardText());
    entry = kCopyPathEntry;
    pane_.ShowContextMenu(onRow, false);
    EXPECT_EQ(PathOf("work\\memo.txt"), ClipboardText());
    EXPECT_NE(nullptr, shell_->ContextMenuHandler()) << "held for the shell's own submenus";
}

TEST_F(ListCommandsTest, TheItemMenuOfSeveralItemsHasNoCopyEntries) {
    MakeFile("work\\a.txt");
    MakeFile("work\\b.txt");
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    bool anyCopyEntry = true;
    driver.onMenu = [&](HWND menuWindow) {
        HMENU menu = MenuOf(menuWindow);
        anyCopyEntry = GetMenuState(menu, kCopyNameEntry, MF_BYCOMMAND) != static_cast<UINT>(-1) ||
                       GetMenuState(menu, kCopyPathEntry, MF_BYCOMMAND) != static_cast<UINT>(-1);
        PostKeys(menuWindow, {VK_ESCAPE});
    };
    Select(RowOf("a.txt"));
    Select(RowOf("b.txt"));
    POINT onRow = CellCentre(RowOf("a.txt"), 0);
    ClientToScreen(List(), &onRow);
    pane_.ShowContextMenu(onRow, false);
    EXPECT_EQ(1, driver.menusSeen);
    EXPECT_FALSE(anyCopyEntry);
}

TEST_F(ListCommandsTest, TheShellsRenameEntryOpensTheProgramsEditorForTheItemEvenAfterAReload) {
    for (const char* name : {"b.txt", "c.txt"}) MakeFile(std::string("work\\") + name);
    ASSERT_TRUE(ShowFolder("work"));
    IdleDriver driver(host_.Window());
    int renamePosition = -1;
    driver.onMenu = [&](HWND menuWindow) {
        // Another program adds a file that sorts first, and the list is read again under the menu.
        MakeFile("work\\a.txt");
        pane_.Reload();
        HMENU menu = MenuOf(menuWindow);
        renamePosition = ItemPosition(menu, "名前の変更");
        if (renamePosition == -1) {
            PostKeys(menuWindow, {VK_ESCAPE});
            return;
        }
        ChooseItemAt(menuWindow, renamePosition);
    };
    AnswerRename(driver, "renamed");
    SelectOnly("c.txt");
    POINT onRow = CellCentre(RowOf("c.txt"), 0);
    ClientToScreen(List(), &onRow);
    pane_.ShowContextMenu(onRow, false);
    if (renamePosition == -1) GTEST_SKIP() << "this shell's item menu has no rename entry";
    EXPECT_EQ("c", shownName_);
    EXPECT_TRUE(FileExists(PathOf("work\\renamed.txt")));
    EXPECT_TRUE(FileExists(PathOf("work\\b.txt")));
}

}  // namespace
