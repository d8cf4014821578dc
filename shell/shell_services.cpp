#include "shell/shell_services.h"

#include <cstdio>

namespace {

struct ShellObjects {
    ComPtr<IShellFolder> desktop;
    ComPtr<IShellLinkA> shortcut;
    ComPtr<IPersistFile> shortcutFile;
};
ShellObjects* g_shell = nullptr;

}  // namespace

void StartShellServices() {
    CoInitialize(nullptr);
    OleInitialize(nullptr);
    g_shell = new ShellObjects;
    SHGetDesktopFolder(g_shell->desktop.Put());
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, g_shell->shortcut.PutVoid());
    if (g_shell->shortcut)
        g_shell->shortcut->QueryInterface(IID_IPersistFile, g_shell->shortcutFile.PutVoid());
}

void StopShellServices() {
    if (!g_shell) return;
    delete g_shell;
    g_shell = nullptr;
    CoUninitialize();
    OleUninitialize();
}

IShellFolder* DesktopFolder() { return g_shell ? g_shell->desktop.Get() : nullptr; }

void ShowPathNotFound(const char* path) {
    char text[MAX_PATH * 2 + 128];
    std::snprintf(text, sizeof text, "\"%s\"が見つかりません。\nパスやファイル名が正しいかどうか確認してください。", path);
    MessageBoxA(nullptr, text, "ファイルが見つかりません", MB_ICONERROR);
}

ItemIdList PathToItemList(const char* path) {
    ItemIdList list;
    char withSeparator[MAX_PATH + 1];
    int length = std::snprintf(withSeparator, sizeof withSeparator, "%s\\", path);
    WCHAR wide[MAX_PATH + 1];
    bool fits = length > 0 && length <= MAX_PATH &&
                MultiByteToWideChar(CP_ACP, 0, withSeparator, -1, wide, MAX_PATH + 1) != 0;
    IShellFolder* desktop = DesktopFolder();
    if (fits && desktop) {
        ULONG eaten = 0;
        PIDLIST_RELATIVE parsed = nullptr;
        if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide, &eaten, &parsed, nullptr)) && parsed)
            list.Reset(reinterpret_cast<ITEMIDLIST*>(parsed));
    }
    if (!list) ShowPathNotFound(path);
    return list;
}

bool IsDesktopList(PCIDLIST_ABSOLUTE list) { return list == nullptr || list->mkid.cb == 0; }

bool SplitItemList(PCIDLIST_ABSOLUTE absolute, ComPtr<IShellFolder>& parent, ItemIdList& child) {
    child.Reset();
    if (IsDesktopList(absolute)) {
        IShellFolder* desktop = DesktopFolder();
        if (!desktop) return false;
        desktop->AddRef();
        parent.Reset(desktop);
        return true;
    }
    PCUITEMID_CHILD last = nullptr;
    if (FAILED(SHBindToParent(absolute, IID_IShellFolder, parent.PutVoid(), &last)) || !last) return false;
    child.Reset(reinterpret_cast<ITEMIDLIST*>(ILClone(last)));
    return static_cast<bool>(child);
}

bool IsFolderItem(IShellFolder* folder, PCUITEMID_CHILD child) {
    SFGAOF attributes = SFGAO_FOLDER;
    return SUCCEEDED(folder->GetAttributesOf(1, &child, &attributes)) && (attributes & SFGAO_FOLDER);
}
