#include "shell/shell_services.h"

namespace {

struct ShellObjects {
    ComPtr<IShellFolder> desktop;
    ComPtr<IShellLinkA> shortcut;
    ComPtr<IPersistFile> shortcutFile;
    ComPtr<IContextMenu2> contextMenu;
};
// Held on the heap so that nothing is released by a static destructor after COM has ended.
ShellObjects* g_shell = nullptr;

}  // namespace

void StartShellServices() {
    if (g_shell) return;
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
    g_shell->shortcutFile.Reset();
    g_shell->shortcut.Reset();
    g_shell->contextMenu.Reset();
    g_shell->desktop.Reset();
    delete g_shell;
    g_shell = nullptr;
    CoUninitialize();
    OleUninitialize();
}

IShellFolder* DesktopFolder() { return g_shell ? g_shell->desktop.Get() : nullptr; }
IShellLinkA* ShortcutLink() { return g_shell ? g_shell->shortcut.Get() : nullptr; }
IPersistFile* ShortcutFile() { return g_shell ? g_shell->shortcutFile.Get() : nullptr; }

void SetContextMenuHandler(IContextMenu2* handler) {
    if (!g_shell) return;
    if (handler) handler->AddRef();
    g_shell->contextMenu.Reset(handler);
}

IContextMenu2* ContextMenuHandler() { return g_shell ? g_shell->contextMenu.Get() : nullptr; }

bool ForwardMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    IContextMenu2* handler = ContextMenuHandler();
    if (!handler) return false;
    if (message != WM_DRAWITEM && message != WM_MEASUREITEM && message != WM_INITMENUPOPUP) return false;
    handler->HandleMenuMsg(message, wParam, lParam);
    return true;
}
