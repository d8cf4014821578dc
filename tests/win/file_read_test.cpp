#include "win/file_read.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win/owners.h"
#include "tests/support/test_support.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

class ReadWholeFileTest : public testing::Test {
protected:
    std::string PathOf(const char* name) const { return folder_.Path() + name; }
    // Starts with something in it, so that a failure is seen to empty it.
    Bytes bytes_ = BytesOf("left over");
    TempFolder folder_;
};

TEST_F(ReadWholeFileTest, MissingFileOrFolderFails) {
    EXPECT_FALSE(ReadWholeFile(PathOf("absent.bin"), bytes_, 1024));
    EXPECT_TRUE(bytes_.empty());
    CreateDirectoryA(PathOf("folder").c_str(), nullptr);
    EXPECT_FALSE(ReadWholeFile(PathOf("folder"), bytes_, 1024));
}

TEST_F(ReadWholeFileTest, EmptyFileReadsAsNoBytes) {
    ASSERT_TRUE(WriteBytes(PathOf("empty.bin"), ""));
    EXPECT_TRUE(ReadWholeFile(PathOf("empty.bin"), bytes_, 1024));
    EXPECT_TRUE(bytes_.empty());
}

TEST_F(ReadWholeFileTest, ExactContentIncludingNulsAndManyPieces) {
    std::string small("a\0b\x1A\xFF\r\n", 7);
    ASSERT_TRUE(WriteBytes(PathOf("small.bin"), small));
    ASSERT_TRUE(ReadWholeFile(PathOf("small.bin"), bytes_, 7));
    EXPECT_EQ(BytesOf(small), bytes_);
    // Larger than one read of ReadFile, and not a multiple of any piece size.
    std::string large(3 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>((i * 7919) >> 3);
    ASSERT_TRUE(WriteBytes(PathOf("large.bin"), large));
    ASSERT_TRUE(ReadWholeFile(PathOf("large.bin"), bytes_, large.size()));
    EXPECT_TRUE(bytes_ == BytesOf(large));
}

TEST_F(ReadWholeFileTest, FileLargerThanTheCapIsRefused) {
    ASSERT_TRUE(WriteBytes(PathOf("eleven.bin"), "0123456789A"));
    EXPECT_FALSE(ReadWholeFile(PathOf("eleven.bin"), bytes_, 10));
    EXPECT_TRUE(bytes_.empty());
    EXPECT_TRUE(ReadWholeFile(PathOf("eleven.bin"), bytes_, 11));
    EXPECT_EQ(11u, bytes_.size());
}

TEST_F(ReadWholeFileTest, FileOpenForWritingElsewhereIsReadButALockedOneIsNot) {
    const std::string path = PathOf("busy.bin");
    {
        Handle writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(writer.Valid());
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(writer.Get(), "first part", 10, &written, nullptr));
        ASSERT_TRUE(ReadWholeFile(path, bytes_, 1024));
        EXPECT_EQ(BytesOf("first part"), bytes_);
        ASSERT_TRUE(WriteFile(writer.Get(), ", then more", 11, &written, nullptr));
        ASSERT_TRUE(ReadWholeFile(path, bytes_, 1024));
        EXPECT_EQ(BytesOf("first part, then more"), bytes_);
    }
    Handle locker(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locker.Valid());
    EXPECT_FALSE(ReadWholeFile(path, bytes_, 1024));
    EXPECT_TRUE(bytes_.empty());
}

}  // namespace
