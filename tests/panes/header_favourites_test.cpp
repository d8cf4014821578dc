// The header bar's favourites menu, built from a source of favourites and chosen from with keys
// typed on the keyboard: groups with favourites become submenus, and Shift held as the menu closes
// opens the favourite as a new tab instead of showing it in the list.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/panes/list_pane_fixture.h"
#include "tests/support/list_input.h"
#include "tests/support/idle_driver.h"

namespace {

class TestFavourites : public FavouriteSource {
public:
    std::vector<FavouriteEntry> TopLevelEntries() const override { return entries; }
    std::vector<FavouriteEntry> entries;
};

class HeaderFavouritesTest : public ListPaneFixture {
protected:
    void SetUp() override {
        ListPaneFixture::SetUp();
        theme_.CreateMenuLook(GetModuleHandleA(nullptr));
        CreateList(kDetailsStyle);
        HWND bar = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 20, host_.Window(), nullptr,
                                   nullptr, nullptr);
        pane_.AttachHeaderBar(bar, favourites_);
    }
    FavouriteEntry Entry(const std::string& name, std::vector<FavouriteEntry> children = {}, bool group = false) {
        return FavouriteEntry{name, group, group ? ComPtr<IShellFolder>() : FolderAt(MakeFolder(name)),
                              std::move(children)};
    }
    // A click on the button, and in the menu that opens the keys pressed through the system's input,
    // Shift held around them when asked.
    void Choose(const std::vector<WORD>& keys, bool shift) {
        IdleDriver driver(host_.Window());
        driver.onMenu = [&](HWND menu) {
            topItems_ = GetMenuItemCount(MenuOf(menu));
            groupItems_ = GetMenuItemCount(GetSubMenu(MenuOf(menu), 1));
            SendKeys(shift ? std::vector<WORD>{VK_SHIFT} : std::vector<WORD>{}, keys);
        };
        HWND button = pane_.Header().FavouritesButton()->Window();
        MoveMouse(button, 5, 5);
        PressLeft(button);
        ReleaseLeft(button);
        Pump();
    }

    TestFavourites favourites_;
    int topItems_ = 0, groupItems_ = 0;
};

TEST_F(HeaderFavouritesTest, AGroupIsASubmenuAndShiftHeldAsTheMenuClosesOpensTheFavouriteAsANewTab) {
    favourites_.entries = {Entry("甲"), Entry("空", {}, true), Entry("組", {Entry("乙"), Entry("丙")}, true),
                           Entry("丁")};
    Choose({VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, true);
    EXPECT_EQ(3, topItems_) << "a group without favourites is left out";
    EXPECT_EQ(2, groupItems_);
    EXPECT_EQ(std::vector<std::string>{PathOf("丙")}, listHost_.newTabs);
    EXPECT_TRUE(listHost_.shownFolders.empty());

    Choose({VK_UP, VK_RETURN}, false);
    ASSERT_EQ(1u, listHost_.shownFolders.size());
    EXPECT_EQ(PathOf("丁"), listHost_.shownFolders[0].path);
    EXPECT_TRUE(listHost_.shownFolders[0].rememberFolder);
    EXPECT_EQ(1u, listHost_.newTabs.size());
}

}  // namespace
