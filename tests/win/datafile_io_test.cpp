#include <gtest/gtest.h>

#include "win/datafile_io.h"
#include "win/program_folder.h"
#include "tests/support/test_support.h"

namespace {

class DataFileIoTest : public testing::Test {
protected:
    void SetUp() override { CreateDirectoryA(program_.DataFolder().c_str(), nullptr); }
    std::string At(const char* name) const { return program_.DataFile(name); }
    static datafile::PayloadWriter Payload(uint32_t value) {
        datafile::PayloadWriter payload;
        payload.PutU32(value);
        return payload;
    }
    uint32_t ReadValue(const char* name) const {
        DataFileContents file(At(name));
        uint32_t value = 0;
        if (!file.Valid() || !file.Payload().ReadU32(value)) return 0;
        return value;
    }
    TempFolder folder_;
    ProgramFolder program_{folder_.Path()};
};

TEST_F(DataFileIoTest, WrittenFileReadsBackWithItsVersion) {
    ASSERT_TRUE(WriteDataFile(At("list.dat"), 120, Payload(4242)));
    EXPECT_EQ(std::string("TSY\x78\0\0\0\x92\x10\0\0", 11), ReadBytes(At("list.dat")));
    DataFileContents file(At("list.dat"));
    ASSERT_TRUE(file.Valid());
    EXPECT_EQ(120u, file.Version());
    EXPECT_EQ(4242u, ReadValue("list.dat"));
    EXPECT_FALSE(FileExists(At("list.dat") + ".new"));
}

TEST_F(DataFileIoTest, MissingForeignAndEmptyFilesAreInvalid) {
    EXPECT_FALSE(DataFileContents(At("absent.dat")).Valid());
    ASSERT_TRUE(WriteBytes(At("text.dat"), "[TAB]\r\nKEY=1\r\n"));
    EXPECT_FALSE(DataFileContents(At("text.dat")).Valid());
    ASSERT_TRUE(WriteRawDataFile(At("empty.dat"), {}));
    EXPECT_TRUE(FileExists(At("empty.dat")));
    EXPECT_FALSE(DataFileContents(At("empty.dat")).Valid());
}

TEST_F(DataFileIoTest, SaveThatCannotWriteLeavesThePreviousFile) {
    ASSERT_TRUE(WriteDataFile(At("list.dat"), 90, Payload(1)));
    CreateDirectoryA((At("list.dat") + ".new").c_str(), nullptr);
    EXPECT_FALSE(WriteDataFile(At("list.dat"), 90, Payload(2)));
    EXPECT_EQ(1u, ReadValue("list.dat"));
}

TEST_F(DataFileIoTest, SaveThatCannotReplaceLeavesThePreviousFileAndNoLeftover) {
    ASSERT_TRUE(WriteDataFile(At("list.dat"), 90, Payload(1)));
    HANDLE held = CreateFileA(At("list.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(WriteDataFile(At("list.dat"), 90, Payload(2)));
    CloseHandle(held);
    EXPECT_EQ(1u, ReadValue("list.dat"));
    EXPECT_FALSE(FileExists(At("list.dat") + ".new"));
    EXPECT_TRUE(WriteDataFile(At("list.dat"), 90, Payload(3)));
    EXPECT_EQ(3u, ReadValue("list.dat"));
}

TEST_F(DataFileIoTest, ALeftoverTemporaryIsOverwrittenAndNeverBecomesPartOfTheFile) {
    ASSERT_TRUE(WriteDataFile(At("list.dat"), 90, Payload(1)));
    // Longer than the new file: a temporary that was only written over would keep its tail.
    ASSERT_TRUE(WriteBytes(At("list.dat") + ".new", std::string(64, 'x')));
    EXPECT_EQ(1u, ReadValue("list.dat")) << "the temporary is nobody's file";
    ASSERT_TRUE(WriteDataFile(At("list.dat"), 90, Payload(2)));
    EXPECT_EQ(std::string("TSY\x5A\0\0\0\x02\0\0\0", 11), ReadBytes(At("list.dat")));
    EXPECT_FALSE(FileExists(At("list.dat") + ".new"));
}

TEST_F(DataFileIoTest, ANewVersionIsPutInPlaceOnlyWhenItsWriterFinishes) {
    ASSERT_TRUE(WriteDataFile(At("list.dat"), 90, Payload(1)));
    std::string given;
    EXPECT_FALSE(ReplaceFileWhole(At("list.dat"), [&](const std::string& temporary) {
        given = temporary;
        // Part of the file written, then a failure.
        WriteWholeFile(temporary, {'h', 'a', 'l', 'f'});
        return false;
    }));
    EXPECT_EQ(At("list.dat") + ".new", given) << "beside the file, in the same folder";
    EXPECT_EQ(1u, ReadValue("list.dat"));
    EXPECT_FALSE(FileExists(given));

    EXPECT_TRUE(ReplaceFileWhole(At("list.dat"), [](const std::string& temporary) {
        return WriteWholeFile(temporary, {'w', 'h', 'o', 'l', 'e'});
    }));
    EXPECT_EQ("whole", ReadBytes(At("list.dat")));
    EXPECT_FALSE(FileExists(At("list.dat") + ".new"));
}

TEST_F(DataFileIoTest, SaveWithoutDataFolderFailsQuietly) {
    RemoveTree(program_.DataFolder());
    EXPECT_FALSE(WriteDataFile(At("list.dat"), 90, Payload(1)));
    EXPECT_FALSE(FileExists(program_.DataFolder()));
}

TEST_F(DataFileIoTest, PathsAreBuiltFromTheProgramFolder) {
    EXPECT_EQ(folder_.Path() + "data\\t.ini", At("t.ini"));
    EXPECT_EQ(folder_.Path() + "background", program_.PatternFolder());
}

}  // namespace
