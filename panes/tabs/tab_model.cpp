#include "panes/tabs/tab_model.h"

#include "shell/shell_services.h"

int TabList::Add(ItemIdList folder) {
    if (!folder) return 0;
    tabs_.push_back(Tab{std::move(folder)});
    return Count();
}

PCIDLIST_ABSOLUTE TabList::Folder(int tab) const {
    if (tab < 1 || tab > Count()) return nullptr;
    return tabs_[static_cast<size_t>(tab - 1)].folder.Get();
}

void TabList::Clear() {
    tabs_.clear();
    mainTab_ = -1;
    subTab_ = -1;
}

void TabList::SetShown(int mainTab, int subTab) {
    mainTab_ = mainTab;
    subTab_ = subTab;
}

int TabList::OpenItemAsTab(IShellFolder* parent, PCUITEMID_CHILD child) {
    if (!parent || !child || !IsFolderItem(parent, child)) return 0;
    return Add(AbsoluteItemList(parent, child));
}

int TabList::OpenDesktopTab() { return Add(SpecialFolderList(CSIDL_DESKTOP)); }
