// How the folder lists order and size their items, apart from the shell calls that supply the
// numbers: the folder's own comparison decides the order, and the find data the size.
#pragma once
#include <cstdint>

namespace items {

// The shell's comparison answer for two items (a negative result is a failed call), read for the
// list's direction: 0 ascending, 1 descending. A failed comparison never puts a first.
bool SortsBefore(int32_t compareResult, int direction);

// A shell may keep only 32 bits of a size in its find data and mark a larger one with all bits of
// the low half set; such an item must be looked up on the disk for its real size. Otherwise both
// halves of the find data make the size.
constexpr uint32_t kSizeTooLargeForShell = 0xFFFFFFFFu;
inline bool NeedsDiskSize(uint32_t shellLow) { return shellLow == kSizeTooLargeForShell; }
inline uint64_t CombinedSize(uint32_t high, uint32_t low) { return (static_cast<uint64_t>(high) << 32) | low; }

}  // namespace items
