#include <gtest/gtest.h>

#include <cstring>

#include "win/datafile_io.h"
#include "app/fonts.h"
#include "win/program_folder.h"
#include "tests/support/test_support.h"

namespace {

class FontsTest : public testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(folder_.Path());
        CreateDirectoryA(DataFolder().c_str(), nullptr);
    }
    TempFolder folder_;
};

TEST_F(FontsTest, MissingFileGivesTheDefaults) {
    std::memset(&g_fonts, 0x55, sizeof g_fonts);
    LoadFonts();
    EXPECT_EQ(-14, g_fonts.tab.lfHeight);
    EXPECT_EQ(FW_BOLD, g_fonts.tab.lfWeight);
    EXPECT_EQ(1, g_fonts.tab.lfPitchAndFamily);
    EXPECT_EQ(-13, g_fonts.tree.lfHeight);
    EXPECT_EQ(FW_NORMAL, g_fonts.list.lfWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, g_fonts.list.lfCharSet);
    EXPECT_STREQ("ＭＳ Ｐゴシック", g_fonts.tree.lfFaceName);
    EXPECT_EQ(0, g_fonts.tree.lfItalic);
}

TEST_F(FontsTest, SavedFileIs187BytesAndReloadsByteIdentical) {
    g_fonts = DefaultFontChoices();
    g_fonts.tab.lfHeight = -20;
    g_fonts.tree.lfItalic = 1;
    std::strcpy(g_fonts.list.lfFaceName, "ＭＳ ゴシック");
    FontChoices saved = g_fonts;
    SaveFonts();
    std::string bytes = ReadBytes(DataFilePath("fontdata.dat"));
    ASSERT_EQ(187u, bytes.size());
    EXPECT_EQ(std::string("TSY\x5a\0\0\0", 7), bytes.substr(0, 7));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 127, &saved.list, 60));
    std::memset(&g_fonts, 0, sizeof g_fonts);
    LoadFonts();
    EXPECT_EQ(0, std::memcmp(&saved, &g_fonts, sizeof saved));
}

TEST_F(FontsTest, ShortOrForeignFileGivesTheDefaults) {
    g_fonts = DefaultFontChoices();
    g_fonts.tab.lfHeight = -30;
    SaveFonts();
    std::string bytes = ReadBytes(DataFilePath("fontdata.dat"));
    ASSERT_TRUE(WriteBytes(DataFilePath("fontdata.dat"), bytes.substr(0, 150)));
    LoadFonts();
    EXPECT_EQ(-14, g_fonts.tab.lfHeight);
    bytes[0] = 'X';
    ASSERT_TRUE(WriteBytes(DataFilePath("fontdata.dat"), bytes));
    g_fonts.tab.lfHeight = -30;
    LoadFonts();
    EXPECT_EQ(-14, g_fonts.tab.lfHeight);
}

}  // namespace
