#include "core/startup_tabs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tabs;

class Folder : public TabFolder {
public:
    Folder(std::string name, bool shown) : name_(std::move(name)), shown_(shown) {}
    bool CanEnumerate() override { return shown_; }
    std::string DisplayName() const override { return name_; }
    std::string Path() const override { return "C:\\" + name_; }

private:
    std::string name_;
    bool shown_;
};

class Bar : public TabBarView {
public:
    void LayoutTabBar() override {}
    void ShowRowOf(Pane) override {}
    void Invalidate() override {}
    bool LauncherMode() const override { return false; }
    bool OnDisplayedRow(int) const override { return true; }
};

class NoAliases : public TabAliases {
public:
    bool LookUp(const std::string&, std::string&) const override { return false; }
    void Set(const std::string&, const std::string&) override {}
};

class Lists : public TabPanes {
public:
    bool TwoPane() const override { return false; }
    int ViewStyle(Pane) const override { return kDetailsStyle; }
    SortOrder Sort(Pane) const override { return {}; }
    int ColumnWidth(Pane, int) const override { return 100; }
    void ShowTab(Pane, const TabRecord&) override {}
};

FolderPtr Make(const std::string& name, bool shown = true) { return std::make_shared<Folder>(name, shown); }

class StartupTabsTest : public ::testing::Test {
protected:
    void Open(std::initializer_list<const char*> names) {
        for (const char* name : names) ASSERT_TRUE(model.AddFolderTab(Make(name), false, false, -1).done);
    }
    std::vector<std::string> TabTitles() const {
        std::vector<std::string> titles;
        for (int position = 1; position <= model.Count(); ++position) titles.push_back(model.Tab(position)->title);
        return titles;
    }

    Bar bar;
    NoAliases aliases;
    Lists lists;
    TabModel model{bar, aliases, lists, Make("desktop")};
};

using Titles = std::vector<std::string>;

TEST_F(StartupTabsTest, AnOpenTabMovesIntoItsPlaceAndAFolderWithoutOneIsAddedThere) {
    Open({"v", "w", "x", "y", "a"});
    EXPECT_EQ(2, PlaceStartupTabs(model, {Make("a"), Make("b")}));
    EXPECT_EQ((Titles{"a", "b", "v", "w", "x", "y"}), TabTitles()) << "tab 5 became tab 1, nothing was duplicated";
    EXPECT_EQ(2, PlaceStartupTabs(model, {Make("a"), Make("b")}));
    EXPECT_EQ((Titles{"a", "b", "v", "w", "x", "y"}), TabTitles()) << "tabs already in place stay";
}

TEST_F(StartupTabsTest, AFolderThatCannotBeShownTakesNoPlace) {
    Open({"x"});
    EXPECT_EQ(2, PlaceStartupTabs(model, {Make("a"), Make("gone", false), nullptr, Make("b")}));
    EXPECT_EQ((Titles{"a", "b", "x"}), TabTitles());
}

TEST_F(StartupTabsTest, ATabPlacedForAnEarlierFolderIsNotTakenAgain) {
    Open({"x", "a"});
    EXPECT_EQ(3, PlaceStartupTabs(model, {Make("a"), Make("b"), Make("a")}));
    EXPECT_EQ((Titles{"a", "b", "a", "x"}), TabTitles());
}

}  // namespace
