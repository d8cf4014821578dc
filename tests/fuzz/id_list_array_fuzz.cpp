// Reads arbitrary bytes as a dropped identifier-list array. Every list that a block yields must lie
// inside the block and be whole, and the lists built into a new array must read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/id_list_array.h"
#include "core/item_id_layout.h"

namespace {

bool Inside(const idarray::Span& span, const uint8_t* data, size_t size) {
    return span.data >= data && span.size <= size && static_cast<size_t>(span.data - data) <= size - span.size;
}

bool SameBytes(const idarray::Span& a, const idarray::Span& b) {
    return a.size == b.size &&
           std::vector<uint8_t>(a.data, a.data + a.size) == std::vector<uint8_t>(b.data, b.data + b.size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the input's size, so that the sanitizer sees any read past its end.
    std::vector<uint8_t> block(data, data + size);
    idarray::Parsed parsed;
    if (!idarray::Parse(block.data(), block.size(), parsed)) return 0;
    if (parsed.children.empty()) abort();
    std::vector<const idarray::Span*> all = {&parsed.parent};
    for (const idarray::Span& child : parsed.children) all.push_back(&child);
    for (const idarray::Span* span : all) {
        if (!Inside(*span, block.data(), block.size()) || !idlayout::IsWholeList(span->data, span->size)) abort();
    }
    std::vector<uint8_t> rebuilt = idarray::Build(parsed.parent.data, parsed.parent.size, parsed.children);
    idarray::Parsed reread;
    if (!idarray::Parse(rebuilt.data(), rebuilt.size(), reread)) abort();
    if (!SameBytes(parsed.parent, reread.parent) || reread.children.size() != parsed.children.size()) abort();
    for (size_t i = 0; i < parsed.children.size(); ++i) {
        if (!SameBytes(parsed.children[i], reread.children[i])) abort();
    }
    return 0;
}
