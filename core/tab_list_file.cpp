#include "core/tab_list_file.h"

#include <array>
#include <utility>

#include "core/id_list_record.h"

namespace tablist {

namespace {

using idrecord::ListRead;

template <size_t N>
bool ReadInts(datafile::PayloadReader& payload, std::array<int, N>& values) {
    for (int& value : values) {
        int32_t read = 0;
        if (!payload.ReadI32(read)) return false;
        value = read;
    }
    return true;
}

bool ReadInt(datafile::PayloadReader& payload, int& value) {
    int32_t read = 0;
    if (!payload.ReadI32(read)) return false;
    value = read;
    return true;
}

// False when the load has to stop at this record; tab.folder is empty for a record to skip.
bool ReadTab(datafile::PayloadReader& payload, SavedTab& tab) {
    if (idrecord::Read(payload, tab.folder) == ListRead::Short) return false;
    int locked = 0, customTitle = 0;
    if (!ReadInt(payload, locked) || !ReadInt(payload, customTitle)) return false;
    if (customTitle != 0) {
        // The title is computed afresh from the alias or the folder; its bytes are only passed over.
        uint32_t titleLength = 0;
        if (!payload.ReadU32(titleLength) || titleLength > kLongestTitle || !payload.Skip(titleLength)) return false;
    }
    ListViewState view;
    if (!ReadInts(payload, view.sort.directions) || !ReadInt(payload, view.sort.column) ||
        !ReadInt(payload, view.style) || !ReadInts(payload, view.columnWidths))
        return false;
    tab.locked = locked != 0;
    tab.view = ShownViewState(view);
    return true;
}

}  // namespace

void EncodeTabList(const TabList& list, datafile::PayloadWriter& payload) {
    idrecord::Put(payload, list.mainFolder);
    idrecord::Put(payload, list.subFolder);
    payload.PutU32(static_cast<uint32_t>(list.tabs.size()));
    for (const SavedTab& tab : list.tabs) {
        idrecord::Put(payload, tab.folder);
        payload.PutI32(tab.locked ? 1 : 0);
        payload.PutI32(0);
        for (int direction : tab.view.sort.directions) payload.PutI32(direction);
        payload.PutI32(tab.view.sort.column);
        payload.PutI32(tab.view.style);
        for (int width : tab.view.columnWidths) payload.PutI32(width);
    }
}

TabList DecodeTabList(datafile::PayloadReader& payload, uint32_t version) {
    TabList list;
    if (version >= kFirstVersionWithShownFolders) {
        if (idrecord::Read(payload, list.mainFolder) == ListRead::Short ||
            idrecord::Read(payload, list.subFolder) == ListRead::Short) {
            list.mainFolder.clear();
            list.subFolder.clear();
            return list;
        }
    }
    uint32_t count = 0;
    if (!payload.ReadU32(count)) return list;
    // Every record takes bytes, so a count that the file does not back ends with the file.
    for (uint32_t record = 0; record < count; ++record) {
        SavedTab tab;
        if (!ReadTab(payload, tab)) break;
        if (!tab.folder.empty()) list.tabs.push_back(std::move(tab));
    }
    return list;
}

tabs::Selections StartSelections(int foundMain, int foundSub) {
    tabs::Selections shown;
    shown.main = foundMain == -1 ? 1 : foundMain;
    shown.sub = foundSub == shown.main ? -1 : foundSub;
    return shown;
}

}  // namespace tablist
