#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/fonts.h"
#include "app/main_layout.h"
#include "win/program_folder.h"
#include "panes/favourites/favourites_pane.h"
#include "panes/list/list_pane.h"
#include "shell/shell_services.h"
#include "tests/support/recording_menu.h"
#include "tests/support/program_fixture.h"
#include "panes/tree/folder_tree.h"
#include "ui/control_window.h"

namespace {

class MainWindowTest : public ProgramFolderTest {
protected:
    StartOptions WithTwoFolders() const {
        StartOptions options = Options();
        for (const char* name : {"一", "二"}) options.arguments.push_back(MakeFolder(name));
        return options;
    }
};

// Where a child window really is, in its parent's client coordinates.
layout::Box Actual(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return layout::Box{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       IsWindowVisible(child) != FALSE};
}

void ExpectPlaced(HWND child, const layout::Box& expected, const char* what) {
    layout::Box actual = Actual(child);
    EXPECT_EQ(expected.shown, actual.shown) << what;
    if (!expected.shown) return;
    EXPECT_EQ(expected.x, actual.x) << what;
    EXPECT_EQ(expected.y, actual.y) << what;
    EXPECT_EQ(expected.width, actual.width) << what;
    EXPECT_EQ(expected.height, actual.height) << what;
}

void ExpectLayoutApplied() {
    layout::Sizes sizes = RunningMain().Layout().sizes;
    layout::Placement p = layout::Place(RunningMain().Layout().modes.mode, RunningMain().ClientArea(), sizes);
    ExpectPlaced(RunningMain().Bars().tabBar, p.tabBar, "tab bar");
    ExpectPlaced(RunningMain().MainList().Window(), p.mainList, "main list");
    ExpectPlaced(RunningMain().Bars().mainHeader, p.mainHeader, "main header");
    ExpectPlaced(RunningMain().Bars().mainInfo, p.mainInfo, "main info");
    ExpectPlaced(RunningMain().SubList().Window(), p.subList, "sub list");
    ExpectPlaced(RunningMain().Bars().subHeader, p.subHeader, "sub header");
    ExpectPlaced(RunningMain().Bars().subInfo, p.subInfo, "sub info");
    ExpectPlaced(RunningMain().Tree().Window(), p.tree, "tree");
    ExpectPlaced(RunningMain().Bars().treeHeader, p.treeHeader, "tree header");
    ExpectPlaced(RunningMain().Favourites().Window(), p.favourites, "favourites");
    ExpectPlaced(RunningMain().Bars().favouritesHeader, p.favouritesHeader, "favourites header");
}

std::vector<HWND> ButtonsWithId(HWND mainWindow, int id) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(mainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0 && GetDlgCtrlID(child) == id) found.push_back(child);
    }
    return found;
}

// The image a bitmap button shows now: 0 is the "on" look of a mode button, 1 its "off" look.
int SkinnedButtonImage(HWND button) {
    ControlWindow* control = static_cast<ControlWindow*>(GetPropA(button, "CPP_CLASS"));
    return control ? control->CurrentImage() : -1;
}

TEST_F(MainWindowTest, PanesAndControlsExistWithTheirClassesAndIds) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    struct Expected {
        HWND window;
        const char* className;
        const char* name;
    };
    for (const Expected& pane : {Expected{RunningMain().Bars().tabBar, "TabBar", "TABBAR"},
                                 Expected{RunningMain().Bars().treeHeader, "CtrlTree", "CTRLTREE"},
                                 Expected{RunningMain().Bars().favouritesHeader, "CtrlFav", "CTRLFAV"},
                                 Expected{RunningMain().Bars().mainHeader, "CtrlListMain", "CTRLLISTMAIN"},
                                 Expected{RunningMain().Bars().subHeader, "CtrlListSub", "CTRLLISTSUB"},
                                 Expected{RunningMain().Bars().mainInfo, "InfoListMain", "INFOLISTMAIN"},
                                 Expected{RunningMain().Bars().subInfo, "InfoListSub", "INFOLISTSUB"}}) {
        ASSERT_TRUE(pane.window) << pane.className;
        char className[64] = {}, name[64] = {};
        GetClassNameA(pane.window, className, sizeof className);
        GetWindowTextA(pane.window, name, sizeof name);
        EXPECT_STREQ(pane.className, className);
        EXPECT_STREQ(pane.name, name);
        EXPECT_EQ(program.Window(), GetParent(pane.window));
    }
    EXPECT_EQ(RunningMain().MainList().Window(), GetDlgItem(program.Window(), 1102));
    EXPECT_EQ(RunningMain().SubList().Window(), GetDlgItem(program.Window(), 1103));
    EXPECT_EQ(RunningMain().Tree().Window(), GetDlgItem(program.Window(), 1110));
    EXPECT_EQ(RunningMain().Favourites().Window(), GetDlgItem(program.Window(), 3100));
}

// The colour a bar shows at its middle once it is painted.
COLORREF PaintedColour(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, client.right / 2, client.bottom / 2);
    ReleaseDC(window, dc);
    return colour;
}

TEST_F(MainWindowTest, BarsShowTheirBackgroundUntilTheirOwnersDrawThem) {
    Set("TREE", "EXIST", "1");
    RunningProgram program(Options());
    EXPECT_EQ(RGB(255, 255, 255), PaintedColour(RunningMain().Bars().treeHeader));
    // The info strip draws itself: white, under a black line along its top.
    HWND strip = RunningMain().Bars().mainInfo;
    PaintedColour(strip);
    HDC dc = GetDC(strip);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 5, 1));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 5, 10));
    ReleaseDC(strip, dc);
    // The list's header bar draws itself white, with its path box in the middle.
    EXPECT_EQ(RGB(255, 255, 255), PaintedColour(RunningMain().Bars().mainHeader));
    // The tab bar draws itself, on the bar background of the settings (a plain colour by default).
    EXPECT_EQ(static_cast<COLORREF>(RunningMain().Config().backgroundTab), PaintedColour(RunningMain().Bars().tabBar));
}

TEST_F(MainWindowTest, ListsOnlyLayoutPlacesTheRealWindows) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_EQ(layout::kListsOnly, RunningMain().Layout().modes.mode);
    ExpectLayoutApplied();
    SetWindowPos(program.Window(), nullptr, 50, 50, 640, 480, SWP_NOZORDER);
    ExpectLayoutApplied();
    EXPECT_EQ(640 - 2 - 39, Actual(RunningMain().MainList().Window()).width);
}

TEST_F(MainWindowTest, TreeAndFavouritesModesComeFromTheSettings) {
    Set("TREE", "EXIST", "1");
    Set("TREE", "WIDTH", "150");
    Set("SIZE", "WIDTH", "700");
    Set("SIZE", "HEIGHT", "500");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_EQ(layout::kTree, RunningMain().Layout().modes.mode);
        EXPECT_EQ(150, Actual(RunningMain().Tree().Window()).width);
        std::vector<HWND> treeButton = ButtonsWithId(program.Window(), 1120);
        ASSERT_EQ(1u, treeButton.size());
        EXPECT_EQ(0, SkinnedButtonImage(treeButton[0]));
        ExpectLayoutApplied();
        RunningMain().ToggleFavouritesMode();
        EXPECT_EQ(layout::kFavourites, RunningMain().Layout().modes.mode);
        ExpectLayoutApplied();
        EXPECT_EQ(1, SkinnedButtonImage(treeButton[0]));
    }
    EXPECT_EQ("0", Value("TREE", "EXIST"));
    EXPECT_EQ("1", Value("FAV", "EXIST"));
    RunningProgram program(Options());
    EXPECT_EQ(layout::kFavourites, RunningMain().Layout().modes.mode);
    EXPECT_TRUE(IsWindowVisible(RunningMain().Favourites().Window()));
    EXPECT_FALSE(IsWindowVisible(RunningMain().Tree().Window()));
}

TEST_F(MainWindowTest, TwoPaneLayoutsBelowAndBesideAndTheirSavedSizes) {
    Set("SUB-VIEW", "HEIGHT", "30");
    {
        RunningProgram program(WithTwoFolders());
        ASSERT_TRUE(program.Window());
        ASSERT_EQ(2, RunningMain().Tabs().Count());
        RunningMain().ToggleTwoPaneMode();
        EXPECT_EQ(layout::kTwoPane, RunningMain().Layout().modes.mode);
        EXPECT_EQ(2, RunningMain().Tabs().Selection(tabs::Pane::Sub));
        ExpectLayoutApplied();
        EXPECT_FALSE(RunningMain().Layout().splitterVertical);
        EXPECT_EQ(100, RunningMain().Layout().sizes.subHeight);
    }
    EXPECT_EQ("100", Value("SUB-VIEW", "HEIGHT"));
    EXPECT_EQ("0", Value("TREE", "EXIST"));
    Set("LIST", "DIVIDE", "1");
    Set("SIZE", "WIDTH", "600");
    // The first run's tabs would bring the two-pane view back; this start begins without it.
    Set("TAB", "REMIND", "0");
    RunningProgram program(WithTwoFolders());
    RunningMain().ToggleTwoPaneMode();
    EXPECT_TRUE(RunningMain().Layout().splitterVertical);
    ExpectLayoutApplied();
    EXPECT_EQ(200, Actual(RunningMain().SubList().Window()).width);
    RunningMain().ToggleTwoPaneMode();
    EXPECT_EQ(layout::kListsOnly, RunningMain().Layout().modes.mode);
    EXPECT_FALSE(IsWindowVisible(RunningMain().SubList().Window()));
    EXPECT_EQ(-1, RunningMain().Tabs().Selection(tabs::Pane::Sub));
}

TEST_F(MainWindowTest, OneTabLeavesTheTwoPaneSwitchAlone) {
    RunningProgram program(Options());
    ASSERT_EQ(1, RunningMain().Tabs().Count());
    RunningMain().ToggleTwoPaneMode();
    EXPECT_EQ(layout::kListsOnly, RunningMain().Layout().modes.mode);
    EXPECT_FALSE(IsWindowVisible(RunningMain().SubList().Window()));
}

TEST_F(MainWindowTest, MaximisedSizeIsTheWorkAreaAndTheMinimumWidth300) {
    RunningProgram program(Options());
    MINMAXINFO limits{};
    SendMessageA(program.Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.left, limits.ptMaxPosition.x);
    EXPECT_EQ(work.top, limits.ptMaxPosition.y);
    EXPECT_EQ(work.right - work.left, limits.ptMaxSize.x);
    EXPECT_EQ(work.bottom - work.top, limits.ptMaxSize.y);
    EXPECT_EQ(300, limits.ptMinTrackSize.x);
}

TEST_F(MainWindowTest, BareFrameMovesTheWindowAndTheSplitterDoesNot) {
    Set("TREE", "EXIST", "1");
    RunningProgram program(Options());
    HWND window = program.Window();
    auto hitAt = [&](int x, int y) {
        POINT point{x, y};
        ClientToScreen(window, &point);
        return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    };
    EXPECT_EQ(HTCAPTION, hitAt(150, 10));
    EXPECT_EQ(HTCAPTION, hitAt(20, 200));
    EXPECT_EQ(HTCLIENT, hitAt(RunningMain().Layout().splitter.left + 2, 200));
    EXPECT_EQ(HTTOPLEFT, hitAt(5, 5));
    EXPECT_EQ(HTBOTTOMRIGHT, hitAt(RunningMain().ClientArea().right - 2, RunningMain().ClientArea().bottom - 2));
    EXPECT_EQ(HTLEFT, hitAt(1, 200));
}

TEST_F(MainWindowTest, SplitterShowsTheSizingCursor) {
    Set("TREE", "EXIST", "1");
    RunningProgram program(Options());
    HWND window = program.Window();
    POINT onSplitter{RunningMain().Layout().splitter.left + 2, 200};
    ClientToScreen(window, &onSplitter);
    SetCursorPos(onSplitter.x, onSplitter.y);
    EXPECT_TRUE(
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_SIZEWE), GetCursor());
    RunningMain().ToggleTreeMode();
    SetCursor(nullptr);
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(LoadCursorA(nullptr, IDC_SIZEWE), GetCursor());
}

TEST_F(MainWindowTest, DraggingTheSplitterResizesTheLeftPane) {
    Set("TREE", "EXIST", "1");
    Set("TREE", "WIDTH", "150");
    Set("SIZE", "WIDTH", "640");
    {
        RunningProgram program(Options());
        HWND window = program.Window();
        int grabX = RunningMain().Layout().splitter.left + 2;
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grabX, 200));
        EXPECT_EQ(window, GetCapture());
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grabX + 60, 200));
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(RunningMain().ClientArea().right - 100, 200));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(RunningMain().ClientArea().right - 100, 200));
        EXPECT_NE(window, GetCapture());
        EXPECT_EQ(210, RunningMain().Layout().sizes.leftWidth);
        EXPECT_EQ(210, Actual(RunningMain().Tree().Window()).width);
    }
    EXPECT_EQ("210", Value("TREE", "WIDTH"));
}

TEST_F(MainWindowTest, FrameButtonsSitWhereTheFrameWantsThem) {
    RunningProgram program(Options());
    HWND window = program.Window();
    struct Expected {
        int id;
        int x;
        int y;
        int width;
        int height;
    };
    for (const Expected& button :
         {Expected{1120, 3, 70, 19, 21}, Expected{1128, 3, 95, 19, 21}, Expected{1127, 3, 225, 19, 21},
          Expected{1125, 0, 1, 16, 16}, Expected{1126, 0, 1, 16, 16}}) {
        std::vector<HWND> found = ButtonsWithId(window, button.id);
        ASSERT_EQ(1u, found.size()) << button.id;
        layout::Box box = Actual(found[0]);
        if (button.x) {
            EXPECT_EQ(button.x, box.x) << button.id;
        }
        EXPECT_EQ(button.y, box.y) << button.id;
        EXPECT_EQ(button.width, box.width) << button.id;
        EXPECT_EQ(button.height, box.height) << button.id;
    }
    EXPECT_EQ(2u, ButtonsWithId(window, 1121).size());
    EXPECT_EQ(2u, ButtonsWithId(window, 1123).size());
    std::vector<HWND> titleAndClose = ButtonsWithId(window, 1124);
    ASSERT_EQ(2u, titleAndClose.size());

    SetWindowPos(window, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right - 60, Actual(ButtonsWithId(window, 1125)[0]).x);
    EXPECT_EQ(client.right - 43, Actual(ButtonsWithId(window, 1126)[0]).x);
    bool closeFollows = false, titleStays = false;
    for (HWND button : titleAndClose) {
        layout::Box box = Actual(button);
        closeFollows |= box.x == client.right - 26 && box.width == 16;
        titleStays |= box.x == 25 && box.width == 100;
    }
    EXPECT_TRUE(closeFollows);
    EXPECT_TRUE(titleStays);
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

TEST_F(MainWindowTest, TreeAndListsUseTheChosenFonts) {
    {
        RunningProgram program(Options());
        EXPECT_EQ(-13, FontOf(RunningMain().Tree().Window()).lfHeight);
        EXPECT_STREQ("ＭＳ Ｐゴシック", FontOf(RunningMain().MainList().Window()).lfFaceName);
        RunningMain().Context().fonts.tree.lfHeight = -20;
        RunningMain().Context().fonts.list.lfHeight = -17;
        RunningMain().Context().fonts.list.lfWeight = FW_BOLD;
    }
    RunningProgram program(Options());
    EXPECT_EQ(-20, FontOf(RunningMain().Tree().Window()).lfHeight);
    EXPECT_EQ(-17, FontOf(RunningMain().MainList().Window()).lfHeight);
    EXPECT_EQ(-17, FontOf(RunningMain().SubList().Window()).lfHeight);
    EXPECT_EQ(FW_BOLD, FontOf(RunningMain().SubList().Window()).lfWeight);
    EXPECT_EQ(-14, RunningMain().Context().fonts.tab.lfHeight);
}

// A face name that runs to the end of its field was never chosen in the font dialog; the system
// would read past it, so that list font starts as the default while the tree keeps its choice.
TEST_F(MainWindowTest, AFontWhoseFaceNameHasNoEndStartsAsTheDefault) {
    CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
    FontChoices saved = DefaultFontChoices();
    saved.tree.lfHeight = -20;
    saved.list.lfHeight = -17;
    std::memset(saved.list.lfFaceName, 'A', sizeof saved.list.lfFaceName);
    ASSERT_TRUE(SaveFonts(folder_.Path() + "data\\fontdata.dat", saved));
    RunningProgram program(Options());
    EXPECT_EQ(-20, FontOf(RunningMain().Tree().Window()).lfHeight);
    LOGFONTA list = FontOf(RunningMain().MainList().Window());
    EXPECT_EQ(-13, list.lfHeight);
    EXPECT_STREQ("ＭＳ Ｐゴシック", list.lfFaceName);
}

TEST_F(MainWindowTest, MenuMessagesGoToTheShownContextMenu) {
    RunningProgram program(Options());
    RecordingMenu menu;
    RunningMain().Context().shell.SetContextMenuHandler(&menu);
    SendMessageA(program.Window(), WM_INITMENUPOPUP, 7, 8);
    MEASUREITEMSTRUCT measure{};
    SendMessageA(program.Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    RunningMain().Context().shell.SetContextMenuHandler(nullptr);
    SendMessageA(program.Window(), WM_INITMENUPOPUP, 9, 10);
    ASSERT_EQ(2u, menu.calls.size());
    EXPECT_EQ(static_cast<UINT>(WM_INITMENUPOPUP), menu.calls[0].message);
    EXPECT_EQ(7u, menu.calls[0].wParam);
    EXPECT_EQ(static_cast<UINT>(WM_MEASUREITEM), menu.calls[1].message);
}

}  // namespace
