#include "core/font_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

int32_t IntAt(const fontfile::Record& record, size_t offset) {
    uint32_t value = 0;
    for (size_t byte = 0; byte < 4; ++byte) value |= static_cast<uint32_t>(record[offset + byte]) << (8 * byte);
    return static_cast<int32_t>(value);
}

std::string FaceOf(const fontfile::Record& record) {
    const char* face = reinterpret_cast<const char*>(record.data() + fontfile::kFaceOffset);
    return std::string(face, strnlen(face, fontfile::kFaceSize));
}

void SetFace(fontfile::Record& record, const std::string& face) {
    std::memset(record.data() + fontfile::kFaceOffset, 0, fontfile::kFaceSize);
    std::memcpy(record.data() + fontfile::kFaceOffset, face.data(), face.size());
}

std::vector<uint8_t> Save(const fontfile::Fonts& fonts) {
    datafile::PayloadWriter payload;
    fontfile::Encode(fonts, payload);
    return datafile::Frame(fontfile::kVersion, payload.Bytes());
}

fontfile::Fonts Load(const std::vector<uint8_t>& file) {
    datafile::Parsed parsed = datafile::Parse(file);
    EXPECT_TRUE(parsed.valid);
    return fontfile::Decode(parsed.payload);
}

bool Same(const fontfile::Fonts& a, const fontfile::Fonts& b) {
    return a.tab == b.tab && a.tree == b.tree && a.list == b.list;
}

// Fonts unlike the defaults in every record, as the font dialog leaves them.
fontfile::Fonts Chosen() {
    fontfile::Fonts fonts = fontfile::Defaults();
    fonts.tab[fontfile::kHeightOffset] = 0xEC;
    SetFace(fonts.tree, "Arial");
    fonts.tree[20] = 1;
    SetFace(fonts.list, "ＭＳ ゴシック");
    return fonts;
}

TEST(FontFileTest, TheDefaultsAreABoldGothicOnTheTabsAndARegularOneElsewhere) {
    fontfile::Fonts fonts = fontfile::Defaults();
    EXPECT_EQ(-14, IntAt(fonts.tab, fontfile::kHeightOffset));
    EXPECT_EQ(700, IntAt(fonts.tab, fontfile::kWeightOffset));
    EXPECT_EQ(1, fonts.tab[fontfile::kPitchAndFamilyOffset]);
    for (const fontfile::Record* record : {&fonts.tree, &fonts.list}) {
        EXPECT_EQ(-13, IntAt(*record, fontfile::kHeightOffset));
        EXPECT_EQ(400, IntAt(*record, fontfile::kWeightOffset));
        EXPECT_EQ(0, (*record)[fontfile::kPitchAndFamilyOffset]);
    }
    for (const fontfile::Record* record : {&fonts.tab, &fonts.tree, &fonts.list}) {
        EXPECT_EQ(128, (*record)[fontfile::kCharSetOffset]);
        EXPECT_EQ("ＭＳ Ｐゴシック", FaceOf(*record));
        EXPECT_EQ(0, (*record)[20]) << "not italic";
    }
}

TEST(FontFileTest, ASavedFileIs187BytesAndLoadsByteForByte) {
    std::vector<uint8_t> file = Save(Chosen());
    ASSERT_EQ(187u, file.size());
    EXPECT_EQ(0, std::memcmp(file.data(), "TSY\x5a\0\0\0", 7));
    EXPECT_EQ(0, std::memcmp(file.data() + 127, Chosen().list.data(), fontfile::kRecordSize));
    EXPECT_TRUE(Same(Chosen(), Load(file)));
}

TEST(FontFileTest, APayloadShortOfThreeRecordsGivesEveryDefault) {
    std::vector<uint8_t> file = Save(Chosen());
    for (size_t size : {size_t{7}, size_t{67}, size_t{127}, size_t{186}}) {
        EXPECT_TRUE(Same(fontfile::Defaults(), Load(std::vector<uint8_t>(file.begin(), file.begin() + size)))) << size;
    }
}

TEST(FontFileTest, AFaceNameWithoutTerminatorGivesThatFontItsDefaultAlone) {
    fontfile::Fonts saved = Chosen();
    std::memset(saved.tree.data() + fontfile::kFaceOffset, 'A', fontfile::kFaceSize);
    EXPECT_FALSE(fontfile::HasTerminatedFace(saved.tree));
    fontfile::Fonts loaded = Load(Save(saved));
    EXPECT_EQ(Chosen().tab, loaded.tab);
    EXPECT_EQ(fontfile::Defaults().tree, loaded.tree);
    EXPECT_EQ(Chosen().list, loaded.list);
    for (const fontfile::Record* record : {&loaded.tab, &loaded.tree, &loaded.list})
        EXPECT_TRUE(fontfile::HasTerminatedFace(*record));
}

TEST(FontFileTest, AFaceNameFillingItsFieldUpToTheLastByteLoads) {
    fontfile::Fonts saved = Chosen();
    SetFace(saved.list, std::string(fontfile::kFaceSize - 1, 'B'));
    EXPECT_TRUE(fontfile::HasTerminatedFace(saved.list));
    EXPECT_TRUE(Same(saved, Load(Save(saved))));
}

}  // namespace
