// Folder-tree benchmark, in the running program: a folder of 10,000 subfolders is listed in the
// main list and expanded in the tree, each timed to the end of its painting; then the tree follows
// changes with that level expanded: the time from a folder made at a drive's root to its item, and
// the longest the window is kept from answering while 2,000 folders come and go under an expanded
// folder with the drive watcher and F5 both asking for refreshes.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "bench/bench_program.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "shell/folder_binding.h"
#include "shell/typed_paths.h"

namespace {

constexpr int kWideFolders = 10000;
constexpr int kStormFolders = 2000;

int CountChildren(HWND tree, HTREEITEM item) {
    int count = 0;
    for (HTREEITEM child = TreeView_GetChild(tree, item); child; child = TreeView_GetNextSibling(tree, child)) ++count;
    return count;
}

bool HasChildNamed(FolderTreePane& tree, HTREEITEM item, const std::string& name) {
    for (HTREEITEM child = TreeView_GetChild(tree.Window(), item); child;
         child = TreeView_GetNextSibling(tree.Window(), child))
        if (tree.TextOf(child) == name) return true;
    return false;
}

// The floor of an expansion: a bare tree control of this process taking as many items, each with
// its text, under one parent, without any shell.
double BareTreeInsertMs(HWND parent, int count) {
    HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES, 0, 0, 200, 400, parent,
                                nullptr, nullptr, nullptr);
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("root");
    HTREEITEM root = TreeView_InsertItem(tree, &insert);
    double start = Now();
    insert.hParent = root;
    for (int at = 0; at < count; ++at) {
        std::string text = "w" + std::to_string(at);
        insert.item.pszText = const_cast<char*>(text.c_str());
        TreeView_InsertItem(tree, &insert);
    }
    double took = Now() - start;
    DestroyWindow(tree);
    return took;
}

void MakeFolders(const std::string& folder, const char* prefix, int count) {
    for (int at = 0; at < count; ++at) CreateDirectoryA((folder + "\\" + prefix + std::to_string(at)).c_str(), nullptr);
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    OleInitialize(nullptr);
    std::string root = FreshProgramFolder("tessary_tree");
    std::string wide = root + "\\wide";
    std::string storm = root + "\\storm";
    CreateDirectoryA(wide.c_str(), nullptr);
    CreateDirectoryA(storm.c_str(), nullptr);
    MakeFolders(wide, "w", kWideFolders);

    std::unique_ptr<Application> application;
    MainWindow* main = StartBenchProgram(application, root, {root});
    if (!main) return 1;
    FolderTreePane& tree = main->Tree();
    HWND treeWindow = tree.Window();

    ItemIdList wideList = PathToItemList(wide.c_str());
    HWND list = main->MainList().Window();
    double start = Now();
    main->MainList().Show(BindFolder(wideList.Get()));
    UpdateWindow(list);
    double listMs = Now() - start;
    PumpUntil([] { return false; }, 300);

    HTREEITEM wideItem = tree.FindItem(wideList.Get());
    if (!wideItem) {
        std::printf("the tree has no item for the folder\n");
        return 1;
    }
    TreeView_EnsureVisible(treeWindow, wideItem);
    start = Now();
    TreeView_Expand(treeWindow, wideItem, TVE_EXPAND);
    UpdateWindow(treeWindow);
    double expandMs = Now() - start;
    double bareMs = BareTreeInsertMs(main->Handle(), kWideFolders);
    std::printf(
        "tree: %d subfolders listed in %.0f ms, expanded in the tree in %.0f ms (%.2f x the listing); a bare "
        "tree control takes %.0f ms to take as many items\n",
        CountChildren(treeWindow, wideItem), listMs, expandMs, expandMs / listMs, bareMs);

    start = Now();
    tree.Refresh();
    double refreshLongest = Now() - start;
    refreshLongest = std::max(refreshLongest, PumpUntil([&] { return !tree.RefreshPending(); }, 60000));
    std::printf("tree: F5 with the 10,000 expanded: done in %.0f ms, the window kept waiting %.0f ms at most\n",
                Now() - start, refreshLongest);

    ItemIdList driveList = PathToItemList("C:\\");
    HTREEITEM drive = tree.FindItem(driveList.Get());
    if (drive) TreeView_Expand(treeWindow, drive, TVE_EXPAND);
    std::string probe = "tessary_tree_probe";
    RemoveDirectoryA(("C:\\" + probe).c_str());
    PumpUntil([] { return false; }, 1500);
    start = Now();
    CreateDirectoryA(("C:\\" + probe).c_str(), nullptr);
    double driveLongest = PumpUntil([&] { return drive && HasChildNamed(tree, drive, probe); }, 10000);
    double shownMs = Now() - start;
    RemoveDirectoryA(("C:\\" + probe).c_str());
    std::printf("tree: a folder made at a drive's root shown after %.0f ms, the window kept waiting %.0f ms at most\n",
                shownMs, driveLongest);

    ItemIdList stormList = PathToItemList(storm.c_str());
    HTREEITEM stormItem = tree.FindItem(stormList.Get());
    if (stormItem) TreeView_Expand(treeWindow, stormItem, TVE_EXPAND);
    std::atomic<bool> done{false};
    std::thread maker([&] {
        MakeFolders(storm, "s", kStormFolders);
        for (int at = 0; at < kStormFolders; ++at) RemoveDirectoryA((storm + "\\s" + std::to_string(at)).c_str());
        done = true;
    });
    double longest = 0;
    start = Now();
    while (!done) {
        double asked = Now();
        tree.Refresh();
        longest = std::max(longest, Now() - asked);
        longest = std::max(longest, PumpUntil([] { return false; }, 150));
    }
    maker.join();
    tree.Refresh();
    longest = std::max(longest, PumpUntil([&] { return !tree.RefreshPending(); }, 60000));
    std::printf(
        "tree: %d folders made and removed with F5 every 150 ms in %.0f ms, the window kept waiting %.0f ms "
        "at most\n",
        kStormFolders, Now() - start, longest);
    application.reset();
    return 0;
}
