// Global memory blocks, the currency of the clipboard, of streams over memory and of sounds
// played from memory.
#pragma once
#include <windows.h>

#include "win/owners.h"

struct GlobalMemoryTraits : NullIsEmpty {
    static void Free(HGLOBAL block) { GlobalFree(block); }
};

// Freed unless handed over with Release to whatever takes ownership of it, such as the
// clipboard or a stream made over it. For a fixed block the handle is also its address.
using GlobalMemory = Owner<HGLOBAL, GlobalMemoryTraits>;

// The address of a block for as long as the object lives. Null when the block is null or has
// been discarded.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL block) : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
    ~LockedGlobal() {
        if (data_) GlobalUnlock(block_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    void* Data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};
