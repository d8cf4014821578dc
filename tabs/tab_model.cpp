#include "tabs/tab_model.h"

#include <vector>

#include "app/win_raii.h"
#include "shell/shell_services.h"

namespace {

struct Tab {
    ItemIdList folder;
};

std::vector<Tab> g_tabs;
int g_mainListTab = -1;
int g_subListTab = -1;

int AddTab(ItemIdList folder) {
    if (!folder) return 0;
    g_tabs.push_back(Tab{std::move(folder)});
    return static_cast<int>(g_tabs.size());
}

ItemIdList OwnListOf(IShellFolder* folder) {
    ItemIdList list;
    ComPtr<IPersistFolder2> persist;
    if (SUCCEEDED(folder->QueryInterface(IID_IPersistFolder2, persist.PutVoid())))
        persist->GetCurFolder(reinterpret_cast<PIDLIST_ABSOLUTE*>(list.Put()));
    return list;
}

}  // namespace

int TabCount() { return static_cast<int>(g_tabs.size()); }

PCIDLIST_ABSOLUTE TabFolder(int tab) {
    if (tab < 1 || tab > TabCount()) return nullptr;
    return g_tabs[tab - 1].folder.Get();
}

void ClearTabs() {
    g_tabs.clear();
    g_mainListTab = -1;
    g_subListTab = -1;
}

void SetShownTabs(int mainTab, int subTab) {
    g_mainListTab = mainTab;
    g_subListTab = subTab;
}

int MainListTab() { return g_mainListTab; }
int SubListTab() { return g_subListTab; }

int OpenItemAsTab(IShellFolder* parent, PCUITEMID_CHILD child) {
    if (!parent || !child || !IsFolderItem(parent, child)) return 0;
    ItemIdList parentList = OwnListOf(parent);
    if (!parentList && parent == DesktopFolder()) {
        SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, reinterpret_cast<PIDLIST_ABSOLUTE*>(parentList.Put()));
    }
    if (!parentList) return 0;
    return AddTab(ItemIdList(reinterpret_cast<ITEMIDLIST*>(ILCombine(parentList.Get(), child))));
}

int OpenDesktopTab() {
    ItemIdList desktop;
    SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, reinterpret_cast<PIDLIST_ABSOLUTE*>(desktop.Put()));
    return AddTab(std::move(desktop));
}
