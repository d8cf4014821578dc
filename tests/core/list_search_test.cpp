#include "core/list_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace search;

namespace {

int Find(const std::vector<std::string>& names, int firstSelected, const std::string& text) {
    return FindRow(names.size(), firstSelected, text, [&](size_t row) { return names[row]; });
}

}  // namespace

TEST(ListSearchTest, TheSameKeyStartsAgainAndOtherKeysLengthenTheText) {
    SearchState state;
    state.Type('A', 'a');
    EXPECT_TRUE(state.active);
    EXPECT_EQ("a", state.text);
    state.Type('A', 'a');
    EXPECT_EQ("a", state.text) << "the same key steps to the next match";
    state.Type('V', 'v');
    EXPECT_EQ("av", state.text);
    state.End();
    state.Type('B', 'b');
    EXPECT_EQ("b", state.text) << "after the pause the text starts again";
    state.End();
    state.Type('B', 'b');
    EXPECT_EQ("b", state.text);
}

TEST(ListSearchTest, TheTextNeverGrowsBeyondItsLimit) {
    SearchState state;
    for (int i = 0; i < 300; ++i) state.Type(i % 2 ? 'A' : 'B', i % 2 ? 'a' : 'b');
    EXPECT_EQ(kTextLimit, state.text.size());
    EXPECT_EQ('b', state.text.front());
}

TEST(ListSearchTest, NamesMatchByPrefixIgnoringOnlyTheCaseOfAsciiLetters) {
    EXPECT_TRUE(StartsWith("Apple.txt", "app"));
    EXPECT_TRUE(StartsWith("apple.txt", "APPLE.TXT"));
    EXPECT_TRUE(StartsWith("anything", ""));
    EXPECT_FALSE(StartsWith("ap", "apple")) << "a shorter name never matches a longer text";
    EXPECT_FALSE(StartsWith("[x]", "{x")) << "only letters fold";
    EXPECT_TRUE(StartsWith("\x93\xfa\x96\x7b.txt", "\x93\xfa")) << "other bytes compare as they are";
    EXPECT_FALSE(StartsWith("\x93\xfa\x96\x7b.txt", "\x93\xfb"));
}

TEST(ListSearchTest, RepeatedSearchesStepThroughTheMatchesAndWrap) {
    const std::vector<std::string> names = {"apple.txt", "avocado.txt", "banana.txt"};
    EXPECT_EQ(0, Find(names, -1, "a"));
    EXPECT_EQ(1, Find(names, 0, "a"));
    EXPECT_EQ(0, Find(names, 1, "a")) << "wraps to the top";
    EXPECT_EQ(1, Find(names, -1, "av"));
    EXPECT_EQ(2, Find(names, 1, "b"));
    EXPECT_EQ(0, Find(names, 0, "AP")) << "the only match is the selected row itself";
    EXPECT_EQ(-1, Find(names, 0, "c"));
    EXPECT_EQ(-1, Find({}, -1, "a"));
    EXPECT_EQ(-1, Find(names, 7, "q")) << "a selection beyond the rows finds nothing and reads no row";
}

TEST(ListKeysTest, SpaceStepsToTheNextRowAndFromTheLastBackToTheFirst) {
    EXPECT_EQ(1, NextRow(0, 3));
    EXPECT_EQ(0, NextRow(2, 3));
    EXPECT_EQ(0, NextRow(0, 1));
    EXPECT_EQ(-1, NextRow(0, 0));
}

TEST(ListKeysTest, CtrlTabStepsPastTheOtherListsTabAndWraps) {
    EXPECT_EQ(0, NextTabInList(1, 0, -1)) << "a single tab is shown again";
    EXPECT_EQ(1, NextTabInList(3, 0, -1));
    EXPECT_EQ(0, NextTabInList(3, 2, -1));
    EXPECT_EQ(2, NextTabInList(4, 0, 1)) << "the other list's tab is skipped";
    EXPECT_EQ(1, NextTabInList(3, 2, 0)) << "wrapping onto the other list's tab takes the next";
    EXPECT_EQ(0, NextTabInList(4, 2, 3)) << "skipping past the last wraps";
    EXPECT_EQ(-1, NextTabInList(2, 0, 1)) << "two tabs shared by the two lists";
    EXPECT_EQ(1, NextTabInList(2, 0, -1));
    EXPECT_EQ(-1, NextTabInList(0, -1, -1));
}
