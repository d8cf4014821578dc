#include "core/display_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/dbcs_text.h"

namespace {

constexpr int64_t kTera = int64_t{1} << 40;
constexpr int64_t kPeta = int64_t{1} << 50;
constexpr int64_t kFiveGigabytes = 5368709120;

// True when the bytes are whole characters of code page 932.
bool EndsOnCharacterBoundary(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) at += dbcs::IsShiftJisLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    return at == text.size();
}

TEST(DisplayFormatSize, PreciseKeepsAboutThreeDigitsPerBand) {
    EXPECT_EQ("0バイト", FormatSizePrecise(0));
    EXPECT_EQ("1バイト", FormatSizePrecise(1));
    EXPECT_EQ("1023バイト", FormatSizePrecise(1023));
    EXPECT_EQ("1.00KB", FormatSizePrecise(1024));
    EXPECT_EQ("1.50KB", FormatSizePrecise(1536));
    EXPECT_EQ("9.76KB", FormatSizePrecise(9999));
    EXPECT_EQ("9.8KB", FormatSizePrecise(10000));
    EXPECT_EQ("97.7KB", FormatSizePrecise(99999));
    EXPECT_EQ("98KB", FormatSizePrecise(100000));
    EXPECT_EQ("1024KB", FormatSizePrecise(1048575));
    EXPECT_EQ("1.00MB", FormatSizePrecise(1048576));
    EXPECT_EQ("9.54MB", FormatSizePrecise(9999999));
    EXPECT_EQ("9.5MB", FormatSizePrecise(10000000));
    EXPECT_EQ("95.4MB", FormatSizePrecise(99999999));
    EXPECT_EQ("95MB", FormatSizePrecise(100000000));
    EXPECT_EQ("1024MB", FormatSizePrecise(1073741823));
    EXPECT_EQ("1GB", FormatSizePrecise(1073741824));
    EXPECT_EQ("2GB", FormatSizePrecise(1610612736));
    EXPECT_EQ("5GB", FormatSizePrecise(kFiveGigabytes));
    EXPECT_EQ("93GB", FormatSizePrecise(100000000000));
}

TEST(DisplayFormatSize, RoundedUpNeverShowsANonEmptyFileAsZero) {
    EXPECT_EQ("0KB", FormatSizeRoundedUp(0));
    EXPECT_EQ("1KB", FormatSizeRoundedUp(1));
    EXPECT_EQ("1KB", FormatSizeRoundedUp(1023));
    EXPECT_EQ("1KB", FormatSizeRoundedUp(1024));
    EXPECT_EQ("2KB", FormatSizeRoundedUp(1025));
    EXPECT_EQ("10KB", FormatSizeRoundedUp(10000));
    EXPECT_EQ("1024KB", FormatSizeRoundedUp(1048575));
    EXPECT_EQ("1MB", FormatSizeRoundedUp(1048576));
    EXPECT_EQ("2MB", FormatSizeRoundedUp(1048577));
    EXPECT_EQ("1024MB", FormatSizeRoundedUp(1073741823));
    EXPECT_EQ("1GB", FormatSizeRoundedUp(1073741824));
    EXPECT_EQ("5GB", FormatSizeRoundedUp(kFiveGigabytes));
    EXPECT_EQ("6GB", FormatSizeRoundedUp(kFiveGigabytes + 1));
}

TEST(DisplayFormatSize, NegativeSizesShowAsZeroBytesInBothForms) {
    EXPECT_EQ("0バイト", FormatSizePrecise(-1));
    EXPECT_EQ("0バイト", FormatSizeRoundedUp(-1));
    EXPECT_EQ("0バイト", FormatSizePrecise(std::numeric_limits<int64_t>::min()));
    EXPECT_EQ("0バイト", FormatSizeRoundedUp(std::numeric_limits<int64_t>::min()));
}

TEST(DisplayFormatSize, TerabytesAndPetabytesContinueBothTables) {
    EXPECT_EQ("1024GB", FormatSizePrecise(kTera - 1));
    EXPECT_EQ("1TB", FormatSizePrecise(kTera));
    EXPECT_EQ("1024TB", FormatSizePrecise(kPeta - 1));
    EXPECT_EQ("1PB", FormatSizePrecise(kPeta));
    EXPECT_EQ("8192PB", FormatSizePrecise(std::numeric_limits<int64_t>::max()));

    EXPECT_EQ("1024GB", FormatSizeRoundedUp(kTera - 1));
    EXPECT_EQ("1TB", FormatSizeRoundedUp(kTera));
    EXPECT_EQ("2TB", FormatSizeRoundedUp(kTera + 1));
    EXPECT_EQ("1024TB", FormatSizeRoundedUp(kPeta - 1));
    EXPECT_EQ("1PB", FormatSizeRoundedUp(kPeta));
    EXPECT_EQ("2PB", FormatSizeRoundedUp(kPeta + 1));
    EXPECT_EQ("8192PB", FormatSizeRoundedUp(std::numeric_limits<int64_t>::max()));
}

TEST(DisplayFormatSize, HalvesOfTheFindDataMakeOneSignedSize) {
    EXPECT_EQ(kFiveGigabytes, FileSizeFromHalves(1, 0x40000000));
    EXPECT_EQ(int64_t{0xFFFFFFFF}, FileSizeFromHalves(0, 0xFFFFFFFF));
    EXPECT_EQ(-1, FileSizeFromHalves(0xFFFFFFFF, 0xFFFFFFFF));
    EXPECT_EQ("0バイト", FormatSizePrecise(FileSizeFromHalves(0x80000000, 0)));
}

TEST(DisplayFormatTime, YearMonthDayHourMinuteWithLeadingZeros) {
    EXPECT_EQ("2005/02/21 12:04", FormatDateTime({2005, 2, 21, 12, 4}));
    EXPECT_EQ("1601/01/01 00:00", FormatDateTime({1601, 1, 1, 0, 0}));
    EXPECT_EQ("0999/12/31 23:59", FormatDateTime({999, 12, 31, 23, 59}));
    EXPECT_EQ("30827/12/31 23:59", FormatDateTime({30827, 12, 31, 23, 59}));
}

TEST(DisplayFormatAttributes, LettersInFixedOrderAndOtherBitsIgnored) {
    EXPECT_EQ("RA", FormatAttributes(kAttributeReadOnly | kAttributeArchive));
    EXPECT_EQ("RHSA", FormatAttributes(kAttributeArchive | kAttributeSystem | kAttributeHidden | kAttributeReadOnly));
    EXPECT_EQ("HS", FormatAttributes(kAttributeHidden | kAttributeSystem));
    EXPECT_EQ("", FormatAttributes(0));
    const unsigned directoryNormalCompressed = 0x10 | 0x80 | 0x800;
    EXPECT_EQ("", FormatAttributes(directoryNormalCompressed));
    EXPECT_EQ("A", FormatAttributes(directoryNormalCompressed | kAttributeArchive));
    EXPECT_EQ("RHSA", FormatAttributes(0xFFFFFFFF));
}

TEST(DisplayFormatCut, TextThatFitsIsReturnedUnchanged) {
    EXPECT_EQ("", CutToBytes("", 0));
    EXPECT_EQ("abc", CutToBytes("abc", 3));
    EXPECT_EQ("abc", CutToBytes("abc", 100));
    EXPECT_EQ("日本", CutToBytes("日本", 4));
}

TEST(DisplayFormatCut, LongTextKeepsLimitLessThreeBytesAndDots) {
    EXPECT_EQ("abcde...", CutToBytes("abcdefghij", 8));
    EXPECT_EQ("abcdef...", CutToBytes("abcdefghij", 9));
    EXPECT_EQ("...", CutToBytes("abcd", 3));
}

TEST(DisplayFormatCut, DoubleByteCharacterAtTheBoundaryIsDroppedWhole) {
    ASSERT_EQ(2u, std::string("日").size());
    // Room for "ab" and both bytes of the first character.
    EXPECT_EQ("ab日...", CutToBytes("ab日本語", 7));
    // Room for "ab" and only the lead byte of the first character.
    EXPECT_EQ("ab...", CutToBytes("ab日本語", 6));
    EXPECT_EQ("...", CutToBytes("日本語", 4));
    EXPECT_EQ("日...", CutToBytes("日本語", 5));
}

TEST(DisplayFormatCut, TrailByteThatLooksLikeALeadByteIsKept) {
    // Both bytes of this character (0x88 0x9F) lie in the lead-byte range.
    const std::string character = "亜";
    ASSERT_EQ(2u, character.size());
    ASSERT_TRUE(dbcs::IsShiftJisLeadByte(static_cast<unsigned char>(character[1])));
    EXPECT_EQ("x亜...", CutToBytes("x亜亜亜", 6));
    EXPECT_EQ("x...", CutToBytes("x亜亜亜", 5));
}

TEST(DisplayFormatCut, HalfWidthKatakanaAreSingleBytes) {
    const std::string katakana = "ｱｲｳｴｵｶｷ";
    ASSERT_EQ(7u, katakana.size());
    EXPECT_EQ("ｱｲｳ...", CutToBytes(katakana, 6));
    EXPECT_EQ("ｱ日...", CutToBytes("ｱ日ｲｳｴｵ", 6));
    EXPECT_EQ("ｱｲ...", CutToBytes("ｱｲ日本語", 6));
    EXPECT_EQ("ｱｲ日...", CutToBytes("ｱｲ日本語", 7));
}

TEST(DisplayFormatCut, LimitsTooSmallForTheDotsGiveOnlyWhatFits) {
    EXPECT_EQ("", CutToBytes("abcdef", 0));
    EXPECT_EQ(".", CutToBytes("abcdef", 1));
    EXPECT_EQ("..", CutToBytes("日本語", 2));
}

TEST(DisplayFormatCut, EveryLimitGivesWholeCharactersWithinTheLimit) {
    const std::string text = "aｱ亜日x表ソ本ｶ語zー";
    for (size_t limit = 0; limit <= text.size() + 1; ++limit) {
        std::string cut = CutToBytes(text, limit);
        EXPECT_LE(cut.size(), limit) << "limit " << limit;
        if (limit >= text.size()) {
            EXPECT_EQ(text, cut);
            continue;
        }
        if (limit < 3) continue;
        ASSERT_GE(cut.size(), 3u);
        EXPECT_EQ("...", cut.substr(cut.size() - 3)) << "limit " << limit;
        std::string kept = cut.substr(0, cut.size() - 3);
        EXPECT_EQ(0u, text.compare(0, kept.size(), kept)) << "limit " << limit;
        EXPECT_TRUE(EndsOnCharacterBoundary(kept)) << "limit " << limit;
        EXPECT_GE(kept.size() + 1, limit - 3) << "limit " << limit;
    }
}

TEST(DisplayFormatPale, ChannelsMoveNineTenthsOfTheWayToWhite) {
    EXPECT_EQ(0xE5E5E5u, PaleColour(0x000000));
    EXPECT_EQ(0xF9F9F9u, PaleColour(0xC8C8C8));
    EXPECT_EQ(0xFFFFFFu, PaleColour(0xFFFFFF));
    // Red 0, green 200, blue 255 in COLORREF order.
    EXPECT_EQ(0xFFF9E5u, PaleColour(0xFFC800));
    // 10 times 0.89999998 is just under 9.
    EXPECT_EQ(0xFDFDFDu, PaleColour(0xF5F5F5));
}

TEST(DisplayFormatPale, EveryGreyStaysAGreyThatIsNeverDarker) {
    uint32_t previous = 0;
    for (uint32_t channel = 0; channel <= 255; ++channel) {
        uint32_t pale = PaleColour(channel * 0x010101u);
        uint32_t level = pale & 0xFF;
        EXPECT_EQ(level * 0x010101u, pale) << channel;
        EXPECT_LE(channel, level);
        EXPECT_LE(previous, level);
        previous = level;
    }
}

}  // namespace
