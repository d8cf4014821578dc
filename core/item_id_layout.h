// The byte layout of the shell's item identifier lists, walked without the shell: a sequence of
// items, each led by its 16-bit byte count (which counts the two count bytes too), ended by a
// zero count. The empty list, only the terminator, is the desktop.
#pragma once
#include <cstddef>

namespace idlayout {

constexpr std::size_t kTerminatorBytes = 2;

// The byte count of the item that starts here; 0 for the terminator. A count too small to
// hold itself cannot start an item, so it ends the list like the terminator does.
std::size_t ItemBytes(const unsigned char* item);

// The item after this one, or null when this one is the terminator or the last item.
const unsigned char* NextItem(const unsigned char* item);

// All bytes of the list including the terminator; 0 for null.
std::size_t ListBytes(const unsigned char* list);

// Whether size bytes hold exactly one list: every item fits, the terminator is the last two
// bytes, and no count in between is too small to hold itself. A list read from a file is
// walked by the shell without a limit, so only such a list may be handed on.
bool IsWholeList(const unsigned char* bytes, std::size_t size);

// The number of items plus one, so that the desktop has depth 1; 0 for null.
std::size_t ListDepth(const unsigned char* list);

// Where the last item starts; 0 for null and for the empty list, which have no last item.
std::size_t LastItemOffset(const unsigned char* list);

}  // namespace idlayout
