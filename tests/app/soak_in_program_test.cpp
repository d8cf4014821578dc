// A long run of random user actions on the real program, from a fixed seed: tabs opened, closed,
// moved, dragged, locked and switched, folders entered, left and dragged onto the title, views,
// sort columns and panes changed, files made and renamed beside the program and through a gesture. After each action
// the window must answer within a second and the tabs, the selections and the main list must be what the action gives;
// at the end the program quits and every data file it wrote must parse.
//
// TSY_SOAK_ACTIONS and TSY_SOAK_SEED choose the length and the seed (scripts/soak.sh).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/gesture_data.h"
#include "core/datafile.h"
#include "core/gesture_file.h"
#include "core/gesture_recognizer.h"
#include "core/handover.h"
#include "panes/list/info_strip.h"
#include "res/ids.h"
#include "tests/support/data_files.h"
#include "tests/support/idle_driver.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/recording_drop_target.h"

namespace {

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

std::vector<std::string> EntriesOf(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != ".." && !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)) names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class SoakTest : public ProgramFolderTest {
protected:
    enum Action {
        kOpenTab,
        kCloseTab,
        kMoveTab,
        kLockTab,
        kSwitchTab,
        kViewStyle,
        kSortDirection,
        kSortColumn,
        kDragTab,
        kDragFolderToTitle,
        kEnterFolder,
        kEnterAndBack,
        kUp,
        kTwoPane,
        kTree,
        kFavourites,
        kMakeFile,
        kMakeFolder,
        kRenameFile,
        kGestureFolder,
        kActionCount
    };

    void SetUp() override {
        PlaceWindow(760, 600);
        root_ = MakeFolder("soak");
        for (int i = 0; i < 4; ++i) {
            std::string folder = root_ + "\\dir" + std::to_string(i);
            CreateDirectoryA(folder.c_str(), nullptr);
            for (int j = 0; j < 2; ++j) CreateDirectoryA((folder + "\\sub" + std::to_string(j)).c_str(), nullptr);
            for (int j = 0; j < 3; ++j) WriteBytes(folder + "\\file" + std::to_string(j) + ".txt", "soak");
        }
        WriteBytes(root_ + "\\top.txt", "soak");
        GestureRecognizer gestures;
        gestures.SetEnabled(true);
        gestures.Assign(0x21, gesture::kNewFolder);
        CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
        datafile::PayloadWriter payload;
        gesturefile::Encode(gestures, payload);
        WriteBytes(folder_.Path() + "data\\" + kGestureFileName,
                   ToText(datafile::Frame(gesturefile::kVersion, payload.Bytes())));
    }

    // The list takes the changes it sees for two seconds after one of its own as that one, which
    // it has shown already; a change from outside meanwhile waits for the next one.
    void WaitOutOwnChange() {
        DWORD since = GetTickCount() - ownChangeAt_;
        if (ownChangeAt_ && since < 2500) Pump(2500 - since);
    }
    static bool PressesAButton(Action action) {
        switch (action) {
        case kCloseTab:
        case kSwitchTab:
        case kSortDirection:
        case kSortColumn:
        case kDragTab:
        case kDragFolderToTitle:
        case kEnterFolder:
        case kEnterAndBack:
        case kGestureFolder: return true;
        default: return false;
        }
    }
    // A press sooner than the double-click time after the last one would be read as its second,
    // as a user's would: two clicks on a column's header make one double-click, which sorts nothing.
    void WaitOutDoubleClick() {
        DWORD since = GetTickCount() - pressedAt_;
        if (pressedAt_ && since <= GetDoubleClickTime()) Pump(GetDoubleClickTime() - since + 50);
    }
    std::string NextName(const char* stem) { return stem + std::to_string(++made_); }
    static std::string ToText(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

    MainWindow& Main() { return program_->Main(); }
    tabs::TabModel& Tabs() { return Main().Tabs(); }
    ListPane& List() { return Main().MainList(); }
    std::string PathOfTab(int position) {
        const tabs::TabRecord* tab = Tabs().Tab(position);
        return tab && tab->folder ? tab->folder->Path() : std::string();
    }
    std::string MainPath() { return PathOfTab(Tabs().Selection(tabs::Pane::Main)); }
    bool InsideTree(const std::string& path) { return path.compare(0, root_.size(), root_) == 0; }
    std::string FolderPath(std::string path) {
        if (path.size() > 3 && path.back() == '\\') path.pop_back();
        return path;
    }
    bool MainLocked() {
        const tabs::TabRecord* tab = Tabs().Tab(Tabs().Selection(tabs::Pane::Main));
        return tab && tab->locked;
    }

    // Every folder of the tree as it is on disk now.
    std::vector<std::string> TreeFolders() {
        std::vector<std::string> folders{root_};
        for (size_t i = 0; i < folders.size(); ++i)
            for (const std::string& name : EntriesOf(folders[i]))
                if (IsFolder(folders[i] + "\\" + name)) folders.push_back(folders[i] + "\\" + name);
        return folders;
    }
    std::string RandomFolder() {
        std::vector<std::string> folders = TreeFolders();
        return folders[random_() % folders.size()];
    }
    // A folder row of the main list, when it shows a folder of the tree with a folder in it.
    int RandomFolderRow(std::string& folder) {
        std::string shown = FolderPath(MainPath());
        if (!InsideTree(shown)) return -1;
        std::vector<std::string> names;
        for (const std::string& name : EntriesOf(shown))
            if (IsFolder(shown + "\\" + name)) names.push_back(name);
        if (names.empty()) return -1;
        std::string name = names[random_() % names.size()];
        folder = shown + "\\" + name;
        return RowNamed(List(), name);
    }

    void HandOver(const std::string& path) {
        std::vector<char> record = handover::BuildRecord({path});
        COPYDATASTRUCT copy{};
        copy.dwData = 1;
        copy.cbData = static_cast<DWORD>(record.size());
        copy.lpData = record.data();
        SendMessageA(program_->Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    }
    // A point of the tab, at a fraction of its width.
    POINT TabPoint(int position, int quarters = 2) {
        const tabs::TabRect& rect = Main().Bar().Layout().rects[static_cast<size_t>(position - 1)];
        POINT point{rect.left + (rect.right - rect.left) * quarters / 4, (rect.top + rect.bottom) / 2};
        ClientToScreen(Main().Bar().Window(), &point);
        return point;
    }
    POINT EmptySpaceOfList() {
        HWND list = List().Window();
        RECT client{};
        GetClientRect(list, &client);
        POINT point{client.right - 30, client.bottom - 30};
        ClientToScreen(list, &point);
        return point;
    }
    POINT RowPoint(int row) {
        RECT cell{};
        cell.left = LVIR_LABEL;
        SendMessageA(List().Window(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        POINT point{cell.left + 8, (cell.top + cell.bottom) / 2};
        ClientToScreen(List().Window(), &point);
        return point;
    }
    void Click(POINT screen, bool twice) {
        MouseTo(screen);
        SendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        if (twice) SendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        Pump(150);
    }

    // The main list shows what is on disk in its folder, once the folder's watcher has caught up.
    testing::AssertionResult ListMatchesDisk() {
        std::string shown = FolderPath(MainPath());
        if (!InsideTree(shown)) return testing::AssertionSuccess();
        size_t expected = 0;
        PumpUntil(
            [&] {
                expected = EntriesOf(shown).size();
                return List().Model().Count() == expected &&
                       static_cast<size_t>(SendMessageA(List().Window(), LVM_GETITEMCOUNT, 0, 0)) == expected;
            },
            3000);
        size_t rows = List().Model().Count();
        if (rows == expected) return testing::AssertionSuccess();
        return testing::AssertionFailure() << shown << " holds " << expected << " entries, the list " << rows;
    }

    // What every action must leave true.
    void CheckInvariants(int step, const char* name) {
        SCOPED_TRACE(testing::Message() << "action " << step << " (" << name << ")");
        ASSERT_TRUE(AnswersWithinASecond(program_->Window()));
        int count = Tabs().Count();
        ASSERT_GE(count, 1);
        int main = Tabs().Selection(tabs::Pane::Main);
        int sub = Tabs().Selection(tabs::Pane::Sub);
        ASSERT_GE(main, 1);
        ASSERT_LE(main, count);
        EXPECT_EQ((Main().Layout().modes.mode == layout::kTwoPane), sub != -1);
        if (sub != -1) {
            EXPECT_LE(sub, count);
            EXPECT_NE(main, sub);
        }
        EXPECT_TRUE(ListMatchesDisk());
    }

    // Runs one action and checks what it should give; the name says which it was.
    const char* Run(Action action) {
        const int count = Tabs().Count();
        switch (action) {
        case kOpenTab: {
            std::string folder = RandomFolder();
            HandOver(folder);
            EXPECT_EQ(count + 1, Tabs().Count());
            EXPECT_EQ(folder, FolderPath(MainPath()));
            return "open a tab";
        }
        case kCloseTab: {
            int position = Tabs().Selection(tabs::Pane::Main);
            // The user brings the tab's row into view first, as the row buttons do.
            if (!Main().Bar().OnDisplayedRow(position)) Main().Bar().ShowRowOf(tabs::Pane::Main);
            if (!Main().Bar().OnDisplayedRow(position)) return "close a tab (not on the row)";
            Click(TabPoint(position), true);
            EXPECT_EQ(count > 1 ? count - 1 : count, Tabs().Count());
            return "close a tab";
        }
        case kMoveTab: {
            if (count < 2) return "move a tab (one tab)";
            int from = 1 + static_cast<int>(random_() % count), to = 1 + static_cast<int>(random_() % count);
            std::string moved = PathOfTab(from);
            Main().Carry(Tabs().MoveTab(from, to));
            EXPECT_EQ(count, Tabs().Count());
            EXPECT_EQ(moved, PathOfTab(to));
            return "move a tab";
        }
        case kLockTab: {
            int position = Tabs().Selection(tabs::Pane::Main);
            bool was = Tabs().Tab(position)->locked;
            Main().Carry(Tabs().ToggleLock(position));
            EXPECT_NE(was, Tabs().Tab(position)->locked);
            return "lock a tab";
        }
        case kSwitchTab: {
            int position = 1 + static_cast<int>(random_() % count);
            if (!Main().Bar().OnDisplayedRow(position) || position == Tabs().Selection(tabs::Pane::Sub))
                return "switch tabs (not on the row)";
            Click(TabPoint(position), false);
            EXPECT_EQ(position, Tabs().Selection(tabs::Pane::Main));
            return "switch tabs";
        }
        case kViewStyle:
            List().SetViewStyle(static_cast<int>(random_() % 6), true);
            Pump(50);
            return "change the view style";
        case kSortDirection: {
            HWND button = GetDlgItem(Main().Bars().mainInfo, kMainSortButtonIds.direction);
            if (!button) return "flip the sort (no button)";
            RECT bounds{};
            GetWindowRect(button, &bounds);
            Click(POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2}, false);
            return "flip the sort";
        }
        case kSortColumn: {
            if (List().Style() != kDetailsStyle) List().SetViewStyle(kDetailsStyle, true);
            HWND header = reinterpret_cast<HWND>(SendMessageA(List().Window(), LVM_GETHEADER, 0, 0));
            int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
            if (columns < 1) return "sort by a column (no columns)";
            int column = static_cast<int>(random_() % static_cast<unsigned>(columns));
            RECT cell{}, shown{};
            SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&cell));
            GetClientRect(List().Window(), &shown);
            POINT point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
            // The list may be scrolled sideways: a column out of sight cannot be clicked.
            if (point.x < 4 || point.x > shown.right - 4) return "sort by a column (out of sight)";
            const SortState before = List().ViewState().sort;
            ClientToScreen(header, &point);
            Click(point, false);
            const SortState& after = List().ViewState().sort;
            EXPECT_EQ(column, after.column);
            EXPECT_EQ(before.directions[static_cast<size_t>(column)] == 1 ? 0 : 1,
                      after.directions[static_cast<size_t>(column)])
                << "a click turns the clicked column's direction round";
            return "sort by a column";
        }
        case kDragTab: {
            int from = 1 + static_cast<int>(random_() % count), onto = 1 + static_cast<int>(random_() % count);
            if (from == onto || !Main().Bar().OnDisplayedRow(from) || !Main().Bar().OnDisplayedRow(onto))
                return "drag a tab (not on the row)";
            const unsigned moved = Tabs().Tab(from)->serial;
            MouseTo(TabPoint(from));
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            Pump(100);
            POINT start = TabPoint(from);
            MouseTo(POINT{start.x + 10, start.y});
            MouseTo(TabPoint(onto, 3));
            // The tab goes where the mark stood when the button was let go.
            const int mark = Main().Bar().InsertionMarkNow();
            SendMouse(MOUSEEVENTF_LEFTUP);
            Pump(200);
            EXPECT_EQ(count, Tabs().Count());
            EXPECT_NE(0, mark) << "the mark shows while a tab is dragged over another";
            const tabs::TabRecord* there = Tabs().Tab(mark > from ? mark - 1 : mark);
            EXPECT_TRUE(there && there->serial == moved) << "the tab lands where the mark stood";
            EXPECT_EQ(0, Main().Bar().InsertionMarkNow());
            return "drag a tab";
        }
        case kDragFolderToTitle: {
            std::string folder;
            int row = RandomFolderRow(folder);
            if (row == -1) return "drag a folder (none here)";
            SendMessageA(List().Window(), LVM_ENSUREVISIBLE, row, FALSE);
            POINT from = RowPoint(row);
            RECT client{};
            GetClientRect(program_->Window(), &client);
            POINT title{client.right / 2, 10};
            ClientToScreen(program_->Window(), &title);
            MouseTo(from);
            // The list's press and the drag each wait in a loop of their own, so the hand moves from
            // another thread. It goes on to the title only once the system's drag loop holds the
            // capture, however long a busy interface thread takes to get there.
            const DWORD interfaceThread = GetCurrentThreadId();
            const HWND list = List().Window();
            std::atomic<bool> dragging{false};
            PointerScript hand([from, title, interfaceThread, list, &dragging] {
                SendMouse(MOUSEEVENTF_LEFTDOWN);
                Sleep(150);
                MovePointerUntil(POINT{from.x + 12, from.y + 12}, [] { return true; });
                dragging = WaitOnPointerThread([&] {
                    GUITHREADINFO info{};
                    info.cbSize = sizeof info;
                    return GetGUIThreadInfo(interfaceThread, &info) && info.hwndCapture && info.hwndCapture != list;
                });
                DWORD arrived = GetTickCount();
                MovePointerUntil(title, [arrived] { return GetTickCount() - arrived > 500; });
                SendMouse(MOUSEEVENTF_LEFTUP);
            });
            PumpUntil([&] { return hand.Finished() && Tabs().Count() == count + 1; }, 15000);
            PumpUntil([&] { return hand.Finished(); }, 5000);
            EXPECT_TRUE(dragging) << "a press on a row carried away starts a drag";
            EXPECT_EQ(count + 1, Tabs().Count()) << "a folder dropped on the title becomes the last tab";
            EXPECT_EQ(folder, FolderPath(PathOfTab(Tabs().Count())));
            return "drag a folder onto the title";
        }
        case kEnterFolder:
        case kEnterAndBack: {
            std::string from = FolderPath(MainPath()), to;
            int row = RandomFolderRow(to);
            if (row == -1) return "enter a folder (none here)";
            bool locked = MainLocked();
            // A row scrolled out of sight would take the click somewhere else.
            SendMessageA(List().Window(), LVM_ENSUREVISIBLE, row, FALSE);
            DoubleClickRow(List().Window(), row);
            PumpUntil([&] { return FolderPath(MainPath()) == to; }, 3000);
            EXPECT_EQ(to, FolderPath(MainPath()));
            EXPECT_EQ(locked ? count + 1 : count, Tabs().Count()) << "a locked tab opens another";
            if (action == kEnterFolder) return "enter a folder";
            TypeKeys(List().Window(), {VK_MENU}, {VK_LEFT});
            // A locked tab opened a new tab, which starts without a history.
            const std::string back = locked ? to : from;
            PumpUntil([&] { return FolderPath(MainPath()) == back; }, locked ? 300 : 3000);
            EXPECT_EQ(back, FolderPath(MainPath()));
            return "enter a folder and go back";
        }
        case kUp: {
            std::string shown = FolderPath(MainPath());
            if (!InsideTree(shown) || shown == root_) return "go up (at the top)";
            std::string parent = shown.substr(0, shown.rfind('\\'));
            bool locked = MainLocked();
            TypeInto(List().Window(), VK_BACK);
            PumpUntil([&] { return FolderPath(MainPath()) == parent; }, 3000);
            EXPECT_EQ(parent, FolderPath(MainPath()));
            EXPECT_EQ(locked ? count + 1 : count, Tabs().Count());
            return "go up";
        }
        case kTwoPane: {
            bool was = (Main().Layout().modes.mode == layout::kTwoPane);
            TypeKeys(List().Window(), {VK_CONTROL}, {'D'});
            // One tab has nothing to show in a second list.
            EXPECT_EQ(count > 1 ? !was : was, (Main().Layout().modes.mode == layout::kTwoPane));
            return "toggle the two lists";
        }
        case kTree: {
            bool was = Main().Layout().modes.mode == layout::kTree;
            TypeKeys(List().Window(), {VK_CONTROL}, {'T'});
            EXPECT_NE(was, Main().Layout().modes.mode == layout::kTree);
            return "toggle the tree";
        }
        case kFavourites: {
            bool was = Main().Layout().modes.mode == layout::kFavourites;
            Main().ToggleFavouritesMode();
            EXPECT_NE(was, Main().Layout().modes.mode == layout::kFavourites);
            return "toggle the favourites";
        }
        case kMakeFile:
        case kMakeFolder: {
            std::string shown = FolderPath(MainPath());
            if (!InsideTree(shown)) return "make an item (outside the tree)";
            WaitOutOwnChange();
            std::string path = shown + "\\" + NextName("made");
            if (action == kMakeFolder) CreateDirectoryA(path.c_str(), nullptr);
            else
                WriteBytes(path + ".txt", "made");
            return action == kMakeFolder ? "make a folder beside the program" : "make a file beside the program";
        }
        case kRenameFile: {
            std::string shown = FolderPath(MainPath());
            if (!InsideTree(shown)) return "rename (outside the tree)";
            WaitOutOwnChange();
            for (const std::string& name : EntriesOf(shown)) {
                if (IsFolder(shown + "\\" + name)) continue;
                MoveFileA((shown + "\\" + name).c_str(), (shown + "\\" + NextName("renamed") + ".txt").c_str());
                return "rename a file beside the program";
            }
            return "rename (no file)";
        }
        case kGestureFolder: {
            std::string shown = FolderPath(MainPath());
            if (!InsideTree(shown)) return "gesture (outside the tree)";
            size_t before = EntriesOf(shown).size();
            LVHITTESTINFO hit{};
            hit.pt = EmptySpaceOfList();
            ScreenToClient(List().Window(), &hit.pt);
            if (SendMessageA(List().Window(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) != -1)
                return "gesture (no empty space)";
            POINT start = EmptySpaceOfList();
            MouseTo(POINT{start.x + 2, start.y + 2});
            MouseTo(start);
            SendMouse(MOUSEEVENTF_RIGHTDOWN);
            Pump(50);
            MouseTo(POINT{start.x - 60, start.y});
            MouseTo(POINT{start.x - 60, start.y - 60});
            SendMouse(MOUSEEVENTF_RIGHTUP);
            std::string named = shown + "\\drawn" + std::to_string(made_ + 1);
            PumpUntil([&] { return EntriesOf(shown).size() == before + 1; }, 3000);
            EXPECT_EQ(before + 1, EntriesOf(shown).size()) << "left then up makes a folder";
            EXPECT_TRUE(IsFolder(named)) << "named in the dialog";
            ownChangeAt_ = GetTickCount();
            return "draw the new-folder gesture";
        }
        case kActionCount: break;
        }
        return "nothing";
    }

    // Every data file is whole, as the program's own readers see it.
    void CheckDataFiles() {
        for (const auto& [name, bytes] : ReadFolderFiles(folder_.Path() + "data"))
            EXPECT_TRUE(IsWholeDataFile(name, bytes));
    }

    std::string root_;
    std::mt19937 random_;
    int made_ = 0;
    DWORD ownChangeAt_ = 0;
    DWORD pressedAt_ = 0;
    std::unique_ptr<RunningProgram> program_;
};

TEST_F(SoakTest, RandomUserActionsKeepTabsSelectionsListsAndFilesWhole) {
    const int actions = EnvironmentNumber("TSY_SOAK_ACTIONS", 200);
    const int seed = EnvironmentNumber("TSY_SOAK_SEED", 1);
    random_.seed(static_cast<unsigned>(seed));
    program_ = StartOn({root_});
    ASSERT_TRUE(program_->Window());
    ASSERT_TRUE(program_->Context().gestures.Enabled());
    IdleDriver driver(program_->Window());
    // The new folder's name is asked at once; a menu that a misread gesture opens is closed.
    driver.onDialog = [&](HWND dialog) {
        HWND name = GetDlgItem(dialog, IDE_SPLIT_RENAME_NAME);
        if (!name) name = GetDlgItem(dialog, IDE_RENAME_NAME);
        if (name) SetWindowTextA(name, NextName("drawn").c_str());
        PostMessageA(name ? name : dialog, WM_KEYDOWN, VK_RETURN, 1);
    };
    driver.onMenu = [](HWND) { EndMenu(); };
    std::vector<int> done(kActionCount, 0);
    for (int step = 1; step <= actions; ++step) {
        auto action = static_cast<Action>(random_() % kActionCount);
        // Tabs come as fast as they go, so that the bar neither empties nor fills without end.
        if ((action == kOpenTab || action == kDragFolderToTitle) && Tabs().Count() > 30) action = kCloseTab;
        if (PressesAButton(action)) WaitOutDoubleClick();
        const char* name = Run(action);
        if (PressesAButton(action)) pressedAt_ = GetTickCount();
        ++done[action];
        CheckInvariants(step, name);
        if (HasFatalFailure() || HasFailure()) {
            ADD_FAILURE() << "seed " << seed << ", stopped at action " << step << ": " << name;
            return;
        }
    }
    std::printf("%d actions from seed %d; each kind:", actions, seed);
    for (int count : done) std::printf(" %d", count);
    std::printf("\n");
    program_->Quit();
    CheckDataFiles();
}

}  // namespace
