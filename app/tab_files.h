// tablist.dat and tabalias.dat in the data folder: the open tabs with the folders that the two
// lists showed, and the names that the user gave to folders. Both are read once at start and
// written at exit and when the session ends, the aliases first.
#pragma once
#include <string>

#include "core/alias_table.h"
#include "core/tab_list_file.h"
#include "core/tab_model.h"

constexpr char kTabListFileName[] = "tablist.dat";
constexpr char kTabAliasFileName[] = "tabalias.dat";

// None when the file is missing or foreign.
AliasTable LoadTabAliases(const std::string& path);
// Replaces the file whole once the new one is written; an empty table leaves an empty file. False
// when the file was not replaced, which the program accepts silently.
bool SaveTabAliases(const std::string& path, const AliasTable& table);

// What start-up needs beside the tabs themselves: whether any came back, and the folders that the
// lists showed when they were written (empty for none).
struct RestoredTabs {
    bool added = false;
    tablist::IdList mainFolder;
    tablist::IdList subFolder;
};

// Appends the remembered tabs, or only the locked ones, as the main list's, each with its lock and
// view state; a folder that is gone or cannot be shown is left out.
RestoredTabs LoadTabList(const std::string& path, bool onlyLocked, tabs::TabModel& model);

// Every tab in order with the folder of each list's tab, the sub list's only in the two-pane view;
// no tabs leave an empty file. Atomic like SaveTabAliases.
bool SaveTabList(const std::string& path, const tabs::TabModel& model, bool twoPane);

// The first tab showing each folder: the first whose identifier list has the remembered bytes,
// else the first that the shell compares equal to it; -1 for a folder that no tab shows, or for
// none.
tabs::Selections FindTabsOfFolders(const tabs::TabModel& model, const tablist::IdList& mainFolder,
                                   const tablist::IdList& subFolder);
