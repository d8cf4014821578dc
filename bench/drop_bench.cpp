// Drop benchmark, in the running program: a drag moving over the rows of a list of 10,000 files,
// row after row and then resting on one row, against the list's own hit test; and 1,000 folders
// dropped on the tab bar, with the number of layouts that the drop made.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_program.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "dnd/drag_items.h"
#include "dnd/dropped_items.h"
#include "dnd/file_drag.h"
#include "panes/tabs/shell_tab_folder.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/typed_paths.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kFolders = 1000;
constexpr int kRestingMoves = 200;

void MakeItems(const std::string& folder, const char* prefix, int count, bool folders) {
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int index = 0; index < count; ++index) {
        char name[32];
        std::snprintf(name, sizeof name, "\\%s%05d%s", prefix, index, folders ? "" : ".txt");
        std::string path = folder + name;
        if (folders) {
            CreateDirectoryA(path.c_str(), nullptr);
            continue;
        }
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
}

// The drag data of every item of a folder, as a list of the program would make it.
ComPtr<IDataObject> DataOfFolder(const std::string& path) {
    ItemIdList list = PathToItemList(path.c_str());
    ComPtr<IShellFolder> folder = BindFolder(list.Get());
    ComPtr<IEnumIDList> items;
    std::vector<ItemIdList> owned;
    if (folder && folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.Put()) == S_OK) {
        LPITEMIDLIST item = nullptr;
        while (items->Next(1, &item, nullptr) == S_OK) owned.emplace_back(item);
    }
    std::vector<PCUITEMID_CHILD> children;
    for (const ItemIdList& item : owned) children.push_back(item.Get());
    DragRequest request;
    if (!folder || !MakeDragRequest(nullptr, folder.Get(), children, request)) return ComPtr<IDataObject>();
    return MakeDragData(request);
}

POINT RowPoint(HWND list, int row) {
    RECT cell{};
    cell.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    POINT point{cell.left + 4, (cell.top + cell.bottom) / 2};
    ClientToScreen(list, &point);
    return point;
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    OleInitialize(nullptr);
    std::string root = FreshProgramFolder("tessary_drop");
    std::string files = root + "\\files";
    std::string folders = root + "\\folders";
    std::string source = root + "\\source";
    MakeItems(files, "f", kFiles, false);
    MakeItems(folders, "d", kFolders, true);
    MakeItems(source, "s", 3, false);

    std::unique_ptr<Application> application;
    MainWindow* main = StartBenchProgram(application, root, {files});
    if (!main) return 1;
    HWND list = main->MainList().Window();
    IDropTarget* listTarget = main->MainList().DropTarget();
    ComPtr<IDataObject> dragged = DataOfFolder(source);
    if (!listTarget || !dragged) {
        std::printf("no drop target or no data\n");
        return 1;
    }
    // The rows on screen: a row off it is no row under a drag.
    RECT client{};
    GetClientRect(list, &client);
    int shownRows = 0;
    for (int row = 0; row < kFiles; ++row) {
        RECT cell{};
        cell.left = LVIR_LABEL;
        SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        if (cell.bottom > client.bottom) break;
        ++shownRows;
    }
    shownRows = std::max(1, shownRows);

    // The floor: the list's own hit test at the same points.
    Timing hitTests;
    for (int row = 0; row < shownRows; ++row) {
        LVHITTESTINFO hit{};
        hit.pt = RowPoint(list, row);
        ScreenToClient(list, &hit.pt);
        double start = Now();
        SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        hitTests.Add(Now() - start);
    }

    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    POINT first = RowPoint(list, 0);
    listTarget->DragEnter(dragged.Get(), MK_LBUTTON, POINTL{first.x, first.y}, &effect);
    Timing sweep;
    for (int row = 0; row < shownRows; ++row) {
        POINT at = RowPoint(list, row);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        double start = Now();
        listTarget->DragOver(MK_LBUTTON, POINTL{at.x, at.y}, &effect);
        sweep.Add(Now() - start);
    }
    Timing resting;
    POINT rest = RowPoint(list, shownRows / 2);
    for (int move = 0; move < kRestingMoves; ++move) {
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        double start = Now();
        listTarget->DragOver(MK_LBUTTON, POINTL{rest.x + (move % 2), rest.y}, &effect);
        resting.Add(Now() - start);
    }
    listTarget->DragLeave();

    // 1,000 folders dropped after the last tab, against what the shell is asked for each of them
    // alone: that it exists and is a folder, its folder bound, tested for listing and named.
    ComPtr<IDataObject> many = DataOfFolder(folders);
    double rawStart = Now();
    DroppedItems raw;
    if (ReadDroppedItems(many.Get(), raw)) {
        for (const ItemIdList& child : raw.children) {
            if (!ItemExists(raw.parent.Get(), child.Get()) || !IsFolderItem(raw.parent.Get(), child.Get())) continue;
            ShellTabFolder folder(BindFolderItem(raw.parent.Get(), child.Get()));
            if (folder.CanEnumerate()) (void)(folder.DisplayName().size() + folder.Path().size());
        }
    }
    double rawMs = Now() - rawStart;
    TabBar& bar = main->Bar();
    IDropTarget* barTarget = bar.DropTarget();
    const tabs::TabRect last = main->Tabs().Tab(main->Tabs().Count())->rect;
    POINT after{last.right + 20, 10};
    ClientToScreen(bar.Window(), &after);
    int tabsBefore = main->Tabs().Count();
    int layoutsBefore = bar.LayoutsMade();
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    barTarget->DragEnter(many.Get(), MK_LBUTTON, POINTL{after.x, after.y}, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    double dropStart = Now();
    barTarget->Drop(many.Get(), MK_LBUTTON, POINTL{after.x, after.y}, &effect);
    double dropMs = Now() - dropStart;
    int added = main->Tabs().Count() - tabsBefore;
    int layouts = bar.LayoutsMade() - layoutsBefore;

    std::printf("Drop benchmark (%d files in the list, %d of them on screen)\n", kFiles, shownRows);
    std::printf("  list hit test alone:            %.3f ms a call (longest %.3f ms)\n", hitTests.Average(),
                hitTests.longest);
    std::printf("  DragOver, a new row each call:  %.3f ms a call (longest %.3f ms), %.1f x the hit test\n",
                sweep.Average(), sweep.longest, hitTests.Average() > 0 ? sweep.Average() / hitTests.Average() : 0);
    std::printf("  DragOver, resting on one row:   %.3f ms a call (longest %.3f ms), %.1f x the hit test\n",
                resting.Average(), resting.longest,
                hitTests.Average() > 0 ? resting.Average() / hitTests.Average() : 0);
    std::printf("  %d folders dropped on the tab bar: %.0f ms, %d tabs added, %d layouts of the bar\n", kFolders,
                dropMs, added, layouts);
    std::printf("  the shell's own work for those folders alone: %.0f ms; the drop takes %.2f x that\n", rawMs,
                rawMs > 0 ? dropMs / rawMs : 0);
    application.reset();
    return 0;
}
