// The formatting rules fed with what the file system really reports.
#include <gtest/gtest.h>

#include <string>

#include "win/owners.h"
#include "core/display_format.h"
#include "tests/support/test_support.h"

namespace {

static_assert(kAttributeReadOnly == FILE_ATTRIBUTE_READONLY, "read-only bit");
static_assert(kAttributeHidden == FILE_ATTRIBUTE_HIDDEN, "hidden bit");
static_assert(kAttributeSystem == FILE_ATTRIBUTE_SYSTEM, "system bit");
static_assert(kAttributeArchive == FILE_ATTRIBUTE_ARCHIVE, "archive bit");

bool FindData(const std::string& path, WIN32_FIND_DATAA* found) {
    HANDLE search = FindFirstFileA(path.c_str(), found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

class DisplayFormatFromFiles : public testing::Test {
protected:
    TempFolder folder_;
    std::string path_ = folder_.Path() + "項目.txt";
};

TEST_F(DisplayFormatFromFiles, ReadOnlyArchivedFileShowsRA) {
    ASSERT_TRUE(WriteBytes(path_, "x"));
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    WIN32_FIND_DATAA found{};
    ASSERT_TRUE(FindData(path_, &found));
    EXPECT_EQ("RA", FormatAttributes(found.dwFileAttributes));
}

TEST_F(DisplayFormatFromFiles, SizeAboveFourGigabytesUsesTheHighHalf) {
    {
        Handle file(
            CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file.Valid());
        LARGE_INTEGER end;
        end.QuadPart = (LONGLONG{1} << 32) + 1;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    WIN32_FIND_DATAA found{};
    ASSERT_TRUE(FindData(path_, &found));
    ASSERT_EQ(1u, found.nFileSizeHigh);
    int64_t size = FileSizeFromHalves(found.nFileSizeHigh, found.nFileSizeLow);
    EXPECT_EQ("4GB", FormatSizePrecise(size));
    EXPECT_EQ("5GB", FormatSizeRoundedUp(size));
}

}  // namespace
