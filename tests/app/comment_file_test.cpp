#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/comment_file.h"
#include "win/program_folder.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_support.h"

namespace {

class CommentFileTest : public testing::Test {
protected:
    void SetUp() override { CreateDirectoryA(program_.DataFolder().c_str(), nullptr); }
    std::string CommentFile() const { return program_.DataFile(kCommentFileName); }
    std::string Present(const std::string& name) {
        std::string path = folder_.Path() + name;
        EXPECT_TRUE(WriteBytes(path, "x"));
        return path;
    }
    std::vector<std::string> LoadedKeys() {
        CommentTable loaded = LoadComments(CommentFile());
        std::vector<std::string> keys;
        for (const CommentTable::Entries::value_type& entry : loaded.All()) keys.push_back(entry.first);
        return keys;
    }

    TempFolder folder_;
    ProgramFolder program_{folder_.Path()};
};

// A drive letter that nothing is mapped to, as a drive that was taken away.
std::string UnmappedRoot() {
    DWORD mapped = GetLogicalDrives();
    for (char letter = 'Y'; letter >= 'D'; --letter) {
        if (!(mapped & (1u << (letter - 'A')))) return std::string(1, letter) + ":\\";
    }
    return std::string();
}

TEST_F(CommentFileTest, MissingFileGivesNoComments) { EXPECT_TRUE(LoadComments(CommentFile()).Empty()); }

TEST_F(CommentFileTest, SavedFileIsTheCodecsBytesAndLoadsBack) {
    CommentTable table;
    table.SetCommentByPath(Present("資料.txt"), "見積もりの控え");
    // One file to the file system, two keys to the table.
    table.SetCommentByPath(Present("B.txt"), "upper");
    table.SetCommentByPath(folder_.Path() + "b.txt", "lower");
    ASSERT_TRUE(SaveComments(CommentFile(), table));
    datafile::PayloadWriter payload;
    EncodeComments(table, payload);
    std::vector<uint8_t> expected = datafile::Frame(kCommentFileVersion, payload.Bytes());
    std::string bytes = ReadBytes(CommentFile());
    EXPECT_EQ(std::string(expected.begin(), expected.end()), bytes);
    EXPECT_EQ(std::string("TSY\x5a\0\0\0\x03\0\0\0", 11), bytes.substr(0, 11));
    CommentTable loaded = LoadComments(CommentFile());
    EXPECT_EQ(table.All(), loaded.All());
    ASSERT_TRUE(SaveComments(CommentFile(), loaded));
    EXPECT_EQ(bytes, ReadBytes(CommentFile()));
}

TEST_F(CommentFileTest, EmptyTableLeavesAnEmptyFileThatLoadsAsNoComments) {
    CommentTable table;
    table.SetCommentByPath(Present("a.txt"), "gone soon");
    ASSERT_TRUE(SaveComments(CommentFile(), table));
    table.SetCommentByPath(folder_.Path() + "a.txt", "");
    ASSERT_TRUE(SaveComments(CommentFile(), table));
    EXPECT_TRUE(FileExists(CommentFile()));
    EXPECT_EQ("", ReadBytes(CommentFile()));
    EXPECT_TRUE(LoadComments(CommentFile()).Empty());
}

TEST_F(CommentFileTest, CommentOfADeletedFileOnAFixedDriveIsDroppedAtLoad) {
    ASSERT_EQ(static_cast<UINT>(DRIVE_FIXED), GetDriveTypeA("Z:\\"));
    std::string kept = Present("kept.txt");
    std::string deleted = Present("deleted.txt");
    CommentTable table;
    table.SetCommentByPath(kept, "stays");
    table.SetCommentByPath(deleted, "goes");
    table.SetCommentByPath("Z:\\no such folder\\file.txt", "never there");
    ASSERT_TRUE(SaveComments(CommentFile(), table));
    ASSERT_TRUE(DeleteFileA(deleted.c_str()));
    EXPECT_EQ(std::vector<std::string>{kept}, LoadedKeys());
}

TEST_F(CommentFileTest, CommentOnADriveThatIsGoneOrWithoutADriveIsKept) {
    std::string root = UnmappedRoot();
    ASSERT_FALSE(root.empty());
    ASSERT_EQ(static_cast<UINT>(DRIVE_NO_ROOT_DIR), GetDriveTypeA(root.c_str()));
    CommentTable table;
    table.SetCommentByPath(root + "写真\\旅行.jpg", "medium not in");
    table.SetCommentByPath("マイ コンピュータ", "virtual folder");
    ASSERT_TRUE(SaveComments(CommentFile(), table));
    EXPECT_EQ(table.All(), LoadComments(CommentFile()).All());
}

TEST_F(CommentFileTest, FileEndingInsideAPairKeepsThePairsBeforeIt) {
    CommentTable table;
    std::string first = Present("1.txt");
    std::string second = Present("2.txt");
    table.SetCommentByPath(first, "one");
    table.SetCommentByPath(second, "two");
    ASSERT_TRUE(SaveComments(CommentFile(), table));
    std::string bytes = ReadBytes(CommentFile());
    ASSERT_TRUE(WriteBytes(CommentFile(), bytes.substr(0, bytes.size() - 1)));
    EXPECT_EQ(std::vector<std::string>{first}, LoadedKeys());
}

TEST_F(CommentFileTest, ForeignFileGivesNoComments) {
    CommentTable table;
    table.SetCommentByPath(Present("a.txt"), "comment");
    ASSERT_TRUE(SaveComments(CommentFile(), table));
    std::string bytes = ReadBytes(CommentFile());
    bytes[2] = 'X';
    ASSERT_TRUE(WriteBytes(CommentFile(), bytes));
    EXPECT_TRUE(LoadComments(CommentFile()).Empty());
}

TEST_F(CommentFileTest, SaveWithoutADataFolderFailsAndWritesNothing) {
    RemoveTree(program_.DataFolder());
    CommentTable table;
    table.SetCommentByPath(Present("a.txt"), "comment");
    EXPECT_FALSE(SaveComments(CommentFile(), table));
    EXPECT_FALSE(FileExists(CommentFile()));
}

}  // namespace

namespace {

using CommentsInTheProgramTest = ProgramFolderTest;

TEST_F(CommentsInTheProgramTest, TheProgramLoadsItsCommentsAtStartAndWritesThemAtExit) {
    std::string kept = MakeFolder("kept");
    std::string gone = folder_.Path() + "gone.txt";
    CommentTable before;
    before.SetCommentByPath(kept, "残すコメント");
    before.SetCommentByPath(gone, "消えたファイル");
    MakeFolder("data");
    ASSERT_TRUE(SaveComments(folder_.Path() + "data\\comment.dat", before));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        std::string text;
        EXPECT_TRUE(program.Context().comments.GetComment(kept, text));
        EXPECT_EQ("残すコメント", text);
        EXPECT_FALSE(program.Context().comments.GetComment(gone, text));
        program.Context().comments.SetCommentByPath(kept, "書き換えた");
    }
    CommentTable after = LoadComments(folder_.Path() + "data\\comment.dat");
    std::string text;
    EXPECT_TRUE(after.GetComment(kept, text));
    EXPECT_EQ("書き換えた", text);
    EXPECT_FALSE(after.GetComment(gone, text));
}

}  // namespace
