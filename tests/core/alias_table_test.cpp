#include "core/alias_table.h"

#include <gtest/gtest.h>

namespace {

TEST(AliasTable, AnAliasIsFoundByItsExactPathAndAnEmptyOneRemovesIt) {
    AliasTable aliases;
    std::string alias = "unchanged";
    EXPECT_FALSE(aliases.LookUp("C:\\作業", alias));
    EXPECT_EQ("unchanged", alias);
    aliases.Set("C:\\作業", "仕事");
    ASSERT_TRUE(aliases.LookUp("C:\\作業", alias));
    EXPECT_EQ("仕事", alias);
    EXPECT_FALSE(aliases.LookUp("c:\\作業", alias)) << "paths are matched as the shell gives them";
    aliases.Set("C:\\作業", "");
    EXPECT_FALSE(aliases.LookUp("C:\\作業", alias));
    EXPECT_TRUE(aliases.All().empty());
}

}  // namespace
