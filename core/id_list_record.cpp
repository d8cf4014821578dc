#include "core/id_list_record.h"

#include "core/item_id_layout.h"

namespace idrecord {

ListRead Read(datafile::PayloadReader& payload, IdList& list) {
    list.clear();
    uint32_t size = 0;
    if (!payload.ReadU32(size) || size > payload.Remaining()) return ListRead::Short;
    IdList bytes(size);
    if (!payload.ReadBytes(bytes.data(), bytes.size())) return ListRead::Short;
    if (!idlayout::IsWholeList(bytes.data(), bytes.size())) return ListRead::Unusable;
    list.swap(bytes);
    return ListRead::Whole;
}

void Put(datafile::PayloadWriter& payload, const IdList& list) {
    payload.PutU32(static_cast<uint32_t>(list.size()));
    payload.PutBytes(list.data(), list.size());
}

}  // namespace idrecord
