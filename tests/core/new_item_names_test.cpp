#include "core/new_item_names.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A folder whose contents are a set of full paths; records every candidate asked about.
struct FakeFolder {
    std::set<std::string> present;
    std::vector<std::string> asked;
    std::function<bool(const std::string&)> Exists() {
        return [this](const std::string& fullPath) {
            asked.push_back(fullPath);
            return present.count(fullPath) > 0;
        };
    }
};

TEST(NewItemNames, BaseNameFirstThenNumberedFormsInTurn) {
    FakeFolder folder;
    folder.present = {"D:\\作業\\新しいフォルダ", "D:\\作業\\新しいフォルダ(1)"};
    NewItemName chosen = ChooseNewItemName("D:\\作業", NewItemKind::Folder, folder.Exists());
    EXPECT_EQ("D:\\作業\\新しいフォルダ(2)", chosen.fullPath);
    EXPECT_EQ("新しいフォルダ(2)", chosen.name);
    EXPECT_EQ((std::vector<std::string>{"D:\\作業\\新しいフォルダ", "D:\\作業\\新しいフォルダ(1)",
                                        "D:\\作業\\新しいフォルダ(2)"}),
              folder.asked);
}

TEST(NewItemNames, FreeBaseNameWinsEvenWhenANumberedFormIsTaken) {
    FakeFolder folder;
    folder.present = {"D:\\作業\\新しいフォルダ(1)", "D:\\作業\\新規ファイル(1)"};
    EXPECT_EQ("新しいフォルダ", ChooseNewItemName("D:\\作業", NewItemKind::Folder, folder.Exists()).name);
    EXPECT_EQ("新規ファイル", ChooseNewItemName("D:\\作業", NewItemKind::File, folder.Exists()).name);
}

TEST(NewItemNames, FilesAndFoldersHaveTheirOwnBaseNames) {
    FakeFolder folder;
    folder.present = {"D:\\新規ファイル", "D:\\新規ファイル(1)", "D:\\新規ファイル(2)"};
    EXPECT_EQ("D:\\新規ファイル(3)", ChooseNewItemName("D:", NewItemKind::File, folder.Exists()).fullPath);
    EXPECT_EQ("D:\\新しいフォルダ", ChooseNewItemName("D:", NewItemKind::Folder, folder.Exists()).fullPath);
}

TEST(NewItemNames, DriveRootGetsOneSeparator) {
    FakeFolder folder;
    EXPECT_EQ("C:\\新しいフォルダ", ChooseNewItemName("C:", NewItemKind::Folder, folder.Exists()).fullPath);
}

TEST(NewItemNames, FolderEndingInA5CTrailByteStillGetsItsSeparator) {
    FakeFolder folder;
    // 表 is 0x95 0x5C in Shift-JIS: its second byte is not a separator.
    const std::string folderPath = "C:\\表";
    ASSERT_EQ('\\', folderPath.back());
    EXPECT_EQ(folderPath + "\\新規ファイル",
              ChooseNewItemName(folderPath, NewItemKind::File, folder.Exists()).fullPath);
}

TEST(NewItemNames, PathsThatNameNoDriveOrShareGetNothing) {
    for (const std::string& folderPath :
         {std::string(), std::string("マイ コンピュータ"), std::string("sub\\dir"), std::string("C:relative"),
          std::string("\\rooted"), std::string("\\\\"), std::string("1:\\x")}) {
        FakeFolder folder;
        NewItemName chosen = ChooseNewItemName(folderPath, NewItemKind::Folder, folder.Exists());
        EXPECT_TRUE(chosen.fullPath.empty()) << folderPath;
        EXPECT_TRUE(chosen.name.empty()) << folderPath;
        EXPECT_TRUE(folder.asked.empty()) << folderPath;
    }
}

TEST(NewItemNames, DrivesAndSharesAreAbsolute) {
    EXPECT_TRUE(IsAbsoluteFolderPath("C:"));
    EXPECT_TRUE(IsAbsoluteFolderPath("z:\\a"));
    EXPECT_TRUE(IsAbsoluteFolderPath("\\\\server\\share"));
    FakeFolder folder;
    EXPECT_EQ("\\\\server\\share\\新しいフォルダ",
              ChooseNewItemName("\\\\server\\share", NewItemKind::Folder, folder.Exists()).fullPath);
}

// 新しいフォルダ is 14 bytes in Shift-JIS; with the separator a folder path of 244 bytes makes 259.
TEST(NewItemNames, CandidatesLongerThan259BytesAreNeverTried) {
    const std::string base = NewItemBaseName(NewItemKind::Folder);
    ASSERT_EQ(14u, base.size());
    const std::string fitting = "C:\\" + std::string(kMaxPathBytes - base.size() - 1 - 3, 'a');
    FakeFolder folder;
    NewItemName chosen = ChooseNewItemName(fitting, NewItemKind::Folder, folder.Exists());
    EXPECT_EQ(kMaxPathBytes, chosen.fullPath.size());

    folder.present = {chosen.fullPath};
    folder.asked.clear();
    EXPECT_TRUE(ChooseNewItemName(fitting, NewItemKind::Folder, folder.Exists()).fullPath.empty());
    EXPECT_EQ(1u, folder.asked.size());

    folder.asked.clear();
    EXPECT_TRUE(ChooseNewItemName(fitting + "a", NewItemKind::Folder, folder.Exists()).fullPath.empty());
    EXPECT_TRUE(folder.asked.empty());
}

TEST(NewItemNames, NumberedFormStopsWhenItOutgrowsTheLimit) {
    const std::string base = NewItemBaseName(NewItemKind::File);
    // Room for the base name and a one-digit number, not for two digits.
    const std::string folderPath = "C:\\" + std::string(kMaxPathBytes - base.size() - 3 - 1 - 3, 'b');
    FakeFolder folder;
    for (int number = 0; number < 10; ++number)
        folder.present.insert(folderPath + "\\" + base + (number ? "(" + std::to_string(number) + ")" : ""));
    EXPECT_TRUE(ChooseNewItemName(folderPath, NewItemKind::File, folder.Exists()).fullPath.empty());
    ASSERT_EQ(10u, folder.asked.size());
    EXPECT_EQ(kMaxPathBytes, folder.asked.back().size());
}

}  // namespace
