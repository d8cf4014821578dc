#include "core/id_list_array.h"

#include <cstring>
#include <limits>
#include <utility>

#include "core/item_id_layout.h"

namespace idarray {

namespace {

constexpr size_t kFieldBytes = 4;

uint32_t ReadField(const uint8_t* block, size_t index) {
    uint32_t value;
    std::memcpy(&value, block + index * kFieldBytes, sizeof value);
    return value;
}

void WriteField(uint8_t* block, size_t index, uint32_t value) {
    std::memcpy(block + index * kFieldBytes, &value, sizeof value);
}

bool AddSize(size_t& total, size_t more) {
    if (more > std::numeric_limits<size_t>::max() - total) return false;
    total += more;
    return true;
}

// The list that starts at offset, when one whole list starts there: its length up to and with
// its terminator. The walk never reads past the block, whatever the counts say.
bool ListAt(const uint8_t* block, size_t size, size_t offset, Span& list) {
    if (offset >= size) return false;
    size_t end = offset;
    while (size - end >= idlayout::kTerminatorBytes) {
        uint16_t count;
        std::memcpy(&count, block + end, sizeof count);
        if (count == 0) {
            size_t length = end + idlayout::kTerminatorBytes - offset;
            if (!idlayout::IsWholeList(block + offset, length)) return false;
            list.data = block + offset;
            list.size = length;
            return true;
        }
        if (count < idlayout::kTerminatorBytes || count > size - end) return false;
        end += count;
    }
    return false;
}

}  // namespace

std::vector<uint8_t> Build(const uint8_t* parent, size_t parentSize, const std::vector<Span>& children) {
    if (!parent || parentSize < idlayout::kTerminatorBytes || children.empty()) return {};
    size_t count = children.size();
    if (count > (std::numeric_limits<size_t>::max() / kFieldBytes) - 2) return {};
    size_t total = kFieldBytes * (count + 2);
    if (!AddSize(total, parentSize)) return {};
    for (const Span& child : children) {
        if (!child.data || child.size < idlayout::kTerminatorBytes || !AddSize(total, child.size)) return {};
    }
    // The count and every offset are 32-bit fields, so the last list must start within their reach.
    if (total - children.back().size > std::numeric_limits<uint32_t>::max()) return {};

    std::vector<uint8_t> block(total);
    WriteField(block.data(), 0, static_cast<uint32_t>(count));
    size_t at = kFieldBytes * (count + 2);
    WriteField(block.data(), 1, static_cast<uint32_t>(at));
    std::memcpy(block.data() + at, parent, parentSize);
    at += parentSize;
    for (size_t i = 0; i < count; ++i) {
        WriteField(block.data(), i + 2, static_cast<uint32_t>(at));
        std::memcpy(block.data() + at, children[i].data, children[i].size);
        at += children[i].size;
    }
    return block;
}

bool Parse(const uint8_t* block, size_t size, Parsed& out) {
    out = Parsed();
    if (!block || size < kFieldBytes) return false;
    size_t count = ReadField(block, 0);
    if (count == 0) return false;
    // The count, the parent's offset and the children's offsets, without overflowing on the way.
    size_t fields = size / kFieldBytes;
    if (fields < 2 || count > fields - 2) return false;
    Parsed parsed;
    if (!ListAt(block, size, ReadField(block, 1), parsed.parent)) return false;
    parsed.children.resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (!ListAt(block, size, ReadField(block, i + 2), parsed.children[i])) return false;
        // A child names an item of the parent: the terminator alone would name the parent itself.
        if (parsed.children[i].size <= idlayout::kTerminatorBytes) return false;
    }
    out = std::move(parsed);
    return true;
}

}  // namespace idarray
