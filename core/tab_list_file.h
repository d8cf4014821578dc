// The payload of tablist.dat, which keeps every open tab with its view state and the folders that
// the two lists showed, and the rule that picks the shown tabs from it at start. No Windows header:
// identifier lists travel as their bytes, checked with idlayout, so the codec is built natively and
// fuzzed; binding them to folders and comparing them is the program's part.
#pragma once
#include <cstdint>
#include <vector>

#include "core/datafile.h"
#include "core/list_view_state.h"
#include "core/tab_model.h"

namespace tablist {

constexpr uint32_t kVersion = 100;
// Older files start with the tab count; the folders of the two lists came with this version.
constexpr uint32_t kFirstVersionWithShownFolders = 100;
// No version ever wrote a custom title longer than a path buffer; such a record ends the load.
constexpr uint32_t kLongestTitle = 260;

// A whole absolute identifier list, terminator included; empty for none.
using IdList = std::vector<uint8_t>;

struct SavedTab {
    IdList folder;
    bool locked = false;
    ListViewState view;
};

struct TabList {
    IdList mainFolder;
    // Written only while the two-pane view is on.
    IdList subFolder;
    std::vector<SavedTab> tabs;
};

// Always the layout of kVersion, with no custom titles.
void EncodeTabList(const TabList& list, datafile::PayloadWriter& payload);

// The count only limits the records read. A record that the bytes left cannot hold (a length past
// the end, a file ending inside it) or whose custom title is longer than kLongestTitle ends the
// load; the complete records before it are kept. A record whose folder is not one whole list
// (smaller than the terminator, or its items not ending exactly at its size) is skipped, and so
// is a shown folder of that kind. Every view state comes back as a list can show it.
TabList DecodeTabList(datafile::PayloadReader& payload, uint32_t version);

// The tabs that the lists show at start, from the first tabs found showing the remembered folders
// (-1 for none): the main list falls back to tab 1, and the sub list shows nothing rather than the
// main list's tab.
tabs::Selections StartSelections(int foundMain, int foundSub);

}  // namespace tablist
