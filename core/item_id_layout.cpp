#include "core/item_id_layout.h"

#include <cstdint>
#include <cstring>

namespace idlayout {

std::size_t ItemBytes(const unsigned char* item) {
    if (!item) return 0;
    // Items are packed, so a count may sit at an odd address.
    std::uint16_t count;
    std::memcpy(&count, item, sizeof count);
    return count < kTerminatorBytes ? 0 : count;
}

const unsigned char* NextItem(const unsigned char* item) {
    std::size_t bytes = ItemBytes(item);
    if (bytes == 0) return nullptr;
    const unsigned char* next = item + bytes;
    return ItemBytes(next) == 0 ? nullptr : next;
}

std::size_t ListBytes(const unsigned char* list) {
    if (!list) return 0;
    std::size_t total = 0;
    for (std::size_t bytes = ItemBytes(list); bytes != 0; bytes = ItemBytes(list + total)) total += bytes;
    return total + kTerminatorBytes;
}

bool IsWholeList(const unsigned char* bytes, std::size_t size) {
    if (!bytes) return false;
    std::size_t offset = 0;
    while (size - offset >= kTerminatorBytes) {
        std::uint16_t count;
        std::memcpy(&count, bytes + offset, sizeof count);
        if (count == 0) return offset + kTerminatorBytes == size;
        if (count < kTerminatorBytes || count > size - offset) return false;
        offset += count;
    }
    return false;
}

std::size_t ListDepth(const unsigned char* list) {
    if (!list) return 0;
    std::size_t depth = 1;
    for (std::size_t offset = 0, bytes = ItemBytes(list); bytes != 0; bytes = ItemBytes(list + offset)) {
        offset += bytes;
        ++depth;
    }
    return depth;
}

std::size_t LastItemOffset(const unsigned char* list) {
    std::size_t last = 0;
    for (std::size_t offset = 0, bytes = ItemBytes(list); bytes != 0; bytes = ItemBytes(list + offset)) {
        last = offset;
        offset += bytes;
    }
    return last;
}

}  // namespace idlayout
