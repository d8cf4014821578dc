// Copies of many item identifier lists kept together in large blocks: a folder of a hundred
// thousand items costs a few hundred allocations instead of one an item, and goes in one piece.
// A copy stays where it was put until the arena is cleared or destroyed; moving the arena moves
// the blocks, not the copies, so the addresses handed out stay good.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

class ItemListArena {
public:
    ItemListArena() = default;
    ItemListArena(ItemListArena&&) noexcept = default;
    ItemListArena& operator=(ItemListArena&&) noexcept = default;
    ItemListArena(const ItemListArena&) = delete;
    ItemListArena& operator=(const ItemListArena&) = delete;

    // A copy of the list, terminator included; null for null.
    const unsigned char* Add(const unsigned char* list);
    void Clear();
    // The bytes the blocks hold, used or not.
    std::size_t ReservedBytes() const;

    // Copies start on this boundary, as the allocator's own lists would.
    static constexpr std::size_t kAlignment = 8;
    // Each block holds this much; a longer list gets a block of its own.
    static constexpr std::size_t kBlockBytes = 64 * 1024;

private:
    struct Block {
        std::unique_ptr<unsigned char[]> bytes;
        std::size_t size = 0;
    };
    std::vector<Block> blocks_;
    // Where the next copy goes in the last block.
    std::size_t used_ = 0;
};
