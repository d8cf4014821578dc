#include "dnd/format_enumerator.h"

#include <algorithm>
#include <new>
#include <utility>

ComPtr<IEnumFORMATETC> FormatEnumerator::Create(const std::vector<const FORMATETC*>& formats, size_t capacity) {
    ComPtr<IEnumFORMATETC> made(new (std::nothrow) FormatEnumerator());
    if (made && !static_cast<FormatEnumerator*>(made.Get())->Fill(formats, capacity)) made.Reset();
    return made;
}

bool FormatEnumerator::Fill(const std::vector<const FORMATETC*>& formats, size_t capacity) {
    formats_.reserve(std::max(capacity, formats.size()));
    for (const FORMATETC* format : formats) {
        FormatDescriptor copy;
        if (!format || !copy.CopyFrom(*format)) return false;
        formats_.push_back(std::move(copy));
    }
    return true;
}

HRESULT FormatEnumerator::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IEnumFORMATETC || iid == IID_IUnknown) {
        *out = static_cast<IEnumFORMATETC*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG FormatEnumerator::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG FormatEnumerator::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT FormatEnumerator::Next(ULONG wanted, FORMATETC* out, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (wanted == 0 || !out || position_ >= formats_.size() || (!fetched && wanted != 1)) return S_FALSE;
    ULONG copied = 0;
    while (copied < wanted && position_ < formats_.size()) {
        if (!formats_[position_].CopyTo(out[copied])) break;
        ++copied;
        ++position_;
    }
    if (fetched) *fetched = copied;
    return copied == wanted ? S_OK : S_FALSE;
}

HRESULT FormatEnumerator::Skip(ULONG count) {
    size_t left = formats_.size() - std::min(position_, formats_.size());
    if (left == 0) return count == 0 ? S_OK : S_FALSE;
    size_t skipped = std::min<size_t>(count, left);
    position_ += skipped;
    return skipped == count ? S_OK : S_FALSE;
}

HRESULT FormatEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT FormatEnumerator::Clone(IEnumFORMATETC** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    std::vector<const FORMATETC*> formats;
    formats.reserve(formats_.size());
    for (const FormatDescriptor& format : formats_) formats.push_back(&format.Get());
    ComPtr<IEnumFORMATETC> clone = Create(formats, formats_.capacity());
    if (!clone) return E_OUTOFMEMORY;
    static_cast<FormatEnumerator*>(clone.Get())->position_ = position_;
    *out = clone.Release();
    return S_OK;
}
