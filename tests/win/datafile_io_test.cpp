#include <gtest/gtest.h>

#include "win/datafile_io.h"
#include "win/program_folder.h"
#include "tests/support/test_support.h"

namespace {

class DataFileIoTest : public testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(folder_.Path());
        CreateDirectoryA(DataFolder().c_str(), nullptr);
    }
    static datafile::PayloadWriter Payload(uint32_t value) {
        datafile::PayloadWriter payload;
        payload.PutU32(value);
        return payload;
    }
    static uint32_t ReadValue(const char* name) {
        DataFileContents file(name);
        uint32_t value = 0;
        if (!file.Valid() || !file.Payload().ReadU32(value)) return 0;
        return value;
    }
    TempFolder folder_;
};

TEST_F(DataFileIoTest, WrittenFileReadsBackWithItsVersion) {
    ASSERT_TRUE(WriteDataFile("list.dat", 120, Payload(4242)));
    EXPECT_EQ(std::string("TSY\x78\0\0\0\x92\x10\0\0", 11), ReadBytes(DataFilePath("list.dat")));
    DataFileContents file("list.dat");
    ASSERT_TRUE(file.Valid());
    EXPECT_EQ(120u, file.Version());
    EXPECT_EQ(4242u, ReadValue("list.dat"));
    EXPECT_FALSE(FileExists(DataFilePath("list.dat") + ".new"));
}

TEST_F(DataFileIoTest, MissingForeignAndEmptyFilesAreInvalid) {
    EXPECT_FALSE(DataFileContents("absent.dat").Valid());
    ASSERT_TRUE(WriteBytes(DataFilePath("text.dat"), "[TAB]\r\nKEY=1\r\n"));
    EXPECT_FALSE(DataFileContents("text.dat").Valid());
    ASSERT_TRUE(WriteRawDataFile("empty.dat", {}));
    EXPECT_TRUE(FileExists(DataFilePath("empty.dat")));
    EXPECT_FALSE(DataFileContents("empty.dat").Valid());
}

TEST_F(DataFileIoTest, SaveThatCannotWriteLeavesThePreviousFile) {
    ASSERT_TRUE(WriteDataFile("list.dat", 90, Payload(1)));
    CreateDirectoryA((DataFilePath("list.dat") + ".new").c_str(), nullptr);
    EXPECT_FALSE(WriteDataFile("list.dat", 90, Payload(2)));
    EXPECT_EQ(1u, ReadValue("list.dat"));
}

TEST_F(DataFileIoTest, SaveThatCannotReplaceLeavesThePreviousFileAndNoLeftover) {
    ASSERT_TRUE(WriteDataFile("list.dat", 90, Payload(1)));
    HANDLE held = CreateFileA(DataFilePath("list.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(WriteDataFile("list.dat", 90, Payload(2)));
    CloseHandle(held);
    EXPECT_EQ(1u, ReadValue("list.dat"));
    EXPECT_FALSE(FileExists(DataFilePath("list.dat") + ".new"));
    EXPECT_TRUE(WriteDataFile("list.dat", 90, Payload(3)));
    EXPECT_EQ(3u, ReadValue("list.dat"));
}

TEST_F(DataFileIoTest, SaveWithoutDataFolderFailsQuietly) {
    RemoveTree(DataFolder());
    EXPECT_FALSE(WriteDataFile("list.dat", 90, Payload(1)));
    EXPECT_FALSE(FileExists(DataFolder()));
}

TEST_F(DataFileIoTest, PathsAreBuiltFromTheProgramFolder) {
    EXPECT_EQ(folder_.Path() + "data\\t.ini", DataFilePath("t.ini"));
    EXPECT_EQ(folder_.Path() + "background", PatternFolder());
}

}  // namespace
