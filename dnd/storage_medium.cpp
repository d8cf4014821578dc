#include "dnd/storage_medium.h"

#include <ole2.h>

#include <cstring>
#include <cwchar>

namespace {

// The file a medium names is a task-memory string; its copy is a string too, never a handle.
LPOLESTR CopyFileName(LPCOLESTR name) {
    if (!name) return nullptr;
    size_t bytes = (std::wcslen(name) + 1) * sizeof(OLECHAR);
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (copy) std::memcpy(copy, name, bytes);
    return copy;
}

// OleDuplicateData chooses its way of copying by the clipboard format, so the format is the one
// that the medium type holds: any block of global memory is copied byte for byte.
CLIPFORMAT DuplicationFormat(DWORD tymed, CLIPFORMAT format) {
    switch (tymed) {
    case TYMED_GDI: return format == CF_PALETTE ? CF_PALETTE : CF_BITMAP;
    case TYMED_MFPICT: return CF_METAFILEPICT;
    case TYMED_ENHMF: return CF_ENHMETAFILE;
    default: return 0;
    }
}

}  // namespace

HRESULT DuplicateMedium(const STGMEDIUM& from, CLIPFORMAT format, STGMEDIUM& out) {
    out = STGMEDIUM{};
    STGMEDIUM copy{};
    copy.tymed = from.tymed;
    switch (from.tymed) {
    case TYMED_FILE:
        copy.lpszFileName = CopyFileName(from.lpszFileName);
        if (!copy.lpszFileName) return E_OUTOFMEMORY;
        break;
    case TYMED_HGLOBAL:
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        if (!from.hGlobal) return E_OUTOFMEMORY;
        copy.hGlobal = OleDuplicateData(from.hGlobal, DuplicationFormat(from.tymed, format), GMEM_MOVEABLE);
        if (!copy.hGlobal) return E_OUTOFMEMORY;
        break;
    default: return E_OUTOFMEMORY;
    }
    copy.pUnkForRelease = from.pUnkForRelease;
    if (copy.pUnkForRelease) copy.pUnkForRelease->AddRef();
    out = copy;
    return S_OK;
}

StorageMedium& StorageMedium::operator=(StorageMedium&& other) noexcept {
    if (this != &other) {
        Reset();
        medium_ = other.medium_;
        other.medium_ = STGMEDIUM{};
    }
    return *this;
}

void StorageMedium::Take(const STGMEDIUM& medium) {
    Reset();
    medium_ = medium;
}

void StorageMedium::Reset() {
    if (medium_.tymed != TYMED_NULL) ReleaseStgMedium(&medium_);
    medium_ = STGMEDIUM{};
}
