#include "shell/shell_services.h"

#include <vector>

#include "tests/shell/shell_test_fixture.h"
#include "tests/support/recording_menu.h"

namespace {

using ShellServicesTest = ShellFixture;

TEST_F(ShellServicesTest, ServicesHoldTheSharedObjectsAndTheDesktopIsTheShells) {
    EXPECT_TRUE(shell_->Desktop());
    EXPECT_TRUE(shell_->ShortcutLink());
    EXPECT_TRUE(shell_->ShortcutFile());
    EXPECT_FALSE(shell_->ContextMenuHandler());
    EXPECT_EQ(shell_->Desktop(), DesktopFolder().Get());
    shell_.reset();
    shell_ = std::make_unique<ShellServices>();
    EXPECT_TRUE(shell_->ShortcutLink());
}

TEST_F(ShellServicesTest, MenuMessagesReachTheHandlerOnlyWhileOneIsSet) {
    RecordingMenu menu;
    EXPECT_FALSE(shell_->ForwardMenuMessage(WM_DRAWITEM, 1, 2));

    shell_->SetContextMenuHandler(&menu);
    EXPECT_EQ(&menu, shell_->ContextMenuHandler());
    EXPECT_EQ(2, menu.References());
    EXPECT_TRUE(shell_->ForwardMenuMessage(WM_DRAWITEM, 11, 12));
    EXPECT_TRUE(shell_->ForwardMenuMessage(WM_MEASUREITEM, 21, 22));
    EXPECT_TRUE(shell_->ForwardMenuMessage(WM_INITMENUPOPUP, 31, 32));
    EXPECT_FALSE(shell_->ForwardMenuMessage(WM_COMMAND, 41, 42));
    EXPECT_FALSE(shell_->ForwardMenuMessage(WM_PAINT, 0, 0));
    ASSERT_EQ(3u, menu.calls.size());
    EXPECT_EQ(static_cast<UINT>(WM_DRAWITEM), menu.calls[0].message);
    EXPECT_EQ(11u, menu.calls[0].wParam);
    EXPECT_EQ(12, menu.calls[0].lParam);
    EXPECT_EQ(static_cast<UINT>(WM_MEASUREITEM), menu.calls[1].message);
    EXPECT_EQ(22, menu.calls[1].lParam);
    EXPECT_EQ(static_cast<UINT>(WM_INITMENUPOPUP), menu.calls[2].message);
    EXPECT_EQ(31u, menu.calls[2].wParam);

    shell_->SetContextMenuHandler(nullptr);
    EXPECT_EQ(1, menu.References());
    EXPECT_FALSE(shell_->ForwardMenuMessage(WM_DRAWITEM, 1, 2));
    EXPECT_EQ(3u, menu.calls.size());
}

TEST_F(ShellServicesTest, EndingTheServicesEndsOleAndComOnTheThread) {
    shell_.reset();
    // Only a thread that has left its single-threaded apartment can join the multi-threaded one.
    HRESULT joined = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(S_OK, joined);
    if (SUCCEEDED(joined)) CoUninitialize();
    shell_ = std::make_unique<ShellServices>();
    EXPECT_TRUE(shell_->Desktop());
}

TEST_F(ShellServicesTest, StopReleasesTheHandler) {
    RecordingMenu menu;
    shell_->SetContextMenuHandler(&menu);
    shell_->SetContextMenuHandler(&menu);
    EXPECT_EQ(2, menu.References());
    shell_.reset();
    EXPECT_EQ(1, menu.References());
    shell_ = std::make_unique<ShellServices>();
    EXPECT_FALSE(shell_->ContextMenuHandler());
    EXPECT_FALSE(shell_->ForwardMenuMessage(WM_DRAWITEM, 1, 2));
}

}  // namespace
