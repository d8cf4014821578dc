#include "dnd/dropped_items.h"

#include <cstring>
#include <utility>

#include "core/id_list_array.h"
#include "dnd/storage_medium.h"
#include "shell/clipboard_formats.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "win/global_memory.h"

namespace {

ItemIdList CopyOfSpan(const idarray::Span& span) {
    ItemIdList copy = AllocateItemList(span.size);
    if (copy) std::memcpy(copy.Get(), span.data, span.size);
    return copy;
}

}  // namespace

bool OffersItems(IDataObject* data) {
    FORMATETC format{static_cast<CLIPFORMAT>(ShellIdListFormat()), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data && data->QueryGetData(&format) == S_OK;
}

bool OffersBrokenItemArray(IDataObject* data) {
    if (!OffersItems(data)) return false;
    FORMATETC format{static_cast<CLIPFORMAT>(ShellIdListFormat()), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StorageMedium medium;
    // What cannot be had cannot be read by the shell either.
    if (FAILED(data->GetData(&format, medium.Put()))) return false;
    if (medium.Get().tymed != TYMED_HGLOBAL || !medium.Get().hGlobal) return true;
    HGLOBAL block = medium.Get().hGlobal;
    LockedGlobal locked(block);
    idarray::Parsed parsed;
    return !locked.Data() || !idarray::Parse(static_cast<const uint8_t*>(locked.Data()), GlobalSize(block), parsed);
}

bool ReadDroppedItems(IDataObject* data, DroppedItems& items) {
    items = DroppedItems();
    if (!data) return false;
    FORMATETC format{static_cast<CLIPFORMAT>(ShellIdListFormat()), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StorageMedium medium;
    if (FAILED(data->GetData(&format, medium.Put()))) return false;
    if (medium.Get().tymed != TYMED_HGLOBAL || !medium.Get().hGlobal) return false;
    HGLOBAL block = medium.Get().hGlobal;
    LockedGlobal locked(block);
    if (!locked.Data()) return false;
    idarray::Parsed parsed;
    if (!idarray::Parse(static_cast<const uint8_t*>(locked.Data()), GlobalSize(block), parsed)) return false;
    DroppedItems read;
    ItemIdList parent = CopyOfSpan(parsed.parent);
    read.parent = BindFolder(parent.Get());
    if (!read.parent) return false;
    read.children.reserve(parsed.children.size());
    for (const idarray::Span& child : parsed.children) {
        ItemIdList copy = CopyOfSpan(child);
        if (!copy) return false;
        read.children.push_back(std::move(copy));
    }
    items = std::move(read);
    return true;
}

ComPtr<IDropTarget> ShellDropTargetOf(IShellFolder* folder, PCUITEMID_CHILD child, HWND owner) {
    ComPtr<IDropTarget> target;
    if (!folder) return target;
    // Asked about a null child, the shell's folders read through the null pointer.
    HRESULT result = child ? folder->GetUIObjectOf(owner, 1, &child, IID_IDropTarget, nullptr, target.PutVoid())
                           : folder->CreateViewObject(owner, IID_IDropTarget, target.PutVoid());
    if (FAILED(result)) target.Reset();
    return target;
}
