// The shell's array of identifier lists, the form in which dragged items travel between programs:
// the number of child lists, the offset of the parent list, the offset of each child list, then
// the lists themselves, each with its terminator. Offsets count from the start of the block.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace idarray {

struct Span {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct Parsed {
    Span parent;
    std::vector<Span> children;
};

// The block for a parent list and its children, each span a whole list with its terminator. Empty
// when there are no children or the sizes do not add up in memory or in the 32-bit offsets.
std::vector<uint8_t> Build(const uint8_t* parent, size_t parentSize, const std::vector<Span>& children);

// Reads a block that any program may have dropped. False unless it holds at least one child, the
// count and its offsets fit in the block, and every offset starts one whole list inside the block
// (items of at least their own two count bytes, ended by a terminator before the block ends), and
// every child holds at least one item.
// The spans point into the block and include each list's terminator.
bool Parse(const uint8_t* block, size_t size, Parsed& out);

}  // namespace idarray
