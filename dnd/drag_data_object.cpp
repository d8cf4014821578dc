#include "dnd/drag_data_object.h"

#include <new>
#include <utility>

#include "dnd/format_enumerator.h"

ComPtr<IDataObject> DragDataObject::Create(size_t capacity) {
    auto* object = new (std::nothrow) DragDataObject(capacity);
    // Room for every entry at once, so that no SetData has to grow the array.
    if (object) object->entries_.reserve(capacity);
    return ComPtr<IDataObject>(object);
}

HRESULT DragDataObject::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IDataObject || iid == IID_IUnknown) {
        *out = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG DragDataObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DragDataObject::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT DragDataObject::Find(const FORMATETC* format, const Entry*& found) const {
    found = nullptr;
    if (!format) return E_INVALIDARG;
    if (!(format->dwAspect & DVASPECT_CONTENT)) return DV_E_DVASPECT;
    for (const Entry& entry : entries_) {
        const FORMATETC& held = entry.format.Get();
        if (held.cfFormat == format->cfFormat && (held.tymed & format->tymed)) {
            found = &entry;
            return S_OK;
        }
    }
    return DV_E_FORMATETC;
}

HRESULT DragDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium) return E_INVALIDARG;
    *medium = STGMEDIUM{};
    const Entry* entry = nullptr;
    HRESULT result = Find(format, entry);
    if (FAILED(result)) return result;
    return DuplicateMedium(entry->medium.Get(), entry->format.Get().cfFormat, *medium);
}

HRESULT DragDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT DragDataObject::QueryGetData(FORMATETC* format) {
    const Entry* entry = nullptr;
    return Find(format, entry);
}

HRESULT DragDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) { return E_NOTIMPL; }

HRESULT DragDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
    if (!format || !medium) return E_INVALIDARG;
    if (entries_.size() >= capacity_) return E_OUTOFMEMORY;
    Entry entry;
    if (!entry.format.CopyFrom(*format)) return E_OUTOFMEMORY;
    if (release) {
        entry.medium.Take(*medium);
    } else {
        HRESULT duplicated = DuplicateMedium(*medium, format->cfFormat, *entry.medium.Put());
        if (FAILED(duplicated)) return duplicated;
    }
    entries_.push_back(std::move(entry));
    return S_OK;
}

HRESULT DragDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<const FORMATETC*> formats;
    formats.reserve(entries_.size());
    for (const Entry& entry : entries_) formats.push_back(&entry.format.Get());
    ComPtr<IEnumFORMATETC> enumerator = FormatEnumerator::Create(formats, capacity_);
    if (!enumerator) return E_OUTOFMEMORY;
    *out = enumerator.Release();
    return S_OK;
}

HRESULT DragDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT DragDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT DragDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }
