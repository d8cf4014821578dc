// Reads arbitrary bytes as favorite.dat the way the program loads it. Every folder that loads must
// be one whole identifier list, since the shell walks it without a limit, every label must fit its
// buffer, and what loads must come back unchanged through a save and a load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/datafile.h"
#include "core/favourite_file.h"
#include "core/item_id_layout.h"

namespace {

std::vector<favfile::Node> Load(const std::vector<uint8_t>& file) {
    datafile::Parsed parsed = datafile::Parse(file);
    if (!parsed.valid) return {};
    return favfile::DecodeTree(parsed.payload);
}

bool Sound(const favfile::Favourite& favourite) {
    return favourite.label.size() <= favfile::kLongestLabel &&
           idlayout::IsWholeList(favourite.folder.data(), favourite.folder.size());
}

bool SameFavourite(const favfile::Favourite& a, const favfile::Favourite& b) {
    return a.label == b.label && a.folder == b.folder && a.locked == b.locked && a.view.style == b.view.style &&
           a.view.sort.column == b.view.sort.column && a.view.sort.directions == b.view.sort.directions &&
           a.view.columnWidths == b.view.columnWidths;
}

bool Same(const std::vector<favfile::Node>& a, const std::vector<favfile::Node>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].group != b[i].group || a[i].children.size() != b[i].children.size()) return false;
        if (a[i].group ? a[i].label != b[i].label : !SameFavourite(a[i].favourite, b[i].favourite)) return false;
        for (size_t child = 0; child < a[i].children.size(); ++child)
            if (!SameFavourite(a[i].children[child], b[i].children[child])) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<favfile::Node> tree = Load(std::vector<uint8_t>(data, data + size));
    for (const favfile::Node& node : tree) {
        if (node.group ? node.label.size() > favfile::kLongestLabel : !Sound(node.favourite)) abort();
        if (!node.group && !node.children.empty()) abort();
        for (const favfile::Favourite& child : node.children)
            if (!Sound(child)) abort();
    }
    datafile::PayloadWriter payload;
    favfile::EncodeTree(tree, payload);
    if (!Same(tree, Load(datafile::Frame(favfile::kVersion, payload.Bytes())))) abort();
    return 0;
}
