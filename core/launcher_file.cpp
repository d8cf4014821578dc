#include "core/launcher_file.h"

#include <cstring>

#include "core/item_id_layout.h"

void EncodeLauncher(const std::vector<StoredItemList>& lists, datafile::PayloadWriter& payload) {
    payload.PutU32(static_cast<uint32_t>(lists.size()));
    for (const StoredItemList& list : lists) {
        payload.PutU32(static_cast<uint32_t>(list.size()));
        payload.PutBytes(list.data(), list.size());
    }
}

bool IsWholeItemList(const uint8_t* bytes, std::size_t size) {
    std::size_t offset = 0;
    while (size - offset >= idlayout::kTerminatorBytes) {
        uint16_t count;
        std::memcpy(&count, bytes + offset, sizeof count);
        if (count == 0) return offset + idlayout::kTerminatorBytes == size;
        // A count that cannot hold itself would never move on.
        if (count < idlayout::kTerminatorBytes) return false;
        if (count > size - offset) return false;
        offset += count;
    }
    return false;
}

std::vector<StoredItemList> DecodeLauncher(datafile::PayloadReader& payload) {
    std::vector<StoredItemList> lists;
    uint32_t count = 0;
    if (!payload.ReadU32(count)) return lists;
    for (uint32_t record = 0; record < count; ++record) {
        uint32_t size = 0;
        if (!payload.ReadU32(size) || size > payload.Remaining()) break;
        StoredItemList list(size);
        if (!payload.ReadBytes(list.data(), size)) break;
        if (size <= idlayout::kTerminatorBytes || !IsWholeItemList(list.data(), list.size())) continue;
        lists.push_back(std::move(list));
    }
    return lists;
}
