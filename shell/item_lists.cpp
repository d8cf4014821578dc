#include "shell/item_lists.h"

#include <cstring>

#include "core/item_id_layout.h"

namespace {

const unsigned char* BytesOf(PCUIDLIST_RELATIVE list) { return reinterpret_cast<const unsigned char*>(list); }

ItemIdList CopyBytes(const unsigned char* bytes, size_t count) {
    ItemIdList copy = AllocateItemList(count + idlayout::kTerminatorBytes);
    if (copy) std::memcpy(copy.Get(), bytes, count);
    return copy;
}

}  // namespace

ItemIdList AllocateItemList(size_t bytes) {
    if (bytes == 0) return ItemIdList();
    void* memory = CoTaskMemAlloc(bytes);
    if (!memory) return ItemIdList();
    std::memset(memory, 0, bytes);
    return ItemIdList(static_cast<ITEMIDLIST*>(memory));
}

PCUIDLIST_RELATIVE NextItem(PCUIDLIST_RELATIVE item) {
    return reinterpret_cast<PCUIDLIST_RELATIVE>(idlayout::NextItem(BytesOf(item)));
}

size_t ItemListSize(PCUIDLIST_RELATIVE list) { return idlayout::ListBytes(BytesOf(list)); }

size_t ItemListDepth(PCUIDLIST_RELATIVE list) { return idlayout::ListDepth(BytesOf(list)); }

ItemIdList ConcatenateItemLists(PCUIDLIST_RELATIVE first, PCUIDLIST_RELATIVE second) {
    if (!first || !second) return ItemIdList();
    size_t firstItems = ItemListSize(first) - idlayout::kTerminatorBytes;
    size_t secondAll = ItemListSize(second);
    ItemIdList joined = AllocateItemList(firstItems + secondAll);
    if (!joined) return joined;
    unsigned char* bytes = reinterpret_cast<unsigned char*>(joined.Get());
    std::memcpy(bytes, first, firstItems);
    std::memcpy(bytes + firstItems, second, secondAll);
    return joined;
}

ItemIdList CloneItemList(PCUIDLIST_RELATIVE list) {
    if (!list) return ItemIdList();
    if (ItemListDepth(list) == 1) return SpecialFolderList(CSIDL_DESKTOP);
    return CopyBytes(BytesOf(list), ItemListSize(list) - idlayout::kTerminatorBytes);
}

ItemIdList ParentItemList(PCUIDLIST_RELATIVE list) {
    if (ItemListDepth(list) < 2) return ItemIdList();
    return CopyBytes(BytesOf(list), idlayout::LastItemOffset(BytesOf(list)));
}

ItemIdList LastItem(PCUIDLIST_RELATIVE list) {
    if (ItemListDepth(list) < 2) return ItemIdList();
    const unsigned char* last = BytesOf(list) + idlayout::LastItemOffset(BytesOf(list));
    return CopyBytes(last, idlayout::ItemBytes(last));
}

ItemIdList SpecialFolderList(int csidl) {
    ItemIdList list;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, list.Put()))) list.Reset();
    return list;
}
