#include "core/handover.h"

#include <gtest/gtest.h>

namespace {

TEST(HandOver, RecordHasOneZeroFilledSlotPerPath) {
    std::vector<char> record = handover::BuildRecord({"C:\\a", "D:\\表"});
    ASSERT_EQ(2 * handover::kSlotSize, record.size());
    EXPECT_STREQ("C:\\a", &record[0]);
    EXPECT_STREQ("D:\\表", &record[handover::kSlotSize]);
    for (size_t i = 5; i < handover::kSlotSize; ++i) ASSERT_EQ('\0', record[i]) << i;
    EXPECT_EQ((std::vector<std::string>{"C:\\a", "D:\\表"}), handover::ReadRecord(2, record.data(), record.size()));
}

TEST(HandOver, SlotFitsAtMost259Bytes) {
    EXPECT_TRUE(handover::FitsSlot(std::string(259, 'a')));
    EXPECT_FALSE(handover::FitsSlot(std::string(260, 'a')));
    std::vector<char> record = handover::BuildRecord({std::string(259, 'a')});
    EXPECT_EQ(std::string(259, 'a'), handover::ReadRecord(1, record.data(), record.size()).at(0));
}

TEST(HandOver, RecordTooSmallForItsCountIsIgnoredWhole) {
    std::vector<char> record = handover::BuildRecord({"a", "b", "c"});
    EXPECT_TRUE(handover::ReadRecord(3, record.data(), record.size() - 1).empty());
    EXPECT_TRUE(handover::ReadRecord(UINT64_MAX, record.data(), record.size()).empty());
    EXPECT_TRUE(handover::ReadRecord(UINT64_MAX / handover::kSlotSize + 2, record.data(), record.size()).empty());
    EXPECT_TRUE(handover::ReadRecord(1, nullptr, 0).empty());
    EXPECT_EQ(2u, handover::ReadRecord(2, record.data(), record.size()).size());
}

TEST(HandOver, SlotWithoutTerminatorIsSkipped) {
    std::vector<char> record = handover::BuildRecord({"first", "second", "third"});
    std::fill(record.begin() + handover::kSlotSize, record.begin() + 2 * handover::kSlotSize, 'x');
    EXPECT_EQ((std::vector<std::string>{"first", "third"}), handover::ReadRecord(3, record.data(), record.size()));
}

}  // namespace
