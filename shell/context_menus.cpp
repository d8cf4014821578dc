#include "shell/context_menus.h"

#include <cstring>

#include "shell/folder_binding.h"

namespace {

// The size of the original invocation record, without the extended fields: shells of every age
// accept it.
CMINVOKECOMMANDINFO InvocationFor(HWND owner, LPCSTR verb, int show) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.lpVerb = verb;
    info.nShow = show;
    return info;
}

}  // namespace

const char* VerbOf(ItemCommand command) {
    switch (command) {
    case ItemCommand::Properties: return "properties";
    case ItemCommand::Cut: return "cut";
    case ItemCommand::Copy: return "copy";
    case ItemCommand::Paste: return "paste";
    case ItemCommand::Delete: return "delete";
    case ItemCommand::PasteShortcut: return "pastelink";
    case ItemCommand::Open: return nullptr;
    }
    return nullptr;
}

ComPtr<IContextMenu> ItemsContextMenu(HWND owner, IShellFolder* folder, const std::vector<PCUITEMID_CHILD>& items) {
    ComPtr<IContextMenu> menu;
    if (!folder || items.empty()) return menu;
    for (PCUITEMID_CHILD item : items)
        if (!item) return menu;
    if (FAILED(folder->GetUIObjectOf(owner, static_cast<UINT>(items.size()), const_cast<PCUITEMID_CHILD*>(items.data()),
                                     IID_IContextMenu, nullptr, menu.PutVoid())))
        menu.Reset();
    return menu;
}

ComPtr<IContextMenu> FolderContextMenu(HWND owner, IShellFolder* folder) {
    ComPtr<IContextMenu> menu;
    if (!folder) return menu;
    ComPtr<IShellFolder> parent;
    ItemIdList last;
    if (!ParentAndLast(folder, parent, last)) return menu;
    if (!last) {
        if (FAILED(folder->CreateViewObject(owner, IID_IContextMenu, menu.PutVoid()))) menu.Reset();
        return menu;
    }
    return ItemsContextMenu(owner, parent.Get(), {last.Get()});
}

bool InvokeVerb(IContextMenu* menu, HWND owner, const char* verb, int show) {
    if (!menu || !verb) return false;
    CMINVOKECOMMANDINFO info = InvocationFor(owner, verb, show);
    return SUCCEEDED(menu->InvokeCommand(&info));
}

bool InvokeMenuOffset(IContextMenu* menu, HWND owner, UINT offset, int show) {
    if (!menu) return false;
    CMINVOKECOMMANDINFO info = InvocationFor(owner, MAKEINTRESOURCEA(offset), show);
    return SUCCEEDED(menu->InvokeCommand(&info));
}

bool IsVerbAt(IContextMenu* menu, UINT offset, const char* verb) {
    if (!menu) return false;
    char name[64] = {};
    if (FAILED(menu->GetCommandString(offset, GCS_VERBA, nullptr, name, sizeof name - 1))) return false;
    return _stricmp(name, verb) == 0;
}
