// An identifier list as the data files keep it: its byte count, then its bytes, terminator
// included. Shared by every file that stores lists; the lists stay bytes, checked with idlayout.
#pragma once
#include <cstdint>
#include <vector>

#include "core/datafile.h"

namespace idrecord {

using IdList = std::vector<uint8_t>;

enum class ListRead {
    Whole,
    // The bytes were there but are not one whole list; the reader passed over them.
    Unusable,
    // The count or the bytes run past the end.
    Short,
};

// Allocates only once the bytes are known to be there; the list is empty unless Whole.
ListRead Read(datafile::PayloadReader& payload, IdList& list);
void Put(datafile::PayloadWriter& payload, const IdList& list);

}  // namespace idrecord
