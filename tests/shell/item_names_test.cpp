#include "shell/item_names.h"

#include <shellapi.h>

#include <cstring>

#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"
#include "win/system_text.h"

namespace {

class ItemNamesTest : public ShellFixture {
protected:
    void SplitPath(const std::string& path) {
        ItemIdList list = ShellListOf(path);
        ASSERT_TRUE(list) << path;
        ASSERT_TRUE(SplitItemList(list.Get(), parent_, child_));
    }
    ComPtr<IShellFolder> parent_;
    ItemIdList child_;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(ItemNamesTest, PathOfADriveRootHasNoBackslash) {
    SplitPath("C:\\");
    EXPECT_EQ("C:", ItemPath(parent_.Get(), child_.Get()));
    ComPtr<IShellFolder> drive = BindFolder(ShellListOf("C:\\").Get());
    ASSERT_TRUE(drive);
    EXPECT_EQ("C:", ItemPath(drive.Get()));
}

TEST_F(ItemNamesTest, PathOfTheComputerFolderIsItsDisplayName) {
    ItemIdList computer = SpecialFolderList(CSIDL_DRIVES);
    ASSERT_TRUE(computer);
    std::string shown = ShellDisplayName(DesktopFolder().Get(), computer.Get());
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown, ItemPath(DesktopFolder().Get(), computer.Get()));
    ComPtr<IShellFolder> folder = BindFolder(computer.Get());
    ASSERT_TRUE(folder);
    EXPECT_EQ(shown, ItemPath(folder.Get()));
    EXPECT_EQ(shown, DisplayName(folder.Get()));
}

TEST_F(ItemNamesTest, DesktopReadsAsItsDirectory) {
    char directory[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, directory, CSIDL_DESKTOPDIRECTORY, FALSE));
    EXPECT_EQ(directory, ItemPath(DesktopFolder().Get()));
    ItemIdList directoryList = ShellListOf(directory);
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    ASSERT_TRUE(SplitItemList(directoryList.Get(), parent, child));
    EXPECT_EQ(ShellDisplayName(parent.Get(), child.Get()), DisplayName(DesktopFolder().Get()));
}

TEST_F(ItemNamesTest, TrailingDoubleByteCharacterEndingInBackslashStaysWhole) {
    MakeFolder("資料");
    std::string table = MakeFolder("資料\\表");
    std::string software = MakeFolder("ソ");
    ASSERT_TRUE(FileExists(table));
    ASSERT_EQ('\\', table.back());

    SplitPath(table);
    std::string path = ItemPath(parent_.Get(), child_.Get());
    EXPECT_EQ(table, path);
    EXPECT_TRUE(EndsWith(path, "\\表"));
    EXPECT_EQ("表", DisplayName(parent_.Get(), child_.Get()));

    ComPtr<IShellFolder> bound = BindFolder(ShellListOf(software).Get());
    ASSERT_TRUE(bound);
    EXPECT_EQ(software, ItemPath(bound.Get()));
    EXPECT_EQ("ソ", DisplayName(bound.Get()));
}

// A file-system item's path is put together from its folder's directory and its own name; it is
// the path the shell gives for the same item.
TEST_F(ItemNamesTest, PathsOfFilesAndFoldersAreTheShellsPaths) {
    MakeFolder("資料");
    std::string file = MakeFile("資料\\報告書.txt");
    std::string folder = MakeFolder("資料\\写真");
    std::string table = MakeFile("表");
    for (const std::string& path : {file, folder, table}) {
        std::string withoutBackslash = dbcs::DropTrailingBackslash(path, &IsSystemLeadByte);
        SplitPath(withoutBackslash);
        EXPECT_EQ(withoutBackslash, ItemPath(parent_.Get(), child_.Get()));
        ItemIdList absolute = AbsoluteItemList(parent_.Get(), child_.Get());
        EXPECT_EQ(ShellPathOf(absolute.Get()), ItemPath(parent_.Get(), child_.Get()));
        EXPECT_EQ(withoutBackslash, FileSystemPath(parent_.Get(), child_.Get()));
    }
    // An item outside the file system has no such path; the shell is asked for its path string.
    ItemIdList computer = SpecialFolderList(CSIDL_DRIVES);
    EXPECT_EQ("", FileSystemPath(DesktopFolder().Get(), computer.Get()));
    // A drive's root directory already ends in its backslash.
    SplitPath("C:\\users");
    EXPECT_EQ("C:\\users", ItemPath(parent_.Get(), child_.Get()));
}

TEST_F(ItemNamesTest, ParsingNameOfFilesIsTheirPath) {
    std::string note = MakeFile("メモ.txt");
    SplitPath(note);
    EXPECT_EQ(note, ParsingName(parent_.Get(), child_.Get()));
    MakeFolder("資料");
    std::string table = MakeFolder("資料\\表");
    ComPtr<IShellFolder> bound = BindFolder(ShellListOf(table).Get());
    EXPECT_EQ(table, ParsingName(bound.Get()));
    EXPECT_EQ(ShellDisplayName(DesktopFolder().Get(), nullptr, SHGDN_FORPARSING), ParsingName(DesktopFolder().Get()));
}

STRRET WideResult(const std::wstring& text) {
    STRRET result{};
    result.uType = STRRET_WSTR;
    size_t bytes = (text.size() + 1) * sizeof(WCHAR);
    result.pOleStr = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    std::memcpy(result.pOleStr, text.c_str(), bytes);
    return result;
}

TEST_F(ItemNamesTest, NameResultOfEveryKind) {
    STRRET wide = WideResult(L"表示名");
    EXPECT_EQ("表示名", NameResultToText(wide, nullptr));
    EXPECT_EQ(nullptr, wide.pOleStr);

    STRRET narrow{};
    narrow.uType = STRRET_CSTR;
    std::strcpy(narrow.cStr, "名前.txt");
    EXPECT_EQ("名前.txt", NameResultToText(narrow, nullptr));

    // An item of 2 count bytes, then "ab" and a terminator, then the list's terminator.
    ItemIdList item = AllocateItemList(2 + 3 + 2);
    unsigned char* bytes = reinterpret_cast<unsigned char*>(item.Get());
    bytes[0] = 5;
    std::memcpy(bytes + 2, "ab", 3);
    STRRET offset{};
    offset.uType = STRRET_OFFSET;
    offset.uOffset = 2;
    EXPECT_EQ("ab", NameResultToText(offset, item.Get()));
    offset.uOffset = 3;
    EXPECT_EQ("b", NameResultToText(offset, item.Get()));

    STRRET unknown{};
    unknown.uType = 7;
    EXPECT_EQ("ERROR", NameResultToText(unknown, nullptr));
}

TEST_F(ItemNamesTest, NameResultsNeverOverrunTheBuffer) {
    std::wstring longWide(200, L'表');
    STRRET wide = WideResult(longWide);
    std::string text = NameResultToText(wide, nullptr);
    EXPECT_EQ(258u, text.size());
    std::string whole;
    for (int i = 0; i < 129; ++i) whole += "表";
    EXPECT_EQ(whole, text);

    STRRET narrow{};
    narrow.uType = STRRET_CSTR;
    std::memset(narrow.cStr, 'x', sizeof narrow.cStr);
    EXPECT_EQ(std::string(259, 'x'), NameResultToText(narrow, nullptr));

    ItemIdList item = AllocateItemList(2 + 4 + 2);
    unsigned char* bytes = reinterpret_cast<unsigned char*>(item.Get());
    bytes[0] = 6;
    std::memcpy(bytes + 2, "abcd", 4);
    STRRET offset{};
    offset.uType = STRRET_OFFSET;
    offset.uOffset = 4;
    EXPECT_EQ("cd", NameResultToText(offset, item.Get()));
    offset.uOffset = 400;
    EXPECT_EQ("", NameResultToText(offset, item.Get()));
    EXPECT_EQ("", NameResultToText(offset, nullptr));
}

int ShellIconIndex(PCIDLIST_ABSOLUTE list) {
    SHFILEINFOA info{};
    if (!SHGetFileInfoA(reinterpret_cast<LPCSTR>(list), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_SYSICONINDEX))
        return -2;
    return info.iIcon;
}

TEST_F(ItemNamesTest, IconIndexIsTheSystemImageListIndex) {
    std::string table = MakeFolder("表");
    std::string note = MakeFile("メモ.txt");
    SplitPath(table);
    int folderIcon = IconIndex(parent_.Get(), child_.Get(), 0, SHGFI_SYSICONINDEX);
    EXPECT_EQ(ShellIconIndex(ShellListOf(table).Get()), folderIcon);
    EXPECT_GE(folderIcon, 0);
    SplitPath(note);
    EXPECT_EQ(ShellIconIndex(ShellListOf(note).Get()), IconIndex(parent_.Get(), child_.Get(), 0, SHGFI_SYSICONINDEX));
    ItemIdList desktop = SpecialFolderList(CSIDL_DESKTOP);
    EXPECT_EQ(ShellIconIndex(desktop.Get()), IconIndex(DesktopFolder().Get(), nullptr, 0, 0));
}

}  // namespace
