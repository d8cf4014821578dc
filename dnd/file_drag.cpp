#include "dnd/file_drag.h"

#include <ole2.h>

#include <cstring>
#include <utility>

#include "core/drag_blocks.h"
#include "core/id_list_array.h"
#include "dnd/drag_data_object.h"
#include "dnd/drag_source.h"
#include "shell/clipboard_formats.h"
#include "shell/item_lists.h"
#include "win/global_memory.h"
#include "win/system_text.h"

namespace {

constexpr size_t kDragFormats = 3;

GlobalMemory BlockOf(const std::vector<uint8_t>& bytes) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size()));
    if (!block) return block;
    LockedGlobal locked(block.Get());
    if (!locked.Data()) return GlobalMemory();
    std::memcpy(locked.Data(), bytes.data(), bytes.size());
    return block;
}

// The object owns the block once it has taken it; until then it is this function's to free.
bool Offer(IDataObject* data, CLIPFORMAT format, const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return false;
    GlobalMemory block = BlockOf(bytes);
    if (!block) return false;
    FORMATETC descriptor{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block.Get();
    if (FAILED(data->SetData(&descriptor, &medium, TRUE))) return false;
    block.Release();
    return true;
}

std::vector<uint8_t> IdListArrayOf(const DragRequest& request) {
    std::vector<idarray::Span> children;
    children.reserve(request.children.size());
    for (const ItemIdList& child : request.children) {
        if (!child) return {};
        children.push_back(idarray::Span{reinterpret_cast<const uint8_t*>(child.Get()), ItemListSize(child.Get())});
    }
    return idarray::Build(reinterpret_cast<const uint8_t*>(request.parent.Get()), ItemListSize(request.parent.Get()),
                          children);
}

}  // namespace

ComPtr<IDataObject> MakeDragData(const DragRequest& request) {
    if (!request.parent || request.children.empty()) return ComPtr<IDataObject>();
    std::vector<uint8_t> idArray = IdListArrayOf(request);
    if (idArray.empty()) return ComPtr<IDataObject>();
    ComPtr<IDataObject> data = DragDataObject::Create(kDragFormats);
    if (!data) return data;
    std::vector<uint8_t> text = dragblocks::TextBlock(request.paths, &IsSystemLeadByte);
    if (!text.empty()) {
        if (!Offer(data.Get(), CF_TEXT, text)) return ComPtr<IDataObject>();
        std::vector<uint8_t> files = dragblocks::FileListBlock(request.paths, &IsSystemLeadByte);
        if (!Offer(data.Get(), CF_HDROP, files)) return ComPtr<IDataObject>();
    }
    if (!Offer(data.Get(), static_cast<CLIPFORMAT>(ShellIdListFormat()), idArray)) return ComPtr<IDataObject>();
    return data;
}

void StartFileDrag(DragRequest request, const std::function<void()>& starting) {
    ComPtr<IDataObject> data = MakeDragData(request);
    if (!data) return;
    ComPtr<IDropSource> source = DragSource::Create();
    if (!source) return;
    if (starting) starting();
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
}
