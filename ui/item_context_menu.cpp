#include "ui/item_context_menu.h"

#include "shell/context_menus.h"
#include "shell/item_clipboard.h"

namespace {

void AppendCopyEntries(HMENU menu) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kCopyNameEntry, "名前のコピー");
    AppendMenuA(menu, MF_STRING, kCopyPathEntry, "パスのコピー");
}

}  // namespace

ItemMenuResult ShowItemContextMenu(HWND window, HWND owner, ShellServices& shell, IShellFolder* folder,
                                   const std::vector<ItemIdList>& items, POINT screenPoint) {
    std::vector<PCUITEMID_CHILD> children;
    for (const ItemIdList& item : items) children.push_back(item.Get());
    ComPtr<IContextMenu> menu = ItemsContextMenu(window, folder, children);
    if (!menu) return ItemMenuResult::Nothing;
    ComPtr<IContextMenu2> handler;
    if (FAILED(menu->QueryInterface(IID_IContextMenu2, handler.PutVoid()))) {
        shell.SetContextMenuHandler(nullptr);
        return ItemMenuResult::Nothing;
    }
    // The handler stays held after the menu closes, until the next item menu replaces it.
    shell.SetContextMenuHandler(handler.Get());
    MenuHandle popup(CreatePopupMenu());
    if (!popup || FAILED(menu->QueryContextMenu(popup.Get(), 0, kFirstShellEntry, kLastShellEntry, CMF_CANRENAME)))
        return ItemMenuResult::Nothing;
    if (items.size() == 1) AppendCopyEntries(popup.Get());
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(popup.Get(), TPM_RETURNCMD | TPM_BOTTOMALIGN, screenPoint.x, screenPoint.y, 0, owner, nullptr));
    switch (chosen) {
    case 0: return ItemMenuResult::Nothing;
    case kCopyNameEntry:
    case kCopyPathEntry:
        CopyItemTextToClipboard(folder, items.front().Get(),
                                chosen == kCopyNameEntry ? ItemText::Name : ItemText::Path);
        return ItemMenuResult::Done;
    default: break;
    }
    UINT offset = chosen - kFirstShellEntry;
    if (IsVerbAt(menu.Get(), offset, "rename")) return ItemMenuResult::Rename;
    InvokeMenuOffset(menu.Get(), owner, offset, SW_SHOWNORMAL);
    return ItemMenuResult::Done;
}
