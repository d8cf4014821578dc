#include "shell/item_clipboard.h"

#include <atomic>
#include <cstring>
#include <thread>

#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "<not opened>";
    std::string text;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (const char* bytes = block ? static_cast<const char*>(GlobalLock(block)) : nullptr) {
        text = bytes;
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

void PutText(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

class ItemClipboardTest : public ShellFixture {
protected:
    void Split(PCIDLIST_ABSOLUTE list) { ASSERT_TRUE(SplitItemList(list, parent_, child_)); }
    ComPtr<IShellFolder> parent_;
    ItemIdList child_;
};

TEST_F(ItemClipboardTest, PathOfAFolderCopiesItsPath) {
    MakeFolder("資料");
    std::string table = MakeFolder("資料\\表");
    Split(ShellListOf(table).Get());
    ASSERT_TRUE(CopyItemTextToClipboard(parent_.Get(), child_.Get(), ItemText::Path));
    EXPECT_EQ(table, ClipboardText());
    ASSERT_TRUE(CopyItemTextToClipboard(parent_.Get(), child_.Get(), ItemText::Name));
    EXPECT_EQ("表", ClipboardText());
}

TEST_F(ItemClipboardTest, PathOfAVirtualItemCopiesItsDisplayName) {
    ItemIdList computer = SpecialFolderList(CSIDL_DRIVES);
    std::string shown = ShellDisplayName(DesktopFolder().Get(), computer.Get());
    ASSERT_FALSE(shown.empty());
    ASSERT_TRUE(CopyItemTextToClipboard(DesktopFolder().Get(), computer.Get(), ItemText::Path));
    EXPECT_EQ(shown, ClipboardText());
}

TEST_F(ItemClipboardTest, NameOfAFileIsTheShellsDisplayName) {
    std::string note = MakeFile("メモ.txt");
    Split(ShellListOf(note).Get());
    ASSERT_TRUE(CopyItemTextToClipboard(parent_.Get(), child_.Get(), ItemText::Name));
    EXPECT_EQ(ShellDisplayName(parent_.Get(), child_.Get()), ClipboardText());
}

TEST_F(ItemClipboardTest, ClipboardHeldElsewhereIsLeftAlone) {
    PutText("before");
    std::string table = MakeFolder("表");
    Split(ShellListOf(table).Get());
    Handle opened(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    Handle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::atomic<bool> held{false};
    std::thread holder([&] {
        HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        held = OpenClipboard(owner) != FALSE;
        SetEvent(opened.Get());
        WaitForSingleObject(release.Get(), INFINITE);
        if (held) CloseClipboard();
        DestroyWindow(owner);
    });
    WaitForSingleObject(opened.Get(), INFINITE);
    bool copied = CopyItemTextToClipboard(parent_.Get(), child_.Get(), ItemText::Path);
    SetEvent(release.Get());
    holder.join();
    ASSERT_TRUE(held);
    EXPECT_FALSE(copied);
    EXPECT_EQ("before", ClipboardText());
}

}  // namespace
