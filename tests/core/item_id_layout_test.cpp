#include "core/item_id_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Builds a list from item payload sizes; each item's bytes are its count then filler.
std::vector<unsigned char> MakeList(const std::vector<std::size_t>& payloads) {
    std::vector<unsigned char> bytes;
    unsigned char filler = 0x41;
    for (std::size_t payload : payloads) {
        std::size_t count = payload + 2;
        bytes.push_back(static_cast<unsigned char>(count & 0xFF));
        bytes.push_back(static_cast<unsigned char>(count >> 8));
        for (std::size_t i = 0; i < payload; ++i) bytes.push_back(filler);
        ++filler;
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

TEST(ItemIdLayoutTest, EmptyListIsTheDesktop) {
    std::vector<unsigned char> empty = MakeList({});
    EXPECT_EQ(2u, idlayout::ListBytes(empty.data()));
    EXPECT_EQ(1u, idlayout::ListDepth(empty.data()));
    EXPECT_EQ(0u, idlayout::ItemBytes(empty.data()));
    EXPECT_EQ(nullptr, idlayout::NextItem(empty.data()));
    EXPECT_EQ(0u, idlayout::LastItemOffset(empty.data()));
}

TEST(ItemIdLayoutTest, NullIsNoList) {
    EXPECT_EQ(0u, idlayout::ListBytes(nullptr));
    EXPECT_EQ(0u, idlayout::ListDepth(nullptr));
    EXPECT_EQ(0u, idlayout::ItemBytes(nullptr));
    EXPECT_EQ(nullptr, idlayout::NextItem(nullptr));
    EXPECT_EQ(0u, idlayout::LastItemOffset(nullptr));
}

TEST(ItemIdLayoutTest, WalksItemsOfOddSizes) {
    std::vector<unsigned char> list = MakeList({2, 3, 1});
    const unsigned char* first = list.data();
    EXPECT_EQ(4u, idlayout::ItemBytes(first));
    const unsigned char* second = idlayout::NextItem(first);
    ASSERT_EQ(first + 4, second);
    EXPECT_EQ(5u, idlayout::ItemBytes(second));
    const unsigned char* third = idlayout::NextItem(second);
    ASSERT_EQ(first + 9, third);
    EXPECT_EQ(3u, idlayout::ItemBytes(third));
    EXPECT_EQ(0x43, third[2]);
    EXPECT_EQ(nullptr, idlayout::NextItem(third));
    EXPECT_EQ(list.size(), idlayout::ListBytes(first));
    EXPECT_EQ(4u, idlayout::ListDepth(first));
    EXPECT_EQ(9u, idlayout::LastItemOffset(first));
}

TEST(ItemIdLayoutTest, SingleItemList) {
    std::vector<unsigned char> list = MakeList({300});
    EXPECT_EQ(302u, idlayout::ItemBytes(list.data()));
    EXPECT_EQ(304u, idlayout::ListBytes(list.data()));
    EXPECT_EQ(2u, idlayout::ListDepth(list.data()));
    EXPECT_EQ(nullptr, idlayout::NextItem(list.data()));
    EXPECT_EQ(0u, idlayout::LastItemOffset(list.data()));
}

TEST(ItemIdLayoutTest, CountTooSmallToHoldItselfEndsTheList) {
    std::vector<unsigned char> list = MakeList({2});
    list.insert(list.end() - 2, {1, 0, 0x55});
    EXPECT_EQ(6u, idlayout::ListBytes(list.data()));
    EXPECT_EQ(2u, idlayout::ListDepth(list.data()));
    EXPECT_EQ(nullptr, idlayout::NextItem(list.data()));
}

TEST(ItemIdLayoutTest, WholeListEndsWithItsTerminatorExactlyAtItsSize) {
    std::vector<unsigned char> list = MakeList({3, 0, 40});
    EXPECT_TRUE(idlayout::IsWholeList(list.data(), list.size()));
    std::vector<unsigned char> desktop = MakeList({});
    EXPECT_TRUE(idlayout::IsWholeList(desktop.data(), desktop.size()));

    // Bytes after the terminator, a terminator cut off, an item running past the end.
    std::vector<unsigned char> trailing = list;
    trailing.push_back(0);
    EXPECT_FALSE(idlayout::IsWholeList(trailing.data(), trailing.size()));
    EXPECT_FALSE(idlayout::IsWholeList(list.data(), list.size() - 1));
    EXPECT_FALSE(idlayout::IsWholeList(list.data(), list.size() - 2));
    std::vector<unsigned char> overlong = MakeList({3});
    overlong[0] = 0xFF;
    EXPECT_FALSE(idlayout::IsWholeList(overlong.data(), overlong.size()));

    // A count of one would end the shell's walk early, so the size cannot be trusted.
    std::vector<unsigned char> countOfOne = {1, 0, 0, 0};
    EXPECT_FALSE(idlayout::IsWholeList(countOfOne.data(), countOfOne.size()));
    EXPECT_FALSE(idlayout::IsWholeList(list.data(), 0));
    EXPECT_FALSE(idlayout::IsWholeList(list.data(), 1));
    EXPECT_FALSE(idlayout::IsWholeList(nullptr, 2));
}

}  // namespace
