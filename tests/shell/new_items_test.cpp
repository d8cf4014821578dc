#include "shell/new_items.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "shell/shell_services.h"
#include "tests/support/test_support.h"

namespace {

class NewItemsTest : public testing::Test {
protected:
    void SetUp() override {
        // The temporary folder's path without its closing backslash, as the list's folder path reads.
        target_ = folder_.Path().substr(0, folder_.Path().size() - 1) + "\\作業フォルダ";
        ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
    }

    std::string In(const std::string& name) const { return target_ + "\\" + name; }
    void MakeFolder(const std::string& name) { ASSERT_TRUE(CreateDirectoryA(In(name).c_str(), nullptr)) << name; }
    void MakeFile(const std::string& name, const std::string& bytes = "x") {
        ASSERT_TRUE(WriteBytes(In(name), bytes)) << name;
    }
    static bool IsFolder(const std::string& path) {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    static bool IsFile(const std::string& path) {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    static std::string PathOf(PCIDLIST_ABSOLUTE list) {
        char path[MAX_PATH] = {};
        return SHGetPathFromIDListA(list, path) ? path : "<no path>";
    }
    int ItemCount() const {
        int count = 0;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((target_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return 0;
        do {
            if (strcmp(found.cFileName, ".") && strcmp(found.cFileName, "..")) ++count;
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return count;
    }

    ShellServices shell_;
    TempFolder folder_;
    std::string target_;
};

TEST_F(NewItemsTest, FolderTakesTheFirstFreeNumberedName) {
    MakeFolder("新しいフォルダ");
    MakeFolder("新しいフォルダ(1)");
    CreatedItem created = CreateNewItem(target_, NewItemKind::Folder);
    EXPECT_EQ(In("新しいフォルダ(2)"), created.fullPath);
    EXPECT_EQ("新しいフォルダ(2)", created.displayName);
    EXPECT_TRUE(IsFolder(In("新しいフォルダ(2)")));
    ASSERT_TRUE(created.itemList);
    EXPECT_EQ(created.fullPath, PathOf(created.itemList.Get()));
}

TEST_F(NewItemsTest, FolderTakesTheBaseNameWhenOnlyANumberedOneExists) {
    MakeFolder("新しいフォルダ(1)");
    CreatedItem created = CreateNewItem(target_, NewItemKind::Folder);
    EXPECT_EQ(In("新しいフォルダ"), created.fullPath);
    EXPECT_EQ("新しいフォルダ", created.displayName);
    EXPECT_TRUE(IsFolder(created.fullPath));
    EXPECT_EQ(2, ItemCount());
}

TEST_F(NewItemsTest, AFileOfTheBaseNameBlocksItForAFolder) {
    MakeFile("新しいフォルダ", "keep");
    CreatedItem created = CreateNewItem(target_, NewItemKind::Folder);
    EXPECT_EQ(In("新しいフォルダ(1)"), created.fullPath);
    EXPECT_TRUE(IsFolder(created.fullPath));
    EXPECT_EQ("keep", ReadBytes(In("新しいフォルダ")));
}

TEST_F(NewItemsTest, NewFilesAreEmptyAndNumberedInTurn) {
    CreatedItem first = CreateNewItem(target_, NewItemKind::File);
    EXPECT_EQ(In("新規ファイル"), first.fullPath);
    EXPECT_EQ("新規ファイル", first.displayName);
    ASSERT_TRUE(IsFile(first.fullPath));
    ASSERT_TRUE(WriteBytes(first.fullPath, "edited"));

    CreatedItem second = CreateNewItem(target_, NewItemKind::File);
    EXPECT_EQ(In("新規ファイル(1)"), second.fullPath);
    EXPECT_EQ("新規ファイル(1)", second.displayName);
    ASSERT_TRUE(IsFile(second.fullPath));
    EXPECT_TRUE(ReadBytes(second.fullPath).empty());
    EXPECT_EQ("edited", ReadBytes(first.fullPath));
    ASSERT_TRUE(second.itemList);
    EXPECT_EQ(second.fullPath, PathOf(second.itemList.Get()));
}

TEST_F(NewItemsTest, FolderThatCannotTakeTheItemGivesTheEmptyResult) {
    MakeFile("ただのファイル");
    for (const std::string& unwritable : {In("ない"), In("ただのファイル")}) {
        for (NewItemKind kind : {NewItemKind::Folder, NewItemKind::File}) {
            CreatedItem created = CreateNewItem(unwritable, kind);
            EXPECT_TRUE(created.fullPath.empty()) << unwritable;
            EXPECT_TRUE(created.displayName.empty()) << unwritable;
            EXPECT_FALSE(created.itemList) << unwritable;
        }
    }
    EXPECT_FALSE(FileExists(In("ない")));
    EXPECT_EQ(1, ItemCount());
}

TEST_F(NewItemsTest, VirtualFolderNameIsNotTakenAsAFolderBelowTheCurrentDirectory) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
    CreatedItem created = CreateNewItem("作業フォルダ", NewItemKind::Folder);
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(created.fullPath.empty());
    EXPECT_EQ(0, ItemCount());
}

TEST_F(NewItemsTest, FolderPathTooLongForTheNewNameGivesTheEmptyResult) {
    // A deep folder whose path leaves room for fewer bytes than the separator and the base name.
    std::string deep = target_;
    while (deep.size() + 1 + 20 <= kMaxPathBytes - 10) {
        deep += "\\" + std::string(20, 'd');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    }
    deep += "\\" + std::string(kMaxPathBytes - 10 - deep.size() - 1, 'e');
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    ASSERT_EQ(kMaxPathBytes - 10, deep.size());
    EXPECT_TRUE(CreateNewItem(deep, NewItemKind::Folder).fullPath.empty());
    EXPECT_TRUE(CreateNewItem(deep, NewItemKind::File).fullPath.empty());
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((deep + "\\*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    int items = 0;
    do {
        if (strcmp(found.cFileName, ".") && strcmp(found.cFileName, "..")) ++items;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(0, items);
}

TEST_F(NewItemsTest, DriveRootTakesOneSeparator) {
    CreatedItem created = CreateNewItem("C:", NewItemKind::Folder);
    ASSERT_FALSE(created.fullPath.empty());
    EXPECT_EQ("C:\\" + created.displayName, created.fullPath);
    EXPECT_EQ(0u, created.displayName.find("新しいフォルダ"));
    EXPECT_TRUE(IsFolder(created.fullPath));
    ASSERT_TRUE(created.itemList);
    EXPECT_EQ(created.fullPath, PathOf(created.itemList.Get()));
    EXPECT_TRUE(RemoveDirectoryA(created.fullPath.c_str()));
}

// What a folder list receives: the one-item identifiers and names of its appended rows.
struct ListRows {
    std::vector<ItemIdList> items;
    std::vector<std::string> names;
    AppendItemToList Appender() {
        return [this](ItemIdList item, const std::string& name) {
            items.push_back(std::move(item));
            names.push_back(name);
        };
    }
};

TEST_F(NewItemsTest, ListReceivesTheNewItemsChildIdentifierAndName) {
    ItemIdList folderList;
    ULONG eaten = 0;
    std::wstring wideTarget(MAX_PATH, L'\0');
    wideTarget.resize(MultiByteToWideChar(CP_ACP, 0, target_.c_str(), -1, &wideTarget[0], MAX_PATH) - 1);
    ASSERT_HRESULT_SUCCEEDED(DesktopFolder()->ParseDisplayName(
        nullptr, nullptr, &wideTarget[0], &eaten, reinterpret_cast<PIDLIST_RELATIVE*>(folderList.Put()), nullptr));
    ComPtr<IShellFolder> shown;
    ASSERT_HRESULT_SUCCEEDED(
        DesktopFolder()->BindToObject(folderList.Get(), nullptr, IID_IShellFolder, shown.PutVoid()));

    ListRows rows;
    EXPECT_EQ(In("新しいフォルダ"), CreateNewItemInList(target_, NewItemKind::Folder, rows.Appender()));
    EXPECT_EQ(In("新規ファイル"), CreateNewItemInList(target_, NewItemKind::File, rows.Appender()));
    ASSERT_EQ(2u, rows.items.size());
    EXPECT_EQ((std::vector<std::string>{"新しいフォルダ", "新規ファイル"}), rows.names);
    for (size_t row = 0; row < rows.items.size(); ++row) {
        PCUITEMID_CHILD child = rows.items[row].Get();
        ASSERT_TRUE(child);
        EXPECT_EQ(0, ILGetNext(child)->mkid.cb) << "row " << row << " is not a single item";
        STRRET name{};
        ASSERT_HRESULT_SUCCEEDED(shown->GetDisplayNameOf(child, SHGDN_FORPARSING, &name));
        char parsing[MAX_PATH] = {};
        StrRetToBufA(&name, child, parsing, MAX_PATH);
        EXPECT_EQ(In(rows.names[row]), parsing);
    }
    EXPECT_TRUE(IsFolderItem(shown.Get(), rows.items[0].Get()));
    EXPECT_FALSE(IsFolderItem(shown.Get(), rows.items[1].Get()));
}

TEST_F(NewItemsTest, ListGetsNothingWhenNothingWasCreated) {
    ListRows rows;
    EXPECT_EQ("", CreateNewItemInList(In("ない"), NewItemKind::File, rows.Appender()));
    EXPECT_EQ("", CreateNewItemInList("マイ コンピュータ", NewItemKind::Folder, rows.Appender()));
    EXPECT_TRUE(rows.items.empty());
    EXPECT_TRUE(rows.names.empty());
}

}  // namespace
