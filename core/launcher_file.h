// The payload of launch.dat: the launcher entries as the absolute item identifier lists of their
// items, in order. No Windows header: the codec is built natively and fuzzed; the program binds
// the lists it reads back to folders and items.
#pragma once
#include <cstdint>
#include <vector>

#include "core/datafile.h"

constexpr uint32_t kLauncherFileVersion = 90;

using StoredItemList = std::vector<uint8_t>;

// The count, then each list as its size in bytes (terminator included) and its bytes.
void EncodeLauncher(const std::vector<StoredItemList>& lists, datafile::PayloadWriter& payload);

// Whether the bytes are one whole identifier list: items of at least two bytes each, chained
// from the start to a zero terminator that ends exactly at the last byte.
bool IsWholeItemList(const uint8_t* bytes, std::size_t size);

// Reads at most `count` records; the count is only a limit, never a size to allocate. A record
// whose size is more than the bytes left ends the load there, keeping the records before it. A
// record that is not a whole list, or that is the empty list (the desktop, which has no parent
// and item to split), is skipped and the load goes on with the next one.
std::vector<StoredItemList> DecodeLauncher(datafile::PayloadReader& payload);
