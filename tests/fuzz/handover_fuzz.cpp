// Reads arbitrary bytes as the hand-over record that another process sends: the first eight bytes
// are the slot count that comes beside the record, the rest the record. Whatever is read must be
// the paths of the slots that end within themselves, in order, none of them more than the slots
// the record holds, and a record built from them must read back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/handover.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    uint64_t slotCount = 0;
    for (size_t byte = 0; byte < 8; ++byte) slotCount |= static_cast<uint64_t>(data[byte]) << (8 * byte);
    // A copy of exactly the record's size, so that the sanitizer sees any read past its end.
    std::vector<char> record(data + 8, data + size);
    std::vector<std::string> paths = handover::ReadRecord(slotCount, record.data(), record.size());
    const size_t slotsHeld = record.size() / handover::kSlotSize;
    if (slotCount > slotsHeld) {
        if (!paths.empty()) abort();
        return 0;
    }
    std::vector<std::string> expected;
    for (size_t slot = 0; slot < slotCount; ++slot) {
        const char* start = record.data() + slot * handover::kSlotSize;
        const char* end = std::find(start, start + handover::kSlotSize, '\0');
        if (end != start + handover::kSlotSize) expected.emplace_back(start, end);
    }
    if (paths != expected) abort();
    for (const std::string& path : paths)
        if (!handover::FitsSlot(path) || path.find('\0') != std::string::npos) abort();
    std::vector<char> rebuilt = handover::BuildRecord(paths);
    if (rebuilt.size() != paths.size() * handover::kSlotSize) abort();
    if (handover::ReadRecord(paths.size(), rebuilt.data(), rebuilt.size()) != paths) abort();
    return 0;
}
