#include "core/item_list_arena.h"

#include <cstring>

#include "core/item_id_layout.h"

const unsigned char* ItemListArena::Add(const unsigned char* list) {
    if (!list) return nullptr;
    std::size_t bytes = idlayout::ListBytes(list);
    std::size_t start = (used_ + kAlignment - 1) / kAlignment * kAlignment;
    if (blocks_.empty() || start + bytes > blocks_.back().size) {
        std::size_t size = bytes > kBlockBytes ? bytes : kBlockBytes;
        // Not value-initialised: only the bytes copied in are ever read or touched.
        blocks_.push_back(Block{std::unique_ptr<unsigned char[]>(new unsigned char[size]), size});
        start = 0;
    }
    unsigned char* copy = blocks_.back().bytes.get() + start;
    std::memcpy(copy, list, bytes);
    used_ = start + bytes;
    return copy;
}

void ItemListArena::Clear() {
    blocks_.clear();
    used_ = 0;
}

std::size_t ItemListArena::ReservedBytes() const {
    std::size_t total = 0;
    for (const Block& block : blocks_) total += block.size;
    return total;
}
