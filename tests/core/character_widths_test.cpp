#include "core/character_widths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A font whose characters are as wide as their first byte's low nibble plus one, a double-byte
// character ten more, and whose every measured piece carries an overhang of 2.
constexpr int kOverhang = 2;

int PieceWidth(const std::string& piece) {
    int width = kOverhang;
    for (std::size_t i = 0; i < piece.size();) {
        auto byte = static_cast<unsigned char>(piece[i]);
        bool twoBytes = dbcs::IsShiftJisLeadByte(byte) && i + 1 < piece.size();
        width += (byte & 0x0F) + 1 + (twoBytes ? 10 : 0);
        i += twoBytes ? 2 : 1;
    }
    return width;
}

class CharacterWidthsTest : public ::testing::Test {
protected:
    dbcs::CharacterWidths widths_{[this](const char* text, std::size_t bytes) {
                                      pieces_.emplace_back(text, bytes);
                                      return PieceWidth(pieces_.back());
                                  },
                                  kOverhang, dbcs::IsShiftJisLeadByte};
    std::vector<std::string> pieces_;
};

TEST_F(CharacterWidthsTest, AStringIsAsWideAsTheFontMeasuresItWhole) {
    for (std::string text : {"a", "file000123.txt", "報告書.txt", "ｶﾀｶﾅ and ひらがな", "表\\示"})
        EXPECT_EQ(PieceWidth(text), widths_.Width(text)) << text;
}

TEST_F(CharacterWidthsTest, EachCharacterIsMeasuredOnceAndOnItsOwn) {
    widths_.Width("abcabc");
    widths_.Width("cab");
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), pieces_);
    widths_.Width("表表");
    EXPECT_EQ(4u, widths_.Measured());
    EXPECT_EQ("表", pieces_.back());
}

TEST_F(CharacterWidthsTest, ALeadByteWithoutItsTrailIsMeasuredAlone) {
    std::string cut = "a\x95";
    EXPECT_EQ(PieceWidth(cut), widths_.Width(cut));
    EXPECT_EQ("\x95", pieces_.back());
    // The same byte leading a whole character is another character.
    EXPECT_EQ(PieceWidth("表"), widths_.Width("表"));
}

TEST_F(CharacterWidthsTest, TheEmptyStringHasNoWidthAndNeedsNoMeasuring) {
    EXPECT_EQ(0, widths_.Width(""));
    EXPECT_TRUE(pieces_.empty());
}

}  // namespace
