// The one row of tabs that both folder lists show.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win/owners.h"

// Tabs are numbered from 1; a list that shows no tab holds -1.
class TabList {
public:
    int Count() const { return static_cast<int>(tabs_.size()); }
    PCIDLIST_ABSOLUTE Folder(int tab) const;

    void Clear();

    // The tabs shown in the main and the sub list.
    void SetShown(int mainTab, int subTab);
    int MainTab() const { return mainTab_; }
    int SubTab() const { return subTab_; }

    // Opens a folder item of parent as a new tab; other items are not opened. Returns the new
    // tab's number, or 0.
    int OpenItemAsTab(IShellFolder* parent, PCUITEMID_CHILD child);
    int OpenDesktopTab();

private:
    struct Tab {
        ItemIdList folder;
    };

    int Add(ItemIdList folder);

    std::vector<Tab> tabs_;
    int mainTab_ = -1;
    int subTab_ = -1;
};
