#include "tests/dnd/dnd_test_support.h"

#include <cstring>

#include "dnd/drag_items.h"
#include "dnd/storage_medium.h"
#include "shell/folder_binding.h"
#include "tests/shell/shell_test_fixture.h"
#include "win/global_memory.h"

DragRequest RequestFor(const std::string& folder, const std::vector<std::string>& names, HWND source) {
    DragRequest request;
    ComPtr<IShellFolder> bound = BindFolder(ShellListOf(folder).Get());
    std::vector<ItemIdList> items;
    std::vector<PCUITEMID_CHILD> children;
    for (const std::string& name : names) {
        ItemIdList absolute = ShellListOf(folder + "\\" + name);
        items.push_back(absolute ? LastItem(absolute.Get()) : ItemIdList());
        children.push_back(items.back().Get());
    }
    if (bound) MakeDragRequest(source, bound.Get(), children, request);
    return request;
}

std::vector<uint8_t> OfferedBytes(IDataObject* data, CLIPFORMAT format, HGLOBAL* handed) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StorageMedium medium;
    if (!data || FAILED(data->GetData(&wanted, medium.Put())) || medium.Get().tymed != TYMED_HGLOBAL) return {};
    HGLOBAL block = medium.Get().hGlobal;
    if (handed) *handed = block;
    LockedGlobal locked(block);
    if (!locked.Data()) return {};
    auto* bytes = static_cast<const uint8_t*>(locked.Data());
    return std::vector<uint8_t>(bytes, bytes + GlobalSize(block));
}

std::vector<uint8_t> BytesOf(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

HRESULT CountingUnknown::QueryInterface(REFIID iid, void** out) {
    if (iid != IID_IUnknown) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    *out = this;
    AddRef();
    return S_OK;
}

bool BlockIsLive(HGLOBAL block) { return GlobalFlags(block) != GMEM_INVALID_HANDLE; }
