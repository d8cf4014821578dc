#include "shell/item_clipboard.h"

#include <cstring>
#include <string>

#include "core/dbcs_text.h"
#include "shell/item_names.h"
#include "win/system_text.h"

namespace {

class OpenedClipboard {
public:
    OpenedClipboard() : opened_(OpenClipboard(nullptr) != FALSE) {}
    ~OpenedClipboard() { if (opened_) CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool Opened() const { return opened_; }

private:
    bool opened_;
};

// A global memory block that is freed unless the clipboard has taken it over.
class GlobalBlock {
public:
    GlobalBlock(UINT flags, SIZE_T bytes) : block_(GlobalAlloc(flags, bytes)) {}
    ~GlobalBlock() { if (block_) GlobalFree(block_); }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL Get() const { return block_; }
    void HandOver() { block_ = nullptr; }

private:
    HGLOBAL block_;
};

bool WriteText(HGLOBAL block, const std::string& text) {
    void* bytes = GlobalLock(block);
    if (!bytes) return false;
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block);
    return true;
}

}  // namespace

bool CopyItemTextToClipboard(IShellFolder* folder, PCUITEMID_CHILD child, ItemText kind) {
    OpenedClipboard clipboard;
    if (!clipboard.Opened()) return false;
    // The zero fill supplies the terminator after at most 259 bytes of text.
    std::string text = FitTextBuffer(kind == ItemText::Path ? ItemPath(folder, child) : DisplayName(folder, child));
    EmptyClipboard();
    GlobalBlock block(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, dbcs::kTextBufferBytes);
    if (!block.Get() || !WriteText(block.Get(), text)) return false;
    if (!SetClipboardData(CF_TEXT, block.Get())) return false;
    block.HandOver();
    return true;
}
