#include "shell/item_clipboard.h"

#include <cstring>
#include <string>

#include "core/dbcs_text.h"
#include "shell/item_names.h"
#include "win/global_memory.h"
#include "win/system_text.h"

namespace {

class OpenedClipboard {
public:
    OpenedClipboard() : opened_(OpenClipboard(nullptr) != FALSE) {}
    ~OpenedClipboard() {
        if (opened_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool Opened() const { return opened_; }

private:
    bool opened_;
};

bool WriteText(HGLOBAL block, const std::string& text) {
    LockedGlobal locked(block);
    if (!locked.Data()) return false;
    std::memcpy(locked.Data(), text.data(), text.size());
    return true;
}

}  // namespace

bool CopyItemTextToClipboard(IShellFolder* folder, PCUITEMID_CHILD child, ItemText kind) {
    OpenedClipboard clipboard;
    if (!clipboard.Opened()) return false;
    // The zero fill supplies the terminator after at most 259 bytes of text.
    std::string text = FitTextBuffer(kind == ItemText::Path ? ItemPath(folder, child) : DisplayName(folder, child));
    EmptyClipboard();
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, dbcs::kTextBufferBytes));
    if (!block || !WriteText(block.Get(), text)) return false;
    if (!SetClipboardData(CF_TEXT, block.Get())) return false;
    // The clipboard owns the block from here on.
    block.Release();
    return true;
}
