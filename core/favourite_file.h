// favorite.dat: the favourites tree under its root, top-level groups and favourites in the tree's
// order, each group followed by its favourites. No Windows header: the folders travel as the bytes
// of their absolute identifier lists, so the codec is built natively and fuzzed; binding them to
// folders is the program's part.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/datafile.h"
#include "core/id_list_record.h"
#include "core/list_view_state.h"

namespace favfile {

constexpr uint32_t kVersion = 90;
// Labels are read into a path-sized buffer, terminator included.
constexpr size_t kLongestLabel = 259;
// No version ever wrote a custom title longer than a path buffer.
constexpr uint32_t kLongestTitle = 260;

using IdList = idrecord::IdList;

// A favourite as the tree holds it: the fields of a tab's record that the file keeps. The view
// state travels unchanged; opening a favourite does not use it.
struct Favourite {
    std::string label;
    // The whole absolute list of the favourite's folder; the desktop is the terminator alone.
    IdList folder;
    bool locked = false;
    ListViewState view;
};

// A child of the root: a group with its favourites, or a favourite of its own.
struct Node {
    bool group = false;
    // A group's name; for a favourite its label is favourite.label.
    std::string label;
    Favourite favourite;
    std::vector<Favourite> children;
};

// The node count, then the nodes: a favourite directly under the root is written with in-group
// 0, a group's favourites right after it with in-group 1; titles are never written.
void EncodeTree(const std::vector<Node>& tree, datafile::PayloadWriter& payload);

// The count only limits the nodes read. Whatever the bytes say cannot be told apart from the
// records that follow ends the load there, keeping the complete nodes before it: a file ending
// inside a node, a kind other than group or favourite, a label length that is negative or longer
// than kLongestLabel, a title longer than kLongestTitle. A favourite whose folder is not one whole
// list (its items do not end exactly at its size) is passed over, its record read to its end. A
// favourite in a group goes to the last group read, or to the root before any group.
std::vector<Node> DecodeTree(datafile::PayloadReader& payload);

}  // namespace favfile
