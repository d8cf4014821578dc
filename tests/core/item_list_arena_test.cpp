#include "core/item_list_arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "core/item_id_layout.h"

namespace {

// A list of `items` items, each with `payload` bytes of `filler`, then the terminator.
std::vector<unsigned char> MakeList(std::size_t payload, unsigned char filler, std::size_t items = 1) {
    std::vector<unsigned char> bytes;
    std::size_t count = payload + 2;
    for (std::size_t i = 0; i < items; ++i) {
        bytes.push_back(static_cast<unsigned char>(count & 0xFF));
        bytes.push_back(static_cast<unsigned char>(count >> 8));
        bytes.insert(bytes.end(), payload, filler);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

bool SameList(const std::vector<unsigned char>& expected, const unsigned char* copy) {
    return copy && idlayout::ListBytes(copy) == expected.size() &&
           std::vector<unsigned char>(copy, copy + expected.size()) == expected;
}

TEST(ItemListArenaTest, CopiesKeepTheirBytesAndPlacesWhileManyMoreAreAdded) {
    ItemListArena arena;
    std::vector<std::vector<unsigned char>> lists;
    std::vector<const unsigned char*> copies;
    // Enough lists of odd sizes to fill many blocks.
    for (std::size_t i = 0; i < 5000; ++i) {
        lists.push_back(MakeList(1 + i % 97, static_cast<unsigned char>(i)));
        copies.push_back(arena.Add(lists.back().data()));
    }
    EXPECT_GT(arena.ReservedBytes(), ItemListArena::kBlockBytes * 2);
    for (std::size_t i = 0; i < lists.size(); ++i) {
        ASSERT_TRUE(SameList(lists[i], copies[i])) << i;
        EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(copies[i]) % ItemListArena::kAlignment) << i;
    }
}

TEST(ItemListArenaTest, AMovedArenaLeavesEveryCopyWhereItWas) {
    ItemListArena arena;
    std::vector<unsigned char> first = MakeList(40, 0x11);
    const unsigned char* copy = arena.Add(first.data());
    ItemListArena moved(std::move(arena));
    std::vector<unsigned char> second = MakeList(12, 0x22);
    const unsigned char* later = moved.Add(second.data());
    EXPECT_TRUE(SameList(first, copy));
    EXPECT_TRUE(SameList(second, later));
    ItemListArena assigned;
    assigned = std::move(moved);
    EXPECT_TRUE(SameList(first, copy));
    EXPECT_TRUE(SameList(second, later));
}

TEST(ItemListArenaTest, AListLongerThanABlockGetsABlockOfItsOwn) {
    ItemListArena arena;
    std::vector<unsigned char> small = MakeList(10, 0x33);
    std::vector<unsigned char> huge = MakeList(40000, 0x44, 2);
    const unsigned char* before = arena.Add(small.data());
    const unsigned char* big = arena.Add(huge.data());
    const unsigned char* after = arena.Add(small.data());
    EXPECT_TRUE(SameList(small, before));
    EXPECT_TRUE(SameList(huge, big));
    EXPECT_TRUE(SameList(small, after));
}

TEST(ItemListArenaTest, NullAddsNothingAndClearGivesEveryBlockBack) {
    ItemListArena arena;
    EXPECT_EQ(nullptr, arena.Add(nullptr));
    EXPECT_EQ(0u, arena.ReservedBytes());
    std::vector<unsigned char> desktop = {0, 0};
    const unsigned char* empty = arena.Add(desktop.data());
    EXPECT_TRUE(SameList(desktop, empty));
    arena.Clear();
    EXPECT_EQ(0u, arena.ReservedBytes());
}

}  // namespace
