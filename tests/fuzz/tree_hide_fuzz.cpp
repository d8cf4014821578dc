// Reads arbitrary bytes as treehide.dat the way the program loads it. Every list that loads must
// be one whole identifier list, since the shell walks it without a limit, and what loads must come
// back unchanged through a save and a load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/datafile.h"
#include "core/item_id_layout.h"
#include "core/tree_hide_file.h"

namespace {

bool Whole(const treehide::IdList& list) { return idlayout::IsWholeList(list.data(), list.size()); }

std::vector<treehide::Entry> Load(const std::vector<uint8_t>& file) {
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return {};
    return treehide::DecodeEntries(parsed.payload);
}

bool Same(const std::vector<treehide::Entry>& a, const std::vector<treehide::Entry>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].parent != b[i].parent || a[i].children != b[i].children) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<treehide::Entry> entries = Load(std::vector<uint8_t>(data, data + size));
    for (const treehide::Entry& entry : entries) {
        if (!Whole(entry.parent)) abort();
        for (const treehide::IdList& child : entry.children)
            if (!Whole(child)) abort();
    }
    if (!Same(entries, Load(treehide::EncodeFile(entries)))) abort();
    return 0;
}
