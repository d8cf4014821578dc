#include "core/dbcs_text.h"

#include <gtest/gtest.h>

namespace {

// Lead bytes of code page 932.
bool ShiftJisLead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::size_t Fit(const std::string& text, std::size_t maxBytes) {
    return dbcs::FittingLength(text, maxBytes, &ShiftJisLead);
}

std::string Trim(const std::string& path) { return dbcs::DropTrailingBackslash(path, &ShiftJisLead); }

TEST(DbcsTextTest, CutsKeepDoubleByteCharactersWhole) {
    EXPECT_EQ(3u, Fit("abcdef", 3));
    EXPECT_EQ(6u, Fit("abcdef", 10));
    EXPECT_EQ(0u, Fit("", 5));
    // "a表" is 61 95 5C: a limit of 2 would split 表.
    EXPECT_EQ(1u, Fit("a表", 2));
    EXPECT_EQ(3u, Fit("a表", 3));
    // ャ is 83 83: its trail byte has the value of a lead byte, and only walking from the start
    // tells where the characters are.
    EXPECT_EQ(2u, Fit("ャャ", 3));
    EXPECT_EQ(3u, Fit("aャャ", 4));
    EXPECT_EQ("aャ", dbcs::CutToFit("aャャ", 4, &ShiftJisLead));
}

TEST(DbcsTextTest, LoneLeadByteAtTheEndIsLeftOut) {
    std::string broken = "ab";
    broken += '\x95';
    EXPECT_EQ(2u, Fit(broken, 10));
    EXPECT_EQ("ab", dbcs::CutToFit(broken, 10, &ShiftJisLead));
}

TEST(DbcsTextTest, BufferLimitLeavesRoomForTheTerminator) {
    std::string longName(300, 'x');
    std::string cut = dbcs::CutToFit(longName, dbcs::kMaxTextBytes, &ShiftJisLead);
    EXPECT_EQ(dbcs::kTextBufferBytes - 1, cut.size());
    std::string japanese;
    while (japanese.size() < 300) japanese += "表";
    std::string cutJapanese = dbcs::CutToFit(japanese, dbcs::kMaxTextBytes, &ShiftJisLead);
    EXPECT_EQ(258u, cutJapanese.size());
    EXPECT_EQ(0, japanese.compare(0, cutJapanese.size(), cutJapanese));
}

TEST(DbcsTextTest, EndsInBackslashOnlyForAWholeBackslash) {
    EXPECT_TRUE(dbcs::EndsInBackslash("\\", &ShiftJisLead));
    EXPECT_TRUE(dbcs::EndsInBackslash("C:\\", &ShiftJisLead));
    EXPECT_TRUE(dbcs::EndsInBackslash("C:\\ャ\\", &ShiftJisLead));
    EXPECT_TRUE(dbcs::EndsInBackslash("表\\", &ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("", &ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("C:", &ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("C:\\表", &ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("ャ表", &ShiftJisLead));
}

TEST(DbcsTextTest, OneTrailingBackslashIsDropped) {
    EXPECT_EQ("C:", Trim("C:\\"));
    EXPECT_EQ("C:\\dir", Trim("C:\\dir\\"));
    EXPECT_EQ("C:\\dir\\", Trim("C:\\dir\\\\"));
    EXPECT_EQ("C:\\dir", Trim("C:\\dir"));
    EXPECT_EQ("C:\\ソ", Trim("C:\\ソ\\"));
    EXPECT_EQ("C:\\ャ", Trim("C:\\ャ\\"));
}

TEST(DbcsTextTest, BackslashThatIsATrailByteOrAloneStays) {
    EXPECT_EQ("\\", Trim("\\"));
    EXPECT_EQ("", Trim(""));
    EXPECT_EQ("C:\\表", Trim("C:\\表"));
    EXPECT_EQ("C:\\ソ", Trim("C:\\ソ"));
    EXPECT_EQ("表", Trim("表"));
    EXPECT_EQ("ャ表", Trim("ャ表"));
}

}  // namespace
