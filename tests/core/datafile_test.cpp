#include "core/datafile.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Bytes(const char* text, size_t size) {
    return std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(text), reinterpret_cast<const uint8_t*>(text) + size);
}

TEST(DataFile, FrameWritesTagVersionAndPayload) {
    datafile::PayloadWriter writer;
    writer.PutU32(0x01020304);
    writer.PutBytes("ab", 2);
    std::vector<uint8_t> file = datafile::Frame(90, writer.Bytes());
    EXPECT_EQ(Bytes("TSY\x5a\0\0\0\x04\x03\x02\x01"
                    "ab",
                    13),
              file);
}

TEST(DataFile, ParseGivesVersionAndPayload) {
    std::vector<uint8_t> file = Bytes(
        "TSY\x64\0\0\0\xff\xff\xff\xff"
        "xyz",
        14);
    datafile::Parsed parsed = datafile::Parse(file);
    ASSERT_TRUE(parsed.valid);
    EXPECT_EQ(100u, parsed.version);
    int32_t value = 0;
    ASSERT_TRUE(parsed.payload.ReadI32(value));
    EXPECT_EQ(-1, value);
    std::string text;
    ASSERT_TRUE(parsed.payload.ReadText(3, text));
    EXPECT_EQ("xyz", text);
    EXPECT_TRUE(parsed.payload.AtEnd());
    EXPECT_FALSE(parsed.payload.WasShort());
}

TEST(DataFile, ForeignTagShortHeaderAndEmptyFileReadAsAbsent) {
    EXPECT_FALSE(datafile::Parse(Bytes("TSX\x5a\0\0\0", 7)).valid);
    EXPECT_FALSE(datafile::Parse(Bytes("tsy\x5a\0\0\0", 7)).valid);
    EXPECT_FALSE(datafile::Parse(Bytes("TSY\x5a\0\0", 6)).valid);
    EXPECT_FALSE(datafile::Parse({}).valid);
    datafile::Parsed headerOnly = datafile::Parse(Bytes("TSY\x5a\0\0\0", 7));
    EXPECT_TRUE(headerOnly.valid);
    EXPECT_TRUE(headerOnly.payload.AtEnd());
}

TEST(DataFile, ShortReadConsumesNothingAndIsRemembered) {
    std::vector<uint8_t> file = Bytes("TSY\x5a\0\0\0\x01\x02\x03", 10);
    datafile::Parsed parsed = datafile::Parse(file);
    ASSERT_TRUE(parsed.valid);
    uint32_t value = 7;
    EXPECT_FALSE(parsed.payload.ReadU32(value));
    EXPECT_EQ(7u, value);
    EXPECT_TRUE(parsed.payload.WasShort());
    EXPECT_EQ(3u, parsed.payload.Remaining());
    char bytes[3];
    EXPECT_TRUE(parsed.payload.ReadBytes(bytes, 3));
    EXPECT_TRUE(parsed.payload.AtEnd());
}

TEST(DataFile, HugeLengthIsRefusedWithoutAllocating) {
    std::vector<uint8_t> file = Bytes("TSY\x5a\0\0\0abc", 10);
    datafile::Parsed parsed = datafile::Parse(file);
    std::string text = "kept";
    EXPECT_FALSE(parsed.payload.ReadText(0xFFFFFFF0u, text));
    EXPECT_EQ("kept", text);
    EXPECT_FALSE(parsed.payload.Skip(SIZE_MAX));
    EXPECT_EQ(3u, parsed.payload.Remaining());
}

}  // namespace
