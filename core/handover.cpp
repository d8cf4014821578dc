#include "core/handover.h"

#include <cstring>

namespace handover {

bool FitsSlot(const std::string& path) { return path.size() < kSlotSize; }

std::vector<char> BuildRecord(const std::vector<std::string>& paths) {
    std::vector<char> record(paths.size() * kSlotSize, '\0');
    for (size_t i = 0; i < paths.size(); ++i) {
        if (FitsSlot(paths[i])) std::memcpy(&record[i * kSlotSize], paths[i].data(), paths[i].size());
    }
    return record;
}

std::vector<std::string> ReadRecord(uint64_t slotCount, const void* data, size_t byteCount) {
    std::vector<std::string> paths;
    if (data == nullptr || slotCount > byteCount / kSlotSize) return paths;
    const char* slots = static_cast<const char*>(data);
    for (uint64_t i = 0; i < slotCount; ++i) {
        const char* slot = slots + i * kSlotSize;
        const void* end = std::memchr(slot, '\0', kSlotSize);
        if (end == nullptr) continue;
        paths.emplace_back(slot, static_cast<const char*>(end) - slot);
    }
    return paths;
}

}  // namespace handover
