// The one row of tabs that both folder lists show.
#pragma once
#include <windows.h>
#include <shlobj.h>

// Tabs are numbered from 1; a list that shows no tab holds -1.
int TabCount();
PCIDLIST_ABSOLUTE TabFolder(int tab);

void ClearTabs();

// The tabs shown in the main and the sub list.
void SetShownTabs(int mainTab, int subTab);
int MainListTab();
int SubListTab();

// Opens a folder item of parent as a new tab; other items are not opened. Returns the new
// tab's number, or 0.
int OpenItemAsTab(IShellFolder* parent, PCUITEMID_CHILD child);
int OpenDesktopTab();
