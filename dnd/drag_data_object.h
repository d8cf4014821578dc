// The data object that carries dragged items to their drop target: a fixed number of entries,
// each a format descriptor and the medium that holds the data in that format. Whoever asks for the
// data gets a copy of its own; the object's own media are released with its last reference.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <vector>

#include "dnd/format_descriptor.h"
#include "dnd/storage_medium.h"
#include "win/owners.h"

class DragDataObject final : public IDataObject {
public:
    // Room for that many entries, filled in order by SetData; null when memory runs out.
    static ComPtr<IDataObject> Create(size_t capacity);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    // With release the medium becomes the object's; without, the object keeps a duplicate.
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

private:
    struct Entry {
        FormatDescriptor format;
        StorageMedium medium;
    };

    explicit DragDataObject(size_t capacity) : capacity_(capacity) {}
    ~DragDataObject() = default;
    // The entry that answers a request: the first of its format whose medium type is among those
    // asked for. Target device and index are not compared.
    HRESULT Find(const FORMATETC* format, const Entry*& found) const;

    LONG references_ = 1;
    size_t capacity_;
    std::vector<Entry> entries_;
};
