#include "shell/item_lists.h"

#include <cstring>

#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

class ItemListsTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFolder("資料");
        MakeFolder("資料\\表");
        deepPath_ = MakeFolder("資料\\表\\下位ソ");
        deep_ = ShellListOf(deepPath_);
        ASSERT_TRUE(deep_);
    }
    std::string deepPath_;
    ItemIdList deep_;
};

size_t CountItemsWithShell(PCUIDLIST_RELATIVE list) {
    size_t count = 0;
    for (PCUIDLIST_RELATIVE item = list; item && item->mkid.cb; item = ILGetNext(item)) ++count;
    return count;
}

TEST_F(ItemListsTest, CloneOfTheEmptyListIsTheDesktopsOwnList) {
    ItemIdList empty = AllocateItemList(2);
    ASSERT_TRUE(empty);
    ItemIdList clone = CloneItemList(empty.Get());
    ASSERT_TRUE(clone);
    EXPECT_NE(empty.Get(), clone.Get());
    ItemIdList desktop;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, desktop.Put()));
    EXPECT_TRUE(SameBytes(desktop.Get(), clone.Get()));
    EXPECT_EQ(1u, ItemListDepth(clone.Get()));
    EXPECT_TRUE(IsDesktopList(clone.Get()));
    EXPECT_FALSE(CloneItemList(nullptr));
}

TEST_F(ItemListsTest, CloneCopiesEveryByte) {
    ItemIdList clone = CloneItemList(deep_.Get());
    ASSERT_TRUE(clone);
    EXPECT_NE(deep_.Get(), clone.Get());
    EXPECT_TRUE(SameBytes(deep_.Get(), clone.Get()));
    EXPECT_EQ(deepPath_, ShellPathOf(clone.Get()));
}

TEST_F(ItemListsTest, DepthAndParentOfNestedLists) {
    size_t depth = ItemListDepth(deep_.Get());
    EXPECT_EQ(CountItemsWithShell(deep_.Get()) + 1, depth);
    ItemIdList parent = ParentItemList(deep_.Get());
    ASSERT_TRUE(parent);
    EXPECT_EQ(depth - 1, ItemListDepth(parent.Get()));
    EXPECT_EQ(PathOf("資料\\表"), ShellPathOf(parent.Get()));
    ItemIdList grandparent = ParentItemList(parent.Get());
    EXPECT_EQ(PathOf("資料"), ShellPathOf(grandparent.Get()));

    ItemIdList walk = CloneItemList(deep_.Get());
    for (size_t expected = depth; expected > 1; --expected) {
        ASSERT_EQ(expected, ItemListDepth(walk.Get()));
        walk = ParentItemList(walk.Get());
        ASSERT_TRUE(walk);
    }
    EXPECT_TRUE(IsDesktopList(walk.Get()));
    EXPECT_FALSE(ParentItemList(walk.Get()));
    EXPECT_FALSE(ParentItemList(nullptr));
}

TEST_F(ItemListsTest, ConcatenateLastNextAndSizeAgree) {
    size_t size = ItemListSize(deep_.Get());
    EXPECT_EQ(ILGetSize(deep_.Get()), size);

    ItemIdList parent = ParentItemList(deep_.Get());
    ItemIdList last = LastItem(deep_.Get());
    ASSERT_TRUE(parent);
    ASSERT_TRUE(last);
    EXPECT_EQ(2u, ItemListDepth(last.Get()));
    EXPECT_EQ(last.Get()->mkid.cb + 2u, ItemListSize(last.Get()));
    EXPECT_EQ(ItemListSize(parent.Get()) - 2 + ItemListSize(last.Get()), size);
    EXPECT_TRUE(SameBytes(ILFindLastID(deep_.Get()), last.Get()));

    ItemIdList joined = ConcatenateItemLists(parent.Get(), last.Get());
    EXPECT_TRUE(SameBytes(deep_.Get(), joined.Get()));
    EXPECT_EQ(deepPath_, ShellPathOf(joined.Get()));

    size_t steps = 0;
    PCUIDLIST_RELATIVE item = deep_.Get();
    for (PCUIDLIST_RELATIVE next = NextItem(item); next; next = NextItem(item)) {
        EXPECT_EQ(ILGetNext(item), next);
        item = next;
        ++steps;
    }
    EXPECT_EQ(ItemListDepth(deep_.Get()) - 2, steps);
    EXPECT_TRUE(SameBytes(item, last.Get()));
}

TEST_F(ItemListsTest, EmptyAndNullListsAreTolerated) {
    ItemIdList empty = AllocateItemList(2);
    EXPECT_EQ(2u, ItemListSize(empty.Get()));
    EXPECT_EQ(0u, ItemListSize(nullptr));
    EXPECT_EQ(0u, ItemListDepth(nullptr));
    EXPECT_EQ(nullptr, NextItem(empty.Get()));
    EXPECT_EQ(nullptr, NextItem(nullptr));
    EXPECT_FALSE(LastItem(empty.Get()));
    EXPECT_FALSE(LastItem(nullptr));
    EXPECT_FALSE(ConcatenateItemLists(nullptr, deep_.Get()));
    EXPECT_FALSE(ConcatenateItemLists(deep_.Get(), nullptr));
    EXPECT_TRUE(SameBytes(deep_.Get(), ConcatenateItemLists(empty.Get(), deep_.Get()).Get()));
    EXPECT_TRUE(SameBytes(deep_.Get(), ConcatenateItemLists(deep_.Get(), empty.Get()).Get()));
}

TEST_F(ItemListsTest, AllocateGivesZeroedBytes) {
    // Leaves dirty memory of the same size behind for the allocator to hand out again.
    void* dirty = CoTaskMemAlloc(64);
    ASSERT_TRUE(dirty);
    std::memset(dirty, 0xAB, 64);
    CoTaskMemFree(dirty);
    ItemIdList block = AllocateItemList(64);
    ASSERT_TRUE(block);
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(block.Get());
    for (size_t i = 0; i < 64; ++i) EXPECT_EQ(0, bytes[i]) << i;
    EXPECT_FALSE(AllocateItemList(0));
}

}  // namespace
