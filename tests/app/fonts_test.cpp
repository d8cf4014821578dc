#include <gtest/gtest.h>

#include <cstring>

#include "win/datafile_io.h"
#include "app/fonts.h"
#include "win/program_folder.h"
#include "tests/support/test_support.h"

namespace {

class FontsTest : public testing::Test {
protected:
    void SetUp() override { CreateDirectoryA(program_.DataFolder().c_str(), nullptr); }
    std::string FontFile() const { return program_.DataFile("fontdata.dat"); }
    void Load() { fonts_ = LoadFonts(FontFile()); }
    void Save() { SaveFonts(FontFile(), fonts_); }

    TempFolder folder_;
    ProgramFolder program_{folder_.Path()};
    FontChoices fonts_ = DefaultFontChoices();
};

TEST_F(FontsTest, MissingFileGivesTheDefaults) {
    std::memset(&fonts_, 0x55, sizeof fonts_);
    Load();
    EXPECT_EQ(-14, fonts_.tab.lfHeight);
    EXPECT_EQ(FW_BOLD, fonts_.tab.lfWeight);
    EXPECT_EQ(1, fonts_.tab.lfPitchAndFamily);
    EXPECT_EQ(-13, fonts_.tree.lfHeight);
    EXPECT_EQ(FW_NORMAL, fonts_.list.lfWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, fonts_.list.lfCharSet);
    EXPECT_STREQ("ＭＳ Ｐゴシック", fonts_.tree.lfFaceName);
    EXPECT_EQ(0, fonts_.tree.lfItalic);
}

TEST_F(FontsTest, SavedFileIs187BytesAndReloadsByteIdentical) {
    fonts_ = DefaultFontChoices();
    fonts_.tab.lfHeight = -20;
    fonts_.tree.lfItalic = 1;
    std::strcpy(fonts_.list.lfFaceName, "ＭＳ ゴシック");
    FontChoices saved = fonts_;
    Save();
    std::string bytes = ReadBytes(FontFile());
    ASSERT_EQ(187u, bytes.size());
    EXPECT_EQ(std::string("TSY\x5a\0\0\0", 7), bytes.substr(0, 7));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 127, &saved.list, 60));
    std::memset(&fonts_, 0, sizeof fonts_);
    Load();
    EXPECT_EQ(0, std::memcmp(&saved, &fonts_, sizeof saved));
}

TEST_F(FontsTest, ShortOrForeignFileGivesTheDefaults) {
    fonts_ = DefaultFontChoices();
    fonts_.tab.lfHeight = -30;
    Save();
    std::string bytes = ReadBytes(FontFile());
    ASSERT_TRUE(WriteBytes(FontFile(), bytes.substr(0, 150)));
    Load();
    EXPECT_EQ(-14, fonts_.tab.lfHeight);
    bytes[0] = 'X';
    ASSERT_TRUE(WriteBytes(FontFile(), bytes));
    fonts_.tab.lfHeight = -30;
    Load();
    EXPECT_EQ(-14, fonts_.tab.lfHeight);
}

TEST_F(FontsTest, AFaceNameWithoutItsEndGivesThatFontItsDefaultAlone) {
    fonts_ = DefaultFontChoices();
    fonts_.tab.lfHeight = -20;
    fonts_.tree.lfHeight = -18;
    std::memset(fonts_.tree.lfFaceName, 'A', LF_FACESIZE);
    std::strcpy(fonts_.list.lfFaceName, "ＭＳ ゴシック");
    FontChoices saved = fonts_;
    Save();
    std::memset(&fonts_, 0, sizeof fonts_);
    Load();
    EXPECT_EQ(0, std::memcmp(&saved.tab, &fonts_.tab, sizeof saved.tab));
    EXPECT_EQ(0, std::memcmp(&saved.list, &fonts_.list, sizeof saved.list));
    EXPECT_EQ(-13, fonts_.tree.lfHeight);
    EXPECT_STREQ("ＭＳ Ｐゴシック", fonts_.tree.lfFaceName);
}

}  // namespace
