#include "shell/shell_services.h"

#include <vector>

#include "tests/shell/shell_test_fixture.h"
#include "tests/support/recording_menu.h"

namespace {

using ShellServicesTest = ShellFixture;

TEST_F(ShellServicesTest, StartHoldsTheSharedObjectsAndStopLetsThemGo) {
    EXPECT_TRUE(DesktopFolder());
    EXPECT_TRUE(ShortcutLink());
    EXPECT_TRUE(ShortcutFile());
    EXPECT_FALSE(ContextMenuHandler());
    StopShellServices();
    EXPECT_FALSE(DesktopFolder());
    EXPECT_FALSE(ShortcutLink());
    EXPECT_FALSE(ShortcutFile());
    StartShellServices();
    EXPECT_TRUE(DesktopFolder());
}

TEST_F(ShellServicesTest, MenuMessagesReachTheHandlerOnlyWhileOneIsSet) {
    RecordingMenu menu;
    EXPECT_FALSE(ForwardMenuMessage(WM_DRAWITEM, 1, 2));

    SetContextMenuHandler(&menu);
    EXPECT_EQ(&menu, ContextMenuHandler());
    EXPECT_EQ(2, menu.References());
    EXPECT_TRUE(ForwardMenuMessage(WM_DRAWITEM, 11, 12));
    EXPECT_TRUE(ForwardMenuMessage(WM_MEASUREITEM, 21, 22));
    EXPECT_TRUE(ForwardMenuMessage(WM_INITMENUPOPUP, 31, 32));
    EXPECT_FALSE(ForwardMenuMessage(WM_COMMAND, 41, 42));
    EXPECT_FALSE(ForwardMenuMessage(WM_PAINT, 0, 0));
    ASSERT_EQ(3u, menu.calls.size());
    EXPECT_EQ(static_cast<UINT>(WM_DRAWITEM), menu.calls[0].message);
    EXPECT_EQ(11u, menu.calls[0].wParam);
    EXPECT_EQ(12, menu.calls[0].lParam);
    EXPECT_EQ(static_cast<UINT>(WM_MEASUREITEM), menu.calls[1].message);
    EXPECT_EQ(22, menu.calls[1].lParam);
    EXPECT_EQ(static_cast<UINT>(WM_INITMENUPOPUP), menu.calls[2].message);
    EXPECT_EQ(31u, menu.calls[2].wParam);

    SetContextMenuHandler(nullptr);
    EXPECT_EQ(1, menu.References());
    EXPECT_FALSE(ForwardMenuMessage(WM_DRAWITEM, 1, 2));
    EXPECT_EQ(3u, menu.calls.size());
}

TEST_F(ShellServicesTest, StopReleasesTheHandler) {
    RecordingMenu menu;
    SetContextMenuHandler(&menu);
    SetContextMenuHandler(&menu);
    EXPECT_EQ(2, menu.References());
    StopShellServices();
    EXPECT_EQ(1, menu.References());
    EXPECT_FALSE(ForwardMenuMessage(WM_DRAWITEM, 1, 2));
    StartShellServices();
    EXPECT_FALSE(ContextMenuHandler());
}

}  // namespace
