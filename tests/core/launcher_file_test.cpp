#include "core/launcher_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A list of one item per given item body, each led by its byte count, and the terminator.
StoredItemList ListOf(const std::vector<std::vector<uint8_t>>& bodies) {
    StoredItemList list;
    for (const std::vector<uint8_t>& body : bodies) {
        uint16_t count = static_cast<uint16_t>(body.size() + 2);
        list.push_back(static_cast<uint8_t>(count & 0xFF));
        list.push_back(static_cast<uint8_t>(count >> 8));
        list.insert(list.end(), body.begin(), body.end());
    }
    list.push_back(0);
    list.push_back(0);
    return list;
}

std::vector<StoredItemList> Decode(const datafile::PayloadWriter& payload) {
    datafile::PayloadReader reader(payload.Bytes().data(), payload.Bytes().size());
    return DecodeLauncher(reader);
}

void PutRecord(datafile::PayloadWriter& payload, const StoredItemList& list) {
    payload.PutU32(static_cast<uint32_t>(list.size()));
    payload.PutBytes(list.data(), list.size());
}

TEST(LauncherFileTest, EntriesComeBackInOrderThroughASaveAndALoad) {
    std::vector<StoredItemList> lists = {ListOf({{1, 2, 3}}), ListOf({{4}, {5, 6}}), ListOf({{7, 8, 9, 10}})};
    datafile::PayloadWriter payload;
    EncodeLauncher(lists, payload);
    EXPECT_EQ(lists, Decode(payload));
    std::vector<uint8_t> framed = datafile::Frame(kLauncherFileVersion, payload.Bytes());
    datafile::Parsed parsed = datafile::Parse(framed);
    ASSERT_TRUE(parsed.valid);
    EXPECT_EQ(90u, parsed.version);
    EXPECT_EQ(lists, DecodeLauncher(parsed.payload));
}

TEST(LauncherFileTest, AHugeCountIsOnlyALimitAndAllocatesNothing) {
    datafile::PayloadWriter payload;
    payload.PutU32(0xFFFFFFFFu);
    PutRecord(payload, ListOf({{1}}));
    std::vector<StoredItemList> lists = Decode(payload);
    ASSERT_EQ(1u, lists.size());
    EXPECT_EQ(ListOf({{1}}), lists[0]);
}

TEST(LauncherFileTest, ARecordLongerThanTheBytesLeftEndsTheLoadKeepingTheRecordsBefore) {
    datafile::PayloadWriter payload;
    payload.PutU32(3);
    PutRecord(payload, ListOf({{1}}));
    // A size with the top bit set: as a signed length it would be negative.
    payload.PutU32(0x80000010u);
    payload.PutBytes("\x05\x00\x01\x02\x03\x00\x00", 7);
    PutRecord(payload, ListOf({{2}}));
    EXPECT_EQ((std::vector<StoredItemList>{ListOf({{1}})}), Decode(payload));

    datafile::PayloadWriter cut;
    cut.PutU32(2);
    PutRecord(cut, ListOf({{1}}));
    StoredItemList second = ListOf({{9, 9}});
    cut.PutU32(static_cast<uint32_t>(second.size()));
    cut.PutBytes(second.data(), second.size() - 1);
    EXPECT_EQ((std::vector<StoredItemList>{ListOf({{1}})}), Decode(cut));
}

TEST(LauncherFileTest, RecordsThatAreNoWholeListAreSkippedAndTheLoadGoesOn) {
    datafile::PayloadWriter payload;
    payload.PutU32(7);
    PutRecord(payload, ListOf({{1}}));
    // Too small to hold even the terminator.
    PutRecord(payload, StoredItemList{0});
    PutRecord(payload, StoredItemList{});
    // The desktop: a terminator alone has no parent and item to split.
    PutRecord(payload, ListOf({}));
    // The item chain runs past the record: the item claims 9 bytes of 7.
    PutRecord(payload, StoredItemList{9, 0, 1, 2, 3, 0, 0});
    // The terminator comes before the record ends.
    PutRecord(payload, StoredItemList{3, 0, 1, 0, 0, 7, 7});
    // An item count of 1 cannot hold itself.
    PutRecord(payload, StoredItemList{1, 0, 0, 0});
    EXPECT_EQ((std::vector<StoredItemList>{ListOf({{1}})}), Decode(payload));
}

TEST(LauncherFileTest, WholeListsAreThoseWhoseItemsEndExactlyAtTheTerminator) {
    StoredItemList good = ListOf({{1, 2}, {3}});
    EXPECT_TRUE(IsWholeItemList(good.data(), good.size()));
    EXPECT_FALSE(IsWholeItemList(good.data(), good.size() - 1));
    StoredItemList noTerminator = {4, 0, 1, 2};
    EXPECT_FALSE(IsWholeItemList(noTerminator.data(), noTerminator.size()));
    EXPECT_FALSE(IsWholeItemList(nullptr, 0));
}

TEST(LauncherFileTest, AnEmptyPayloadGivesNoEntries) {
    datafile::PayloadWriter empty;
    EXPECT_TRUE(Decode(empty).empty());
    datafile::PayloadWriter none;
    EncodeLauncher({}, none);
    EXPECT_TRUE(Decode(none).empty());
}

}  // namespace
