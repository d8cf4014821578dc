#include "core/gesture_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Save(const GestureRecognizer& recognizer) {
    datafile::PayloadWriter payload;
    gesturefile::Encode(recognizer, payload);
    return datafile::Frame(gesturefile::kVersion, payload.Bytes());
}

// As the program loads the file: a file that is not one of the program's leaves the defaults.
void Load(const std::vector<uint8_t>& file, GestureRecognizer& recognizer) {
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) {
        gesturefile::SetDefaults(recognizer);
        return;
    }
    gesturefile::Decode(parsed.payload, recognizer);
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

void Put(std::vector<uint8_t>& bytes, int32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> shift));
}

// The header, the switch byte, a count and the pairs given, as another writer might have left them.
std::vector<uint8_t> File(uint8_t enabled, int32_t count, const std::vector<std::pair<int32_t, int32_t>>& pairs) {
    std::vector<uint8_t> bytes = Bytes("TSY");
    Put(bytes, 120);
    bytes.push_back(enabled);
    Put(bytes, count);
    for (const std::pair<int32_t, int32_t>& pair : pairs) {
        Put(bytes, pair.first);
        Put(bytes, pair.second);
    }
    return bytes;
}

// A recogniser that holds something of everything, so that a load shows what it cleared.
GestureRecognizer Used() {
    GestureRecognizer recognizer;
    recognizer.SetEnabled(true);
    recognizer.Assign(0x1, gesture::kBack);
    recognizer.Begin(10, 10, nullptr);
    recognizer.Move(50, 10);
    return recognizer;
}

TEST(GestureFileTest, TheSwitchAndTableAreWrittenInSignedOrderOfCode) {
    GestureRecognizer recognizer;
    recognizer.SetEnabled(true);
    recognizer.Assign(0x21, gesture::kNewFolder);
    recognizer.Assign(0x81212121u, gesture::kCopy);
    recognizer.Assign(0x4, 99);
    std::vector<uint8_t> expected = File(1, 3, {{static_cast<int32_t>(0x81212121u), 6}, {0x4, 99}, {0x21, 13}});
    EXPECT_EQ(expected, Save(recognizer));

    GestureRecognizer loaded = Used();
    Load(expected, loaded);
    EXPECT_TRUE(loaded.Enabled());
    EXPECT_EQ(recognizer.Table(), loaded.Table()) << "a number that is no action comes back too";
    EXPECT_FALSE(loaded.Active());
    EXPECT_EQ(expected, Save(loaded));

    GestureRecognizer off;
    EXPECT_EQ(File(0, 0, {}), Save(off));
}

TEST(GestureFileTest, AMissingOrForeignFileLeavesGesturesOffWithNothingAssigned) {
    std::vector<std::vector<uint8_t>> foreign = {
        {}, {'T', 'S', 'X', 0x78, 0, 0, 0, 1}, {'T', 'S'}, {'T', 'S', 'Y', 0x78, 0}};
    for (const std::vector<uint8_t>& file : foreign) {
        GestureRecognizer recognizer = Used();
        Load(file, recognizer);
        EXPECT_FALSE(recognizer.Enabled());
        EXPECT_TRUE(recognizer.Table().empty());
        EXPECT_FALSE(recognizer.Active());
    }
}

TEST(GestureFileTest, AnyNonzeroSwitchByteIsOnAndAFileEndingEarlyKeepsWhatItGave) {
    GestureRecognizer recognizer = Used();
    Load(File(2, 0, {}), recognizer);
    EXPECT_TRUE(recognizer.Enabled());

    std::vector<uint8_t> headerOnly = Bytes("TSY");
    Put(headerOnly, 120);
    Load(headerOnly, recognizer);
    EXPECT_FALSE(recognizer.Enabled());
    EXPECT_TRUE(recognizer.Table().empty());

    std::vector<uint8_t> noCount = headerOnly;
    noCount.push_back(0xFF);
    noCount.push_back(0x05);
    recognizer = Used();
    Load(noCount, recognizer);
    EXPECT_TRUE(recognizer.Enabled());
    EXPECT_TRUE(recognizer.Table().empty()) << "the table held before the load is gone";
}

TEST(GestureFileTest, TheCountOnlyLimitsThePairsThatTheBytesHold) {
    GestureRecognizer recognizer;
    Load(File(1, 0x7FFFFFFF, {{0x1, 1}, {0x2, 2}}), recognizer);
    EXPECT_EQ((GestureRecognizer::Assignments{{0x1, 1}, {0x2, 2}}), recognizer.Table());

    Load(File(1, 1, {{0x1, 1}, {0x2, 2}}), recognizer);
    EXPECT_EQ((GestureRecognizer::Assignments{{0x1, 1}}), recognizer.Table());

    for (int32_t count : {0, -1, INT32_MIN}) {
        Load(File(1, count, {{0x1, 1}}), recognizer);
        EXPECT_TRUE(recognizer.Table().empty()) << count;
        EXPECT_TRUE(recognizer.Enabled());
    }

    std::vector<uint8_t> shortPair = File(0, 3, {{0x8, 9}, {0x4, 10}});
    shortPair.resize(shortPair.size() - 1);
    Load(shortPair, recognizer);
    EXPECT_EQ((GestureRecognizer::Assignments{{0x8, 9}}), recognizer.Table()) << "a pair cut short is not read";

    std::vector<uint8_t> halfPair = File(0, 2, {{0x8, 9}});
    Put(halfPair, 0x4);
    Load(halfPair, recognizer);
    EXPECT_EQ((GestureRecognizer::Assignments{{0x8, 9}}), recognizer.Table()) << "nor a code without its action";
}

TEST(GestureFileTest, ACodeReadTwiceKeepsItsFirstAction) {
    GestureRecognizer recognizer;
    Load(File(1, 3, {{0x21, 3}, {0x12, 4}, {0x21, 5}}), recognizer);
    EXPECT_EQ((GestureRecognizer::Assignments{{0x12, 4}, {0x21, 3}}), recognizer.Table());
}

}  // namespace
