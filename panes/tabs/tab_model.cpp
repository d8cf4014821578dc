#include "panes/tabs/tab_model.h"

#include <vector>

#include "win/owners.h"
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
    return AddTab(AbsoluteItemList(parent, child));
}

int OpenDesktopTab() {
    return AddTab(SpecialFolderList(CSIDL_DESKTOP));
}
