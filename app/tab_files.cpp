#include "app/tab_files.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "panes/tabs/shell_tab_folder.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/shell_services.h"
#include "win/datafile_io.h"

namespace {

// The decoder hands on only whole lists, so the shell may walk these bytes.
PCIDLIST_ABSOLUTE AsList(const tablist::IdList& bytes) {
    return bytes.empty() ? nullptr : reinterpret_cast<PCIDLIST_ABSOLUTE>(bytes.data());
}

// Every folder that the program gives the tab model is a shell folder.
PCIDLIST_ABSOLUTE ListOfTab(const tabs::TabModel& model, int position) {
    const tabs::TabRecord* tab = model.Tab(position);
    return tab ? static_cast<const ShellTabFolder&>(*tab->folder).OwnList() : nullptr;
}

tablist::IdList BytesOfTab(const tabs::TabModel& model, int position) {
    PCIDLIST_ABSOLUTE list = ListOfTab(model, position);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(list);
    return list ? tablist::IdList(bytes, bytes + ItemListSize(list)) : tablist::IdList();
}

bool SameBytes(PCIDLIST_ABSOLUTE list, const tablist::IdList& bytes) {
    return list && ItemListSize(list) == bytes.size() && std::memcmp(list, bytes.data(), bytes.size()) == 0;
}

// A restored tab holds the very list that it was written with, so the bytes find the remembered
// folder's tab at once; the shell's comparison, which binds folders on its way, is asked only
// when no tab has them.
int FindTabOf(const tabs::TabModel& model, const tablist::IdList& folder, IShellFolder* desktop) {
    if (folder.empty()) return -1;
    for (int position = 1; position <= model.Count(); ++position)
        if (SameBytes(ListOfTab(model, position), folder)) return position;
    for (int position = 1; position <= model.Count(); ++position) {
        PCIDLIST_ABSOLUTE list = ListOfTab(model, position);
        if (!list) continue;
        HRESULT result = desktop->CompareIDs(0, list, AsList(folder));
        if (SUCCEEDED(result) && static_cast<short>(HRESULT_CODE(result)) == 0) return position;
    }
    return -1;
}

}  // namespace

AliasTable LoadTabAliases(const std::string& path) {
    DataFileContents file(path);
    if (!file.Valid()) return AliasTable();
    return DecodeAliases(file.Payload());
}

bool SaveTabAliases(const std::string& path, const AliasTable& table) {
    if (table.Empty()) return WriteRawDataFile(path, std::vector<uint8_t>());
    datafile::PayloadWriter payload;
    EncodeAliases(table, payload);
    return WriteDataFile(path, kAliasFileVersion, payload);
}

RestoredTabs LoadTabList(const std::string& path, bool onlyLocked, tabs::TabModel& model) {
    RestoredTabs restored;
    DataFileContents file(path);
    if (!file.Valid()) return restored;
    tablist::TabList list = tablist::DecodeTabList(file.Payload(), file.Version());
    RememberedFolders folders;
    for (const tablist::SavedTab& saved : list.tabs) {
        if (onlyLocked && !saved.locked) continue;
        tabs::TabRecord record;
        record.folder = folders.Make(AsList(saved.folder));
        if (!record.folder) continue;
        record.locked = saved.locked;
        record.view = saved.view;
        if (model.AppendRemembered(record)) restored.added = true;
    }
    restored.mainFolder = std::move(list.mainFolder);
    restored.subFolder = std::move(list.subFolder);
    return restored;
}

bool SaveTabList(const std::string& path, const tabs::TabModel& model, bool twoPane) {
    if (model.Count() == 0) return WriteRawDataFile(path, std::vector<uint8_t>());
    tablist::TabList list;
    list.mainFolder = BytesOfTab(model, model.Selection(tabs::Pane::Main));
    if (twoPane) list.subFolder = BytesOfTab(model, model.Selection(tabs::Pane::Sub));
    list.tabs.reserve(static_cast<size_t>(model.Count()));
    for (int position = 1; position <= model.Count(); ++position) {
        const tabs::TabRecord& tab = *model.Tab(position);
        tablist::SavedTab saved;
        saved.folder = BytesOfTab(model, position);
        saved.locked = tab.locked;
        saved.view = tab.view;
        list.tabs.push_back(std::move(saved));
    }
    datafile::PayloadWriter payload;
    tablist::EncodeTabList(list, payload);
    return WriteDataFile(path, tablist::kVersion, payload);
}

tabs::Selections FindTabsOfFolders(const tabs::TabModel& model, const tablist::IdList& mainFolder,
                                   const tablist::IdList& subFolder) {
    tabs::Selections found;
    ComPtr<IShellFolder> desktop = DesktopFolder();
    if (!desktop) return found;
    found.main = FindTabOf(model, mainFolder, desktop.Get());
    found.sub = FindTabOf(model, subFolder, desktop.Get());
    return found;
}
