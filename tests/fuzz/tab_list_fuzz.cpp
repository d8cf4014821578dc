// Reads arbitrary bytes as tablist.dat the way the program loads it: the header, the two shown
// folders when the version has them, then the records. Every folder that loads must be one whole
// identifier list, since the shell walks it without a limit; every view state must be one that a
// list shows as it is; and what loads must come back unchanged through a save and a load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/datafile.h"
#include "core/item_id_layout.h"
#include "core/tab_list_file.h"

namespace {

bool Whole(const tablist::IdList& list) { return idlayout::IsWholeList(list.data(), list.size()); }

bool SameView(const ListViewState& a, const ListViewState& b) {
    return a.style == b.style && a.sort.column == b.sort.column && a.sort.directions == b.sort.directions &&
           a.columnWidths == b.columnWidths;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return 0;
    tablist::TabList list = tablist::DecodeTabList(parsed.payload, parsed.version);
    if ((!list.mainFolder.empty() && !Whole(list.mainFolder)) || (!list.subFolder.empty() && !Whole(list.subFolder)))
        abort();
    for (const tablist::SavedTab& tab : list.tabs) {
        if (!Whole(tab.folder) || !SameView(tab.view, ShownViewState(tab.view))) abort();
    }
    datafile::PayloadWriter payload;
    tablist::EncodeTabList(list, payload);
    std::vector<uint8_t> saved = datafile::Frame(tablist::kVersion, payload.Bytes());
    datafile::Parsed reread = datafile::Parse(saved);
    tablist::TabList again = tablist::DecodeTabList(reread.payload, reread.version);
    if (!reread.payload.AtEnd() || again.mainFolder != list.mainFolder || again.subFolder != list.subFolder ||
        again.tabs.size() != list.tabs.size())
        abort();
    for (size_t i = 0; i < list.tabs.size(); ++i) {
        const tablist::SavedTab& before = list.tabs[i];
        const tablist::SavedTab& after = again.tabs[i];
        if (before.folder != after.folder || before.locked != after.locked || !SameView(before.view, after.view))
            abort();
    }
    return 0;
}
