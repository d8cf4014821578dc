#include "panes/tabs/launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/datafile.h"
#include "core/launcher_file.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

class LauncherTest : public ShellFixture {
protected:
    // Adds the item at that path through its parent folder, as a drop would.
    bool AddPath(Launcher& launcher, const std::string& path, int position = -1) {
        ItemIdList list = ShellListOf(path);
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        if (!list || !SplitItemList(list.Get(), parent, child)) return false;
        return launcher.Add(parent.Get(), child.Get(), position);
    }
    static std::string PathAt(const Launcher& launcher, int position) {
        const LauncherEntry* entry = launcher.Entry(position);
        return entry ? ItemPath(entry->folder.Get(), entry->item.Get()) : std::string("<none>");
    }
    std::vector<std::string> Paths(const Launcher& launcher) const {
        std::vector<std::string> paths;
        for (int position = 1; position <= launcher.Count(); ++position) paths.push_back(PathAt(launcher, position));
        return paths;
    }
};

TEST_F(LauncherTest, AShortcutIsReplacedByItsTargetAndAMissingItemIsNotAdded) {
    std::string note = MakeFile("道具\\メモ.txt");
    std::string folder = MakeFolder("資料");
    ASSERT_TRUE(MakeLink("メモへ.lnk", note));
    Launcher launcher(*shell_);
    EXPECT_TRUE(AddPath(launcher, PathOf("メモへ.lnk")));
    EXPECT_TRUE(AddPath(launcher, folder, 1));
    EXPECT_FALSE(AddPath(launcher, PathOf("道具\\ない.txt")));
    ASSERT_EQ((std::vector<std::string>{folder, note}), Paths(launcher));
    // The entry is named by its target, not by the shortcut.
    EXPECT_EQ(0u, launcher.Entry(2)->title.find("メモ"));
}

TEST_F(LauncherTest, ARingOfShortcutsIsFollowedOnlyAFewLinksAndAddsNothing) {
    std::string first = PathOf("一.lnk");
    std::string second = PathOf("二.lnk");
    std::string note = MakeFile("メモ.txt");
    ASSERT_TRUE(MakeLink("二.lnk", note));
    ASSERT_TRUE(MakeLink("一.lnk", second));
    ASSERT_TRUE(MakeLink("二.lnk", first));
    Launcher launcher(*shell_);
    EXPECT_FALSE(AddPath(launcher, first));
    EXPECT_EQ(0, launcher.Count());
}

TEST_F(LauncherTest, AMovedEntryKeepsItsFolderAndItemAndTheFileKeepsTheNewOrder) {
    std::vector<std::string> files = {MakeFile("a.txt"), MakeFile("b.txt"), MakeFile("c.txt")};
    Launcher launcher(*shell_);
    for (const std::string& file : files) ASSERT_TRUE(AddPath(launcher, file));
    const unsigned firstSerial = launcher.Entry(1)->serial;
    launcher.Move(1, 3);
    EXPECT_EQ((std::vector<std::string>{files[1], files[2], files[0]}), Paths(launcher));
    EXPECT_EQ(3, launcher.PositionOf(firstSerial));
    launcher.Move(3, 2);
    EXPECT_EQ((std::vector<std::string>{files[1], files[0], files[2]}), Paths(launcher));
    std::string saved = PathOf("launch.dat");
    ASSERT_TRUE(launcher.Save(saved));
    Launcher reloaded(*shell_);
    reloaded.Load(saved);
    EXPECT_EQ(Paths(launcher), Paths(reloaded));
    launcher.Remove(2);
    EXPECT_EQ((std::vector<std::string>{files[1], files[2]}), Paths(launcher));
}

TEST_F(LauncherTest, TheFileKeepsTheCompleteRecordsBeforeABrokenOneAndDropsGoneItems) {
    std::string kept = MakeFile("残る.txt");
    std::string gone = MakeFile("消える.txt");
    auto bytesOf = [](const std::string& path) {
        ItemIdList list = ShellListOf(path);
        const auto* bytes = reinterpret_cast<const uint8_t*>(list.Get());
        return StoredItemList(bytes, bytes + ItemListSize(list.Get()));
    };
    datafile::PayloadWriter payload;
    EncodeLauncher({bytesOf(gone), bytesOf(kept)}, payload);
    // A third record that claims more bytes than the file holds.
    std::vector<uint8_t> bytes = payload.Bytes();
    bytes[0] = 3;
    const uint8_t claim[] = {0xFF, 0xFF, 0xFF, 0x7F, 0x04, 0x00};
    bytes.insert(bytes.end(), claim, claim + sizeof claim);
    std::vector<uint8_t> file = datafile::Frame(kLauncherFileVersion, bytes);
    ASSERT_TRUE(DeleteFileA(gone.c_str()));
    std::string path = PathOf("launch.dat");
    ASSERT_TRUE(WriteBytes(path, std::string(file.begin(), file.end())));
    Launcher launcher(*shell_);
    launcher.Load(path);
    EXPECT_EQ((std::vector<std::string>{kept}), Paths(launcher));
    // An empty launcher leaves an empty file.
    Launcher empty(*shell_);
    ASSERT_TRUE(empty.Save(path));
    EXPECT_EQ("", ReadBytes(path));
}

}  // namespace
