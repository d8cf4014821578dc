#include "core/tree_hide_file.h"

#include <utility>

namespace treehide {

std::vector<uint8_t> EncodeFile(const std::vector<Entry>& entries) {
    datafile::PayloadWriter payload;
    if (entries.empty()) {
        payload.PutU32(0);
        return payload.Bytes();
    }
    payload.PutU32(static_cast<uint32_t>(entries.size()));
    for (const Entry& entry : entries) {
        idrecord::Put(payload, entry.parent);
        payload.PutU32(static_cast<uint32_t>(entry.children.size()));
        for (const IdList& child : entry.children) idrecord::Put(payload, child);
    }
    return datafile::Frame(kVersion, payload.Bytes());
}

std::vector<Entry> DecodeEntries(datafile::PayloadReader& payload) {
    std::vector<Entry> entries;
    uint32_t count = 0;
    if (!payload.ReadU32(count)) return entries;
    for (uint32_t index = 0; index < count; ++index) {
        Entry entry;
        idrecord::ListRead parent = idrecord::Read(payload, entry.parent);
        uint32_t children = 0;
        if (parent == idrecord::ListRead::Short || !payload.ReadU32(children)) return entries;
        for (uint32_t child = 0; child < children; ++child) {
            IdList list;
            idrecord::ListRead read = idrecord::Read(payload, list);
            if (read == idrecord::ListRead::Short) return entries;
            if (read == idrecord::ListRead::Whole) entry.children.push_back(std::move(list));
        }
        if (parent == idrecord::ListRead::Whole) entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace treehide
