// Mouse gestures drawn with the real pointer in the running program's main list: a drawn gesture
// runs its action once the pointer is free, a left press or a lost capture throws it away, a
// right click without strokes shows the list's background menu, a right click on an item is the
// item's, a double-click on empty space switches gestures, and gesture.dat comes back as it was.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/gesture_data.h"
#include "app/main_window.h"
#include "core/datafile.h"
#include "core/gesture_file.h"
#include "panes/list/list_pane.h"
#include "res/ids.h"
#include "tests/support/idle_driver.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"
#include "win/subclass.h"

namespace {

std::string FileOf(const GestureRecognizer& gestures) {
    datafile::PayloadWriter payload;
    gesturefile::Encode(gestures, payload);
    std::vector<uint8_t> bytes = datafile::Frame(gesturefile::kVersion, payload.Bytes());
    return std::string(bytes.begin(), bytes.end());
}

BOOL CALLBACK CountDialog(HWND window, LPARAM count) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Watches a list for the moment it loses the capture, and notes whether the main window was still
// free then: enabled and with no dialog of the thread in front of it.
class CaptureWatch {
public:
    CaptureWatch(HWND list, HWND main) : main_(main) { subclass_.Attach(list, &CaptureWatch::Procedure, this); }
    bool lost = false;
    bool windowFreeWhenLost = false;

private:
    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<CaptureWatch*>(context);
        if (message == WM_CAPTURECHANGED && !self->lost) {
            self->lost = true;
            int dialogs = 0;
            EnumThreadWindows(GetCurrentThreadId(), &CountDialog, reinterpret_cast<LPARAM>(&dialogs));
            self->windowFreeWhenLost = IsWindowEnabled(self->main_) && dialogs == 0;
        }
        return Subclass::CallNext(window, message, wParam, lParam);
    }
    HWND main_;
    Subclass subclass_;
};

class GesturesInProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        Set("POSITION", "X", "0");
        Set("POSITION", "Y", "0");
        Set("SIZE", "WIDTH", "700");
        Set("SIZE", "HEIGHT", "700");
        Set("LIST", "DEFSTYLE", "1");
        Set("SOUND", "USE_SOUND", "1");
        box_ = MakeFolder("箱");
        for (const char* name : {"甲.txt", "乙.txt"}) WriteBytes(box_ + "\\" + name, name);
    }
    // Starts the program on the box with gestures on: left then up makes a new folder, down
    // refreshes the list and right is drawn with nothing assigned.
    void StartWithGestures() {
        GestureRecognizer gestures;
        gestures.SetEnabled(true);
        gestures.Assign(0x21, gesture::kNewFolder);
        gestures.Assign(0x8, gesture::kRefresh);
        WriteBytes(GestureFile(), FileOf(gestures));
        Start();
    }
    void Start() {
        program_ = StartOn({box_});
        ASSERT_TRUE(program_->Window());
        driver_ = std::make_unique<IdleDriver>(program_->Window());
    }
    std::string GestureFile() const { return folder_.Path() + "data\\" + kGestureFileName; }

    MainWindow& Main() { return program_->Main(); }
    ListPane& List() { return Main().MainList(); }
    GestureRecognizer& Gestures() { return program_->Context().gestures; }
    const SoundRequest& LastSound() { return program_->Context().sounds.LastSoundRequest(); }

    // A point of the list's empty space below its rows, on the screen.
    POINT EmptySpace() {
        HWND list = List().Window();
        RECT client{};
        GetClientRect(list, &client);
        POINT point{client.right / 2, client.bottom - 40};
        LVHITTESTINFO hit{};
        hit.pt = point;
        EXPECT_EQ(-1, SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        ClientToScreen(list, &point);
        return point;
    }
    POINT RowPoint(int row) {
        HWND list = List().Window();
        RECT cell{};
        cell.left = LVIR_LABEL;
        SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        POINT point{cell.left + 8, (cell.top + cell.bottom) / 2};
        ClientToScreen(list, &point);
        return point;
    }
    // The right button pressed at a point, then the pointer carried through the offsets from it
    // in turn, button still held. The display may put the cursor back for a moment to where it was
    // before each move: the start is approached from two pixels away, so that no such return can
    // read as a stroke, and the return from a later point is a turn that adds nothing.
    void DrawFrom(POINT start, const std::vector<POINT>& offsets) {
        MouseTo(POINT{start.x + 2, start.y + 2});
        MouseTo(start);
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        Pump(100);
        for (POINT offset : offsets) MouseTo(POINT{start.x + offset.x, start.y + offset.y});
    }
    void ReleaseRight() {
        SendMouse(MOUSEEVENTF_RIGHTUP);
        Pump(300);
    }
    // The left button pressed and let go in one go, so that the control's own press handling
    // finds the release waiting.
    static void ClickLeftHere() {
        SendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        Pump(300);
    }
    // The number of entries of the list's background menu as the resources hold it.
    static int BackgroundMenuEntries() {
        HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_LIST_BACKGROUND));
        int count = GetMenuItemCount(GetSubMenu(menu, 0));
        DestroyMenu(menu);
        return count;
    }
    std::vector<std::string> BoxContents() {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((box_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    std::string box_;
    std::unique_ptr<RunningProgram> program_;
    std::unique_ptr<IdleDriver> driver_;
};

TEST_F(GesturesInProgramTest, ADrawnGestureShowsItsArrowsAndSoundsThenRunsItsActionWithThePointerFree) {
    StartWithGestures();
    InfoStrip& strip = List().Info();
    HWND captureDuringAction = List().Window();
    bool namedInDialog = false;
    driver_->onDialog = [&](HWND dialog) {
        captureDuringAction = GetCapture();
        HWND name = GetDlgItem(dialog, IDE_SPLIT_RENAME_NAME);
        if (!name) name = GetDlgItem(dialog, IDE_RENAME_NAME);
        namedInDialog = name != nullptr;
        if (name) SetWindowTextA(name, "描いた");
        PostMessageA(name ? name : dialog, WM_KEYDOWN, VK_RETURN, 1);
    };

    POINT start = EmptySpace();
    DrawFrom(start, {{-30, 0}});
    CaptureWatch watch(List().Window(), program_->Window());
    EXPECT_TRUE(strip.GestureInProgress());
    EXPECT_EQ(List().Window(), GetCapture());
    EXPECT_EQ("←", strip.StatusText());
    EXPECT_EQ(static_cast<int>(SoundEvent::GESTURE_LEFT), LastSound().event);
    MouseTo(POINT{start.x - 30, start.y - 30});
    EXPECT_EQ("←↑", strip.StatusText());
    EXPECT_EQ(static_cast<int>(SoundEvent::GESTURE_UP), LastSound().event);
    unsigned soundsDrawn = LastSound().count;
    MouseTo(POINT{start.x - 25, start.y - 35});
    EXPECT_EQ("←↑", strip.StatusText()) << "a move without a stroke shows the same arrows";
    EXPECT_EQ(soundsDrawn, LastSound().count);

    ReleaseRight();
    EXPECT_EQ(1, driver_->dialogsSeen) << "the new folder's name is asked at once";
    EXPECT_TRUE(namedInDialog);
    EXPECT_EQ(nullptr, captureDuringAction);
    EXPECT_TRUE(watch.lost);
    EXPECT_TRUE(watch.windowFreeWhenLost) << "the list let go of the pointer before the action's dialog came";
    EXPECT_EQ(0, driver_->menusSeen);
    EXPECT_TRUE(FileExists(box_ + "\\描いた"));
    EXPECT_FALSE(strip.GestureInProgress());
    EXPECT_EQ(std::string::npos, strip.StatusText().find("←")) << "the ordinary status is back";
    EXPECT_FALSE(Gestures().Active());
}

TEST_F(GesturesInProgramTest, ALeftPressOrALostCaptureThrowsTheStrokesAway) {
    StartWithGestures();
    InfoStrip& strip = List().Info();
    std::vector<std::string> before = BoxContents();
    // A stale gesture's new folder would ask for its name; the question is turned down at once.
    driver_->onDialog = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); };

    POINT start = EmptySpace();
    DrawFrom(start, {{-30, 0}, {-30, -30}});
    ASSERT_EQ("←↑", strip.StatusText());
    ClickLeftHere();
    EXPECT_FALSE(strip.GestureInProgress());
    EXPECT_FALSE(Gestures().Active());
    EXPECT_NE("←↑", strip.StatusText()) << "the ordinary status is back";
    ReleaseRight();
    EXPECT_EQ(0, driver_->dialogsSeen);
    EXPECT_EQ(0, driver_->menusSeen);
    EXPECT_EQ(before, BoxContents());

    DrawFrom(start, {{-30, 0}, {-30, -30}});
    ASSERT_EQ("←↑", strip.StatusText());
    // Another window takes the pointer, as a window that pops up over the list would.
    SetCapture(program_->Window());
    EXPECT_FALSE(strip.GestureInProgress());
    EXPECT_FALSE(Gestures().Active());
    ReleaseCapture();
    ReleaseRight();
    EXPECT_EQ(0, driver_->dialogsSeen) << "the release after the lost capture ran nothing";
    EXPECT_EQ(0, driver_->menusSeen);
    EXPECT_EQ(before, BoxContents());
}

TEST_F(GesturesInProgramTest, WithoutStrokesTheBackgroundMenuOpensAndAnUnassignedGestureDoesNothing) {
    StartWithGestures();
    int menuEntries = -1;
    bool drawingDuringMenu = true;
    driver_->onMenu = [&](HWND menuWindow) {
        menuEntries = GetMenuItemCount(MenuOf(menuWindow));
        drawingDuringMenu = List().Info().GestureInProgress() || Gestures().Active();
        PostKeys(menuWindow, {VK_ESCAPE});
    };
    std::vector<std::string> before = BoxContents();
    POINT start = EmptySpace();
    // Every point of the hand within 16 pixels of every other, however the display orders them.
    DrawFrom(start, {{8, -8}, {-8, 8}});
    ReleaseRight();
    EXPECT_EQ(1, driver_->menusSeen);
    EXPECT_EQ(BackgroundMenuEntries(), menuEntries);
    EXPECT_FALSE(drawingDuringMenu);
    EXPECT_NE(List().Window(), GetCapture());

    DrawFrom(start, {{40, 0}});
    ASSERT_EQ("→", List().Info().StatusText());
    ReleaseRight();
    EXPECT_EQ(1, driver_->menusSeen) << "strokes with no action show no menu";
    EXPECT_EQ(0, driver_->dialogsSeen);
    EXPECT_EQ(before, BoxContents());
}

TEST_F(GesturesInProgramTest, ARightClickOnAnItemIsTheItemsAndNeverAGesture) {
    StartWithGestures();
    int row = RowNamed(List(), "乙.txt");
    ASSERT_GE(row, 0);
    bool drawingDuringMenu = true;
    driver_->onMenu = [&](HWND menuWindow) {
        drawingDuringMenu = List().Info().GestureInProgress() || Gestures().Active();
        PostKeys(menuWindow, {VK_ESCAPE});
    };
    MouseTo(RowPoint(row));
    SendClick(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(PumpUntil([&] { return driver_->menusSeen > 0; }));
    Pump(200);
    EXPECT_FALSE(drawingDuringMenu);
    EXPECT_FALSE(Gestures().Active());
    EXPECT_EQ(1, static_cast<int>(SendMessageA(List().Window(), LVM_GETSELECTEDCOUNT, 0, 0)));
}

TEST_F(GesturesInProgramTest, ADoubleClickOnEmptySpaceSwitchesGesturesWithTheButtonAndItsSound) {
    StartWithGestures();
    SkinnedButton& button = *Main().Buttons().gestures;
    int onImage = button.CurrentImage();
    auto doubleClick = [this] {
        MouseTo(EmptySpace());
        INPUT clicks[4] = {};
        for (int i = 0; i < 4; ++i) {
            clicks[i].type = INPUT_MOUSE;
            clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        }
        SendInput(4, clicks, sizeof(INPUT));
        Pump(400);
    };
    unsigned sounds = LastSound().count;
    doubleClick();
    EXPECT_FALSE(Gestures().Enabled());
    EXPECT_FALSE(Main().GesturesOn());
    EXPECT_EQ(static_cast<int>(SoundEvent::BTN), LastSound().event);
    EXPECT_GT(LastSound().count, sounds);
    EXPECT_NE(onImage, button.CurrentImage());

    // Switched off, a right press on empty space is the control's again: no gesture starts.
    POINT start = EmptySpace();
    driver_->onMenu = [](HWND menuWindow) { PostKeys(menuWindow, {VK_ESCAPE}); };
    MouseTo(start);
    INPUT right[2] = {};
    right[0].type = right[1].type = INPUT_MOUSE;
    right[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    right[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, right, sizeof(INPUT));
    EXPECT_TRUE(PumpUntil([&] { return driver_->menusSeen > 0; })) << "the control's own right click shows a menu";
    EXPECT_FALSE(List().Info().GestureInProgress());
    EXPECT_FALSE(Gestures().Active());

    doubleClick();
    EXPECT_TRUE(Gestures().Enabled());
    EXPECT_EQ(onImage, button.CurrentImage());
}

TEST_F(GesturesInProgramTest, GestureDatComesBackByteForByteAndAMissingOneLeavesGesturesOff) {
    GestureRecognizer saved;
    saved.SetEnabled(true);
    saved.Assign(0x81212121u, gesture::kCopy);
    saved.Assign(0x21, gesture::kNewFolder);
    saved.Assign(0x4, 99);
    std::string bytes = FileOf(saved);
    WriteBytes(GestureFile(), bytes);
    Start();
    EXPECT_TRUE(Gestures().Enabled());
    EXPECT_EQ(saved.Table(), Gestures().Table());
    program_->Quit();
    EXPECT_EQ(bytes, ReadBytes(GestureFile()));
    program_.reset();

    DeleteFileA(GestureFile().c_str());
    Start();
    EXPECT_FALSE(Gestures().Enabled());
    EXPECT_TRUE(Gestures().Table().empty());
    Main().ToggleGesturesOn();
    program_->Quit();
    GestureRecognizer on;
    on.SetEnabled(true);
    EXPECT_EQ(FileOf(on), ReadBytes(GestureFile()));
}

}  // namespace
