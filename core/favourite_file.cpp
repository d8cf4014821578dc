#include "core/favourite_file.h"

#include <array>
#include <utility>

namespace favfile {

namespace {

constexpr int32_t kGroupKind = 0;
constexpr int32_t kFavouriteKind = 1;

void PutLabel(datafile::PayloadWriter& payload, const std::string& label) {
    payload.PutI32(static_cast<int32_t>(label.size()));
    payload.PutBytes(label.data(), label.size());
}

void PutFavourite(datafile::PayloadWriter& payload, const Favourite& favourite, bool inGroup) {
    payload.PutI32(kFavouriteKind);
    PutLabel(payload, favourite.label);
    payload.PutI32(inGroup ? 1 : 0);
    idrecord::Put(payload, favourite.folder);
    payload.PutI32(favourite.locked ? 1 : 0);
    payload.PutI32(0);
    for (int direction : favourite.view.sort.directions) payload.PutI32(direction);
    payload.PutI32(favourite.view.sort.column);
    payload.PutI32(favourite.view.style);
    for (int width : favourite.view.columnWidths) payload.PutI32(width);
}

bool ReadInt(datafile::PayloadReader& payload, int& value) {
    int32_t read = 0;
    if (!payload.ReadI32(read)) return false;
    value = read;
    return true;
}

template <size_t N>
bool ReadInts(datafile::PayloadReader& payload, std::array<int, N>& values) {
    for (int& value : values)
        if (!ReadInt(payload, value)) return false;
    return true;
}

bool ReadLabel(datafile::PayloadReader& payload, std::string& label) {
    int32_t length = 0;
    if (!payload.ReadI32(length) || length < 0 || static_cast<uint32_t>(length) > kLongestLabel) return false;
    return payload.ReadText(static_cast<size_t>(length), label);
}

enum class Read { Kept, Skipped, Stop };

// The fields after the label; the folder decides whether the favourite is kept.
Read ReadFavourite(datafile::PayloadReader& payload, Favourite& favourite, bool& inGroup) {
    int inGroupFlag = 0;
    if (!ReadInt(payload, inGroupFlag)) return Read::Stop;
    idrecord::ListRead folder = idrecord::Read(payload, favourite.folder);
    if (folder == idrecord::ListRead::Short) return Read::Stop;
    int locked = 0, customTitle = 0;
    if (!ReadInt(payload, locked) || !ReadInt(payload, customTitle)) return Read::Stop;
    if (customTitle != 0) {
        // The title is the folder's display name again once it is open; its bytes are passed over.
        uint32_t titleLength = 0;
        if (!payload.ReadU32(titleLength) || titleLength > kLongestTitle || !payload.Skip(titleLength))
            return Read::Stop;
    }
    ListViewState& view = favourite.view;
    if (!ReadInts(payload, view.sort.directions) || !ReadInt(payload, view.sort.column) ||
        !ReadInt(payload, view.style) || !ReadInts(payload, view.columnWidths))
        return Read::Stop;
    favourite.locked = locked != 0;
    inGroup = inGroupFlag == 1;
    return folder == idrecord::ListRead::Whole ? Read::Kept : Read::Skipped;
}

}  // namespace

void EncodeTree(const std::vector<Node>& tree, datafile::PayloadWriter& payload) {
    size_t count = tree.size();
    for (const Node& node : tree)
        if (node.group) count += node.children.size();
    payload.PutI32(static_cast<int32_t>(count));
    for (const Node& node : tree) {
        if (!node.group) {
            PutFavourite(payload, node.favourite, false);
            continue;
        }
        payload.PutI32(kGroupKind);
        PutLabel(payload, node.label);
        for (const Favourite& favourite : node.children) PutFavourite(payload, favourite, true);
    }
}

std::vector<Node> DecodeTree(datafile::PayloadReader& payload) {
    std::vector<Node> tree;
    uint32_t count = 0;
    if (!payload.ReadU32(count)) return tree;
    // The index of the last group read; none yet.
    size_t currentGroup = 0;
    bool anyGroup = false;
    // Every node takes bytes, so a count that the file does not back ends with the file.
    for (uint32_t index = 0; index < count; ++index) {
        int32_t kind = 0;
        std::string label;
        if (!payload.ReadI32(kind) || (kind != kGroupKind && kind != kFavouriteKind) || !ReadLabel(payload, label))
            break;
        if (kind == kGroupKind) {
            Node group;
            group.group = true;
            group.label = std::move(label);
            tree.push_back(std::move(group));
            currentGroup = tree.size() - 1;
            anyGroup = true;
            continue;
        }
        Favourite favourite;
        favourite.label = std::move(label);
        bool inGroup = false;
        Read read = ReadFavourite(payload, favourite, inGroup);
        if (read == Read::Stop) break;
        if (read == Read::Skipped) continue;
        if (inGroup && anyGroup) {
            tree[currentGroup].children.push_back(std::move(favourite));
            continue;
        }
        Node node;
        node.favourite = std::move(favourite);
        tree.push_back(std::move(node));
    }
    return tree;
}

}  // namespace favfile
