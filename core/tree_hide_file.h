// treehide.dat: the folders erased from the folder tree, kept as entries of a parent folder's
// absolute list and the relative lists of its erased children. No Windows header: the lists travel
// as bytes, so the codec is built natively and fuzzed; whether the folders still exist is the
// program's part.
#pragma once
#include <cstdint>
#include <vector>

#include "core/datafile.h"
#include "core/id_list_record.h"

namespace treehide {

constexpr uint32_t kVersion = 90;

using IdList = idrecord::IdList;

struct Entry {
    IdList parent;
    // An entry stays when its last child is brought back; it is then written with no children.
    std::vector<IdList> children;
};

// The whole file. With no entries it is four zero bytes and no header, which reads as no file.
std::vector<uint8_t> EncodeFile(const std::vector<Entry>& entries);

// The counts only limit the records read. A file ending inside a record ends the load, keeping the
// entries completed before it. A list that is not one whole list (smaller than its terminator, or
// its items not ending exactly at its size) is passed over: such a child is dropped, and such a
// parent drops its entry.
std::vector<Entry> DecodeEntries(datafile::PayloadReader& payload);

}  // namespace treehide
