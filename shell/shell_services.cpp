#include "shell/shell_services.h"

ShellServices::ShellServices() {
    comStarted_ = SUCCEEDED(CoInitialize(nullptr));
    oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
    SHGetDesktopFolder(desktop_.Put());
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, shortcut_.PutVoid());
    if (shortcut_) shortcut_->QueryInterface(IID_IPersistFile, shortcutFile_.PutVoid());
}

ShellServices::~ShellServices() {
    contextMenu_.Reset();
    shortcutFile_.Reset();
    shortcut_.Reset();
    desktop_.Reset();
    if (oleStarted_) OleUninitialize();
    if (comStarted_) CoUninitialize();
}

void ShellServices::SetContextMenuHandler(IContextMenu2* handler) {
    if (handler) handler->AddRef();
    contextMenu_.Reset(handler);
}

bool ShellServices::ForwardMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    IContextMenu2* handler = contextMenu_.Get();
    if (!handler) return false;
    if (message != WM_DRAWITEM && message != WM_MEASUREITEM && message != WM_INITMENUPOPUP) return false;
    handler->HandleMenuMsg(message, wParam, lParam);
    return true;
}

ComPtr<IShellFolder> DesktopFolder() {
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put()))) desktop.Reset();
    return desktop;
}
