// The enumerator of the formats that a drag's data object offers: copies of the data object's
// format descriptors, taken when it is made, and a position in them.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <vector>

#include "dnd/format_descriptor.h"
#include "win/owners.h"

class FormatEnumerator final : public IEnumFORMATETC {
public:
    // At position 0, with room for capacity descriptors; null when memory runs out.
    static ComPtr<IEnumFORMATETC> Create(const std::vector<const FORMATETC*>& formats, size_t capacity);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // Hands out copies from the position on; a single one may be asked for without a count.
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, FORMATETC* out, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    // The same descriptors at the same position.
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override;

private:
    FormatEnumerator() = default;
    ~FormatEnumerator() = default;
    bool Fill(const std::vector<const FORMATETC*>& formats, size_t capacity);

    LONG references_ = 1;
    std::vector<FormatDescriptor> formats_;
    size_t position_ = 0;
};
