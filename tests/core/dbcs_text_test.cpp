#include "core/dbcs_text.h"

#include <gtest/gtest.h>

namespace {

constexpr dbcs::LeadBytePredicate ShiftJisLead = &dbcs::IsShiftJisLeadByte;

std::size_t Fit(const std::string& text, std::size_t maxBytes) {
    return dbcs::FittingLength(text, maxBytes, ShiftJisLead);
}

std::string Trim(const std::string& path) { return dbcs::DropTrailingBackslash(path, ShiftJisLead); }

std::size_t LastSeparator(const std::string& path) { return dbcs::FindLastOf(path, "\\/", ShiftJisLead); }

TEST(DbcsTextTest, LeadBytesAreTheTwoRangesOfCodePage932) {
    EXPECT_FALSE(dbcs::IsShiftJisLeadByte(0x80));
    EXPECT_TRUE(dbcs::IsShiftJisLeadByte(0x81));
    EXPECT_TRUE(dbcs::IsShiftJisLeadByte(0x9F));
    EXPECT_FALSE(dbcs::IsShiftJisLeadByte(0xA0));
    EXPECT_FALSE(dbcs::IsShiftJisLeadByte(0xA1));
    EXPECT_FALSE(dbcs::IsShiftJisLeadByte(0xDF));
    EXPECT_TRUE(dbcs::IsShiftJisLeadByte(0xE0));
    EXPECT_TRUE(dbcs::IsShiftJisLeadByte(0xFC));
    EXPECT_FALSE(dbcs::IsShiftJisLeadByte(0xFD));
    EXPECT_FALSE(dbcs::IsShiftJisLeadByte('A'));
}

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
    EXPECT_EQ("aャ", dbcs::CutToFit("aャャ", 4, ShiftJisLead));
}

TEST(DbcsTextTest, LoneLeadByteAtTheEndIsLeftOut) {
    std::string broken = "ab";
    broken += '\x95';
    EXPECT_EQ(2u, Fit(broken, 10));
    EXPECT_EQ("ab", dbcs::CutToFit(broken, 10, ShiftJisLead));
}

TEST(DbcsTextTest, BufferLimitLeavesRoomForTheTerminator) {
    std::string longName(300, 'x');
    std::string cut = dbcs::CutToFit(longName, dbcs::kMaxTextBytes, ShiftJisLead);
    EXPECT_EQ(dbcs::kTextBufferBytes - 1, cut.size());
    std::string japanese;
    while (japanese.size() < 300) japanese += "表";
    std::string cutJapanese = dbcs::CutToFit(japanese, dbcs::kMaxTextBytes, ShiftJisLead);
    EXPECT_EQ(258u, cutJapanese.size());
    EXPECT_EQ(0, japanese.compare(0, cutJapanese.size(), cutJapanese));
}

TEST(DbcsTextTest, EndsInBackslashOnlyForAWholeBackslash) {
    EXPECT_TRUE(dbcs::EndsInBackslash("\\", ShiftJisLead));
    EXPECT_TRUE(dbcs::EndsInBackslash("C:\\", ShiftJisLead));
    EXPECT_TRUE(dbcs::EndsInBackslash("C:\\ャ\\", ShiftJisLead));
    EXPECT_TRUE(dbcs::EndsInBackslash("表\\", ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("", ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("C:", ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("C:\\表", ShiftJisLead));
    EXPECT_FALSE(dbcs::EndsInBackslash("ャ表", ShiftJisLead));
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

TEST(DbcsTextTest, LastSeparatorSkipsTrailBytes) {
    EXPECT_EQ(6u, LastSeparator("C:\\dir\\name.txt"));
    EXPECT_EQ(6u, LastSeparator("C:\\dir/name.txt"));
    EXPECT_EQ(6u, LastSeparator("C:\\dir\\"));
    EXPECT_EQ(std::string::npos, LastSeparator("name.txt"));
    EXPECT_EQ(std::string::npos, LastSeparator(""));
    // The 5C of a trailing 表 is no separator; the one before it is.
    EXPECT_EQ(6u, LastSeparator("C:\\dir\\表"));
    EXPECT_EQ(2u, LastSeparator("C:\\表"));
    EXPECT_EQ(std::string::npos, LastSeparator("表"));
    EXPECT_EQ(2u, LastSeparator("表\\"));
    // 83 83 95 5C: only a walk from the start tells that 95 leads rather than trails the 83 before it.
    EXPECT_EQ(2u, LastSeparator("C:\\ャ表"));
}

TEST(DbcsTextTest, LoneLeadByteBeforeTheEndIsOneCharacter) {
    std::string path = "C:\\dir\\a";
    path += '\x95';
    EXPECT_EQ(6u, LastSeparator(path));
    std::string leadThenSeparator = "C:\\";
    leadThenSeparator += '\x95';
    EXPECT_EQ(2u, LastSeparator(leadThenSeparator));
    // Taken whole, 95 5C is 表 and hides the backslash.
    EXPECT_EQ(2u, LastSeparator(leadThenSeparator + "\\"));
}

TEST(DbcsTextTest, FindLastOfLooksForAnyOfTheCharactersAndNeverForANul) {
    EXPECT_EQ(8u, dbcs::FindLastOf("C:\\dir\\a.b", ".\\/", ShiftJisLead));
    EXPECT_EQ(6u, dbcs::FindLastOf("C:\\dir\\ab", ".\\/", ShiftJisLead));
    EXPECT_EQ(std::string::npos, dbcs::FindLastOf("abc", "", ShiftJisLead));
    EXPECT_EQ(std::string::npos, dbcs::FindLastOf(std::string("ab\0c", 4), "x", ShiftJisLead));
}

}  // namespace
