#include "shell/typed_paths.h"

#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

const char kNotFoundCaption[] = "ファイルが見つかりません";

std::string NotFoundText(const std::string& path) {
    return "\"" + path + "\"が見つかりません。\nパスやファイル名が正しいかどうか確認してください。";
}

using TypedPathsTest = ShellFixture;

TEST_F(TypedPathsTest, DriveWithoutBackslashIsTheDriveRoot) {
    MessageBoxCloser closer(kNotFoundCaption);
    ItemIdList drive = PathToItemList("C:");
    ASSERT_TRUE(drive);
    EXPECT_TRUE(ILIsEqual(ShellListOf("C:\\").Get(), drive.Get()));
    ItemIdList root = PathToItemList("C:\\");
    ASSERT_TRUE(root);
    EXPECT_TRUE(ILIsEqual(drive.Get(), root.Get()));
    EXPECT_TRUE(closer.Texts().empty());
}

TEST_F(TypedPathsTest, PathsWithAndWithoutTrailingBackslash) {
    MessageBoxCloser closer(kNotFoundCaption);
    std::string documents = MakeFolder("資料");
    std::string table = MakeFolder("資料\\表");
    ItemIdList plain = PathToItemList(table.c_str());
    ItemIdList withBackslash = PathToItemList((documents + "\\").c_str());
    ASSERT_TRUE(plain);
    ASSERT_TRUE(withBackslash);
    EXPECT_EQ(table, ShellPathOf(plain.Get()));
    EXPECT_EQ(documents, ShellPathOf(withBackslash.Get()));
    EXPECT_TRUE(closer.Texts().empty());
}

TEST_F(TypedPathsTest, MissingPathShowsTheBoxAndGivesNull) {
    std::string missing = PathOf("無い\\フォルダ");
    MessageBoxCloser closer(kNotFoundCaption);
    EXPECT_FALSE(PathToItemList(missing.c_str()));
    std::vector<std::string> texts = closer.Texts();
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(NotFoundText(missing), texts[0]);
}

TEST_F(TypedPathsTest, OverlongPathIsRefusedWithTheBox) {
    std::string tooLong = PathOf(std::string(300, 'a'));
    MessageBoxCloser closer(kNotFoundCaption);
    EXPECT_FALSE(PathToItemList(tooLong.c_str()));
    std::vector<std::string> texts = closer.Texts();
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(NotFoundText(tooLong), texts[0]);
}

}  // namespace
