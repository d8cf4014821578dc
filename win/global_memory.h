// A global memory block freed with GlobalFree.
#pragma once
#include <windows.h>

class GlobalBlock {
public:
    GlobalBlock() = default;
    explicit GlobalBlock(HGLOBAL block) : block_(block) {}
    ~GlobalBlock() { Reset(); }
    GlobalBlock(GlobalBlock&& other) noexcept : block_(other.Release()) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    HGLOBAL Get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }
    HGLOBAL Release() {
        HGLOBAL block = block_;
        block_ = nullptr;
        return block;
    }
    void Reset(HGLOBAL block = nullptr) {
        if (block_) GlobalFree(block_);
        block_ = block;
    }

private:
    HGLOBAL block_ = nullptr;
};
