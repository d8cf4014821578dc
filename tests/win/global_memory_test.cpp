#include "win/global_memory.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstring>

namespace {

bool BlockIsLive(HGLOBAL block) { return GlobalFlags(block) != GMEM_INVALID_HANDLE; }

TEST(GlobalMemoryTest, BlockIsFreedWithItsOwner) {
    HGLOBAL handle = nullptr;
    {
        GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, 16));
        ASSERT_TRUE(block);
        handle = block.Get();
        EXPECT_TRUE(BlockIsLive(handle));
        EXPECT_EQ(16u, GlobalSize(handle));
    }
    EXPECT_FALSE(BlockIsLive(handle));
}

TEST(GlobalMemoryTest, ReleasedBlockBelongsToTheStreamMadeOverIt) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, 4));
    ASSERT_TRUE(block);
    {
        LockedGlobal locked(block.Get());
        ASSERT_NE(nullptr, locked.Data());
        std::memcpy(locked.Data(), "abcd", 4);
    }
    IStream* stream = nullptr;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(block.Get(), TRUE, &stream));
    HGLOBAL handle = block.Release();
    EXPECT_FALSE(block);
    EXPECT_TRUE(BlockIsLive(handle)) << "nothing is freed by letting go";
    char read[4] = {};
    ULONG count = 0;
    EXPECT_EQ(S_OK, stream->Read(read, sizeof read, &count));
    EXPECT_EQ(0, std::memcmp(read, "abcd", 4));
    stream->Release();
    EXPECT_FALSE(BlockIsLive(handle)) << "the stream freed it";
}

TEST(GlobalMemoryTest, LockLastsAsLongAsItsScope) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, 8));
    ASSERT_TRUE(block);
    {
        LockedGlobal locked(block.Get());
        EXPECT_NE(nullptr, locked.Data());
        EXPECT_EQ(1u, GlobalFlags(block.Get()) & GMEM_LOCKCOUNT);
        LockedGlobal again(block.Get());
        EXPECT_EQ(locked.Data(), again.Data());
        EXPECT_EQ(2u, GlobalFlags(block.Get()) & GMEM_LOCKCOUNT);
    }
    EXPECT_EQ(0u, GlobalFlags(block.Get()) & GMEM_LOCKCOUNT);
    LockedGlobal nothing(nullptr);
    EXPECT_EQ(nullptr, nothing.Data());
}

}  // namespace
