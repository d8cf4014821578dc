#include <gtest/gtest.h>

#include <vector>

#include "app/chrome.h"
#include "app/hotkey.h"
#include "app/main_layout.h"
#include "app/tray.h"
#include "panes/list/list_pane.h"
#include "app/sounds.h"
#include "tests/support/program_fixture.h"

namespace {

using ChromeTest = ProgramFolderTest;

RECT WindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

void DoubleClickFrame(HWND window) {
    RECT rect = WindowRect(window);
    SendMessageA(window, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rect.left + 150, rect.top + 8));
}

// Records the identifiers of a popup menu when it opens and closes it without a choice, or
// with the keys given.
struct MenuWatcher {
    static std::vector<UINT> ids;
    static std::vector<WPARAM> keys;
    static WNDPROC previous;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && ids.empty()) {
            HWND menuWindow = reinterpret_cast<HWND>(lParam);
            HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
            for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(GetMenuItemID(menu, i));
            if (keys.empty()) EndMenu();
            for (WPARAM key : keys) PostMessageA(menuWindow, WM_KEYDOWN, key, 0);
        }
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }
    explicit MenuWatcher(HWND window, std::vector<WPARAM> keysToPress = {}) : window_(window) {
        ids.clear();
        keys = std::move(keysToPress);
        previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuWatcher::Proc)));
    }
    ~MenuWatcher() {
        if (IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    HWND window_;
};
std::vector<UINT> MenuWatcher::ids;
std::vector<WPARAM> MenuWatcher::keys;
WNDPROC MenuWatcher::previous = nullptr;

TEST_F(ChromeTest, DoubleClickRollsUpAndUnrollsToTheHeightBeforeEvenWhenWidened) {
    Set("POSITION", "X", "50");
    Set("SIZE", "WIDTH", "500");
    Set("SIZE", "HEIGHT", "400");
    RunningProgram program(Options());
    HWND window = program.Window();
    DoubleClickFrame(window);
    ASSERT_TRUE(RunningMain().Chrome().rolledUp);
    RECT rolled = WindowRect(window);
    EXPECT_EQ(19, rolled.bottom - rolled.top);
    EXPECT_EQ(500, rolled.right - rolled.left);
    EXPECT_EQ(50, rolled.left);
    EXPECT_FALSE(IsWindowVisible(RunningMain().MainList().Window()));

    EXPECT_EQ(HTLEFT, SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(rolled.left + 2, rolled.top + 5)));
    EXPECT_EQ(HTRIGHT, SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(rolled.right - 3, rolled.top + 5)));
    EXPECT_EQ(HTCAPTION, SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(rolled.left + 200, rolled.top + 5)));

    SetWindowPos(window, nullptr, 0, 0, 640, 19, SWP_NOMOVE | SWP_NOZORDER);
    Set("DBLCLK", "ACTION", "3");
    DoubleClickFrame(window);
    EXPECT_FALSE(RunningMain().Chrome().rolledUp);
    RECT unrolled = WindowRect(window);
    EXPECT_EQ(400, unrolled.bottom - unrolled.top);
    EXPECT_EQ(640, unrolled.right - unrolled.left);
    EXPECT_TRUE(IsWindowVisible(RunningMain().MainList().Window()));
    EXPECT_EQ(640 - 2 - 39, [] {
        RECT r;
        GetWindowRect(RunningMain().MainList().Window(), &r);
        return r.right - r.left;
    }());
}

TEST_F(ChromeTest, DoubleClickOnAMaximisedWindowRestoresIt) {
    RunningProgram program(Options());
    HWND window = program.Window();
    RunningMain().ToggleMaximise();
    ASSERT_TRUE(IsZoomed(window));
    DoubleClickFrame(window);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_FALSE(RunningMain().Chrome().rolledUp);
    RECT rect = WindowRect(window);
    EXPECT_EQ(320, rect.right - rect.left);
}

TEST_F(ChromeTest, OtherDoubleClickActions) {
    Set("DBLCLK", "ACTION", "0");
    {
        RunningProgram program(Options());
        DoubleClickFrame(program.Window());
        EXPECT_TRUE(IsZoomed(program.Window()));
        DoubleClickFrame(program.Window());
        EXPECT_FALSE(IsZoomed(program.Window()));
    }
    Set("DBLCLK", "ACTION", "2");
    {
        RunningProgram program(Options());
        DoubleClickFrame(program.Window());
        EXPECT_FALSE(IsWindowVisible(program.Window()));
        SendMessageA(program.Window(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
        EXPECT_TRUE(IsWindowVisible(program.Window()));
        EXPECT_EQ(static_cast<int>(SoundEvent::SHOW), RunningMain().Context().sounds.LastSoundRequest().event);
    }
    Set("DBLCLK", "ACTION", "3");
    RunningProgram program(Options());
    DoubleClickFrame(program.Window());
    EXPECT_FALSE(IsWindow(program.Window()));
}

TEST_F(ChromeTest, WindowMenuHasFourItemsNormallyAndThreeWhenMaximised) {
    RunningProgram program(Options());
    HWND window = program.Window();
    {
        MenuWatcher watcher(window);
        RunningMain().ShowWindowMenu(100, 100);
        EXPECT_EQ((std::vector<UINT>{1, 2, 3, 4}), MenuWatcher::ids);
    }
    RunningMain().ToggleMaximise();
    {
        MenuWatcher watcher(window);
        RunningMain().ShowWindowMenu(100, 100);
        EXPECT_EQ((std::vector<UINT>{1, 2, 3}), MenuWatcher::ids);
    }
    EXPECT_TRUE(IsZoomed(window));
    {
        MenuWatcher watcher(window);
        RunningMain().ShowCaptionMenu(100, 100);
        EXPECT_EQ((std::vector<UINT>{1, 2}), MenuWatcher::ids);
    }
}

TEST_F(ChromeTest, WindowMenuShadeItemRollsUp) {
    RunningProgram program(Options());
    HWND window = program.Window();
    MenuWatcher watcher(window, {VK_UP, VK_UP, VK_RETURN});
    RunningMain().ShowWindowMenu(100, 100);
    EXPECT_TRUE(RunningMain().Chrome().rolledUp);
}

TEST_F(ChromeTest, SplitDirectionMenuTurnsTheSubListAside) {
    StartOptions options = Options();
    for (const char* name : {"a", "b"}) {
        options.arguments.push_back(folder_.Path() + name);
        CreateDirectoryA(options.arguments.back().c_str(), nullptr);
    }
    {
        RunningProgram program(options);
        HWND window = program.Window();
        RunningMain().ToggleTwoPaneMode();
        ASSERT_FALSE(RunningMain().Layout().splitterVertical);
        MenuWatcher watcher(window, {VK_DOWN, VK_DOWN, VK_RETURN});
        RunningMain().ShowSplitDirectionMenu(100, 100);
        EXPECT_EQ((std::vector<UINT>{1, 2}), MenuWatcher::ids);
        EXPECT_TRUE(RunningMain().Layout().splitterVertical);
        RECT client;
        GetClientRect(window, &client);
        RECT sub;
        GetWindowRect(RunningMain().SubList().Window(), &sub);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&sub), 2);
        EXPECT_EQ(client.right - 11, sub.right);
    }
    EXPECT_EQ("1", Value("LIST", "DIVIDE"));
}

TEST_F(ChromeTest, TooltipItemsMenuTogglesTheChosenItem) {
    {
        RunningProgram program(Options());
        MenuWatcher watcher(program.Window(), {VK_DOWN, VK_DOWN, VK_RETURN});
        RunningMain().ShowTooltipItemsMenu(100, 100);
        EXPECT_EQ((std::vector<UINT>{1, 2, 3, 4}), MenuWatcher::ids);
    }
    EXPECT_EQ("2", Value("LIST_TIP", "DATE"));
    EXPECT_EQ("1", Value("LIST_TIP", "SIZE"));
    EXPECT_EQ("8", Value("LIST_TIP", "TIPS"));
}

TEST_F(ChromeTest, TrayMenuQuitsTheProgram) {
    RunningProgram program(Options());
    HWND window = program.Window();
    MenuWatcher watcher(window, {VK_DOWN, VK_RETURN});
    SendMessageA(window, kTrayCallbackMessage, kTrayIconId, WM_RBUTTONDOWN);
    ASSERT_EQ(1u, MenuWatcher::ids.size());
    EXPECT_EQ(1u, MenuWatcher::ids[0]);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ChromeTest, HotKeyHidesTheWindowInFrontAndBringsItBackWithTheShowSound) {
    RunningProgram program(Options());
    HWND window = program.Window();
    SetForegroundWindow(window);
    ASSERT_EQ(window, GetForegroundWindow());
    SendMessageA(window, WM_HOTKEY, kHotKeyId, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    unsigned before = RunningMain().Context().sounds.LastSoundRequest().count;
    SendMessageA(window, WM_HOTKEY, kHotKeyId, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(window, GetForegroundWindow());
    EXPECT_GT(RunningMain().Context().sounds.LastSoundRequest().count, before);
    EXPECT_EQ(static_cast<int>(SoundEvent::SHOW), RunningMain().Context().sounds.LastSoundRequest().event);
    SendMessageA(window, WM_HOTKEY, kHotKeyId + 1, 0);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(ChromeTest, HotKeyAndTrayIconStillWorkWhileRolledUp) {
    RunningProgram program(Options());
    HWND window = program.Window();
    RunningMain().RollUp();
    ASSERT_TRUE(RunningMain().Chrome().rolledUp);
    SetForegroundWindow(window);
    ASSERT_EQ(window, GetForegroundWindow());
    SendMessageA(window, WM_HOTKEY, kHotKeyId, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    SendMessageA(window, WM_HOTKEY, kHotKeyId, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(window, GetForegroundWindow());
    ShowWindow(window, SW_HIDE);
    SendMessageA(window, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(RunningMain().Chrome().rolledUp) << "coming back keeps the shade";
    RECT rolled = WindowRect(window);
    EXPECT_EQ(kRolledUpHeight, rolled.bottom - rolled.top);
}

TEST_F(ChromeTest, MinimisingHidesExceptWhileRolledUp) {
    RunningProgram program(Options());
    HWND window = program.Window();
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    ShowWindow(window, SW_SHOW);
    RunningMain().RollUp();
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
}

TEST_F(ChromeTest, TranslucencyMakesTheWindowLayered) {
    Set("TRANP", "USE", "1");
    Set("TRANP", "ALPHA", "128");
    RunningProgram program(Options());
    HWND window = program.Window();
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(128, alpha);
    EXPECT_TRUE(flags & LWA_ALPHA);
}

TEST_F(ChromeTest, MissingHelpPageShowsTheWarning) {
    RunningProgram program(Options());
    MessageBoxCloser closer("ファイルが見つかりません");
    RunningMain().ShowHelp();
    ASSERT_EQ(1u, closer.Texts().size());
    EXPECT_EQ("ヘルプファイルが見つかりません。", closer.Texts()[0]);
}

TEST_F(ChromeTest, QuittingRolledUpOrMaximisedSavesTheNormalRectangle) {
    Set("POSITION", "X", "60");
    Set("POSITION", "Y", "70");
    Set("SIZE", "WIDTH", "500");
    Set("SIZE", "HEIGHT", "400");
    {
        RunningProgram program(Options());
        RunningMain().RollUp();
        SetWindowPos(program.Window(), nullptr, 0, 0, 600, 19, SWP_NOMOVE | SWP_NOZORDER);
    }
    EXPECT_EQ("400", Value("SIZE", "HEIGHT"));
    EXPECT_EQ("600", Value("SIZE", "WIDTH"));
    EXPECT_EQ("0", Value("SIZE", "MAXIMIZE"));
    {
        RunningProgram program(Options());
        RunningMain().ToggleMaximise();
        ASSERT_TRUE(IsZoomed(program.Window()));
    }
    EXPECT_EQ("60", Value("POSITION", "X"));
    EXPECT_EQ("70", Value("POSITION", "Y"));
    EXPECT_EQ("600", Value("SIZE", "WIDTH"));
    EXPECT_EQ("400", Value("SIZE", "HEIGHT"));
    EXPECT_EQ("1", Value("SIZE", "MAXIMIZE"));
    RunningProgram program(Options());
    EXPECT_TRUE(IsZoomed(program.Window()));
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect = WindowRect(program.Window());
    EXPECT_EQ(work.right - work.left, rect.right - rect.left);
}

}  // namespace
