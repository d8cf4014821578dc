#include "shell/shortcuts.h"

#include <intshcut.h>
#include <isguids.h>

#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

class ShortcutsTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFolder("資料");
        tablePath_ = MakeFolder("資料\\表");
        folder_ = BindFolder(ShellListOf(temp_.Path()).Get());
        ASSERT_TRUE(folder_);
    }
    ItemIdList ChildOf(const std::string& relative) { return LastItem(ShellListOf(PathOf(relative)).Get()); }
    bool Resolve(const std::string& relative) {
        ItemIdList child = ChildOf(relative);
        return ResolveShortcut(*shell_, folder_.Get(), child.Get(), targetFolder_, targetChild_, url_);
    }
    static bool InternetShortcutAvailable() {
        ComPtr<IUniformResourceLocatorA> locator;
        return SUCCEEDED(CoCreateInstance(CLSID_InternetShortcut, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IUniformResourceLocatorA, locator.PutVoid()));
    }

    std::string tablePath_;
    ComPtr<IShellFolder> folder_;
    ComPtr<IShellFolder> targetFolder_;
    ItemIdList targetChild_;
    std::string url_;
};

TEST_F(ShortcutsTest, LinkResolvesToTheParentAndChildOfItsTarget) {
    std::string note = MakeFile("資料\\メモ.txt");
    ASSERT_TRUE(MakeLink("表へ.lnk", tablePath_));
    ASSERT_TRUE(MakeLink("メモへ.lnk", note));
    EXPECT_TRUE(IsShortcutItem(folder_.Get(), ChildOf("表へ.lnk").Get()));

    url_ = "stale";
    ASSERT_TRUE(Resolve("表へ.lnk"));
    EXPECT_EQ(PathOf("資料"), ItemPath(targetFolder_.Get()));
    EXPECT_EQ(tablePath_, ItemPath(targetFolder_.Get(), targetChild_.Get()));
    EXPECT_TRUE(IsFolderItem(targetFolder_.Get(), targetChild_.Get()));
    EXPECT_TRUE(url_.empty());

    // The one shared link object takes each file in turn.
    ASSERT_TRUE(Resolve("メモへ.lnk"));
    EXPECT_EQ(note, ItemPath(targetFolder_.Get(), targetChild_.Get()));
    EXPECT_FALSE(IsFolderItem(targetFolder_.Get(), targetChild_.Get()));
}

TEST_F(ShortcutsTest, PlainFileIsNoShortcut) {
    MakeFile("ただの.txt", "plain text");
    EXPECT_FALSE(Resolve("ただの.txt"));
    EXPECT_FALSE(targetFolder_);
    EXPECT_FALSE(targetChild_);
    EXPECT_TRUE(url_.empty());
}

TEST_F(ShortcutsTest, InternetShortcutGivesItsUrl) {
    if (!InternetShortcutAvailable()) GTEST_SKIP() << "this system has no Internet shortcut object";
    MakeFile("サイト.url", "[InternetShortcut]\r\nURL=http://example.invalid/x\r\n");
    EXPECT_FALSE(Resolve("サイト.url"));
    EXPECT_FALSE(targetFolder_);
    EXPECT_EQ("http://example.invalid/x", url_);
}

TEST_F(ShortcutsTest, UrlTooLongForTheBufferIsRefused) {
    if (!InternetShortcutAvailable()) GTEST_SKIP() << "this system has no Internet shortcut object";
    std::string longUrl = "http://example.invalid/" + std::string(300, 'y');
    MakeFile("長い.url", "[InternetShortcut]\r\nURL=" + longUrl + "\r\n");
    EXPECT_FALSE(Resolve("長い.url"));
    EXPECT_TRUE(url_.empty());
    std::string fitting = "http://example.invalid/" + std::string(259 - 23, 'z');
    ASSERT_EQ(259u, fitting.size());
    MakeFile("丁度.url", "[InternetShortcut]\r\nURL=" + fitting + "\r\n");
    EXPECT_FALSE(Resolve("丁度.url"));
    EXPECT_EQ(fitting, url_);
}

}  // namespace
