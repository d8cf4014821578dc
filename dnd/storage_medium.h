// Storage media held and copied by the data object. A medium's data belongs to whoever was given
// it, so each receiver gets a duplicate of its own that it can free without touching the others.
#pragma once
#include <windows.h>
#include <objidl.h>

// A duplicate of the medium's data of the given clipboard format in a new medium of the same type,
// sharing the release object with one more reference when there is one. Global memory, a file
// name, a bitmap or palette, a metafile picture and an enhanced metafile can be duplicated;
// E_OUTOFMEMORY for any other type or when the duplicate cannot be made, with out left empty.
HRESULT DuplicateMedium(const STGMEDIUM& from, CLIPFORMAT format, STGMEDIUM& out);

// A medium released with ReleaseStgMedium when its holder goes.
class StorageMedium {
public:
    StorageMedium() = default;
    ~StorageMedium() { Reset(); }
    StorageMedium(StorageMedium&& other) noexcept : medium_(other.medium_) { other.medium_ = STGMEDIUM{}; }
    StorageMedium& operator=(StorageMedium&& other) noexcept;
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;

    // Takes the medium over; the giver no longer frees it.
    void Take(const STGMEDIUM& medium);
    void Reset();
    const STGMEDIUM& Get() const { return medium_; }
    STGMEDIUM* Put() {
        Reset();
        return &medium_;
    }

private:
    STGMEDIUM medium_{};
};
