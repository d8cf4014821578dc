#include "ui/hot_key_field.h"

#include <string>

namespace {

std::string KeyName(int virtualKey) {
    if (virtualKey == 0) return {};
    LONG scan = static_cast<LONG>(MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC)) << 16;
    if (NamedAsExtendedKey(virtualKey)) scan |= 1 << 24;
    char name[64] = {};
    int length = GetKeyNameTextA(scan, name, sizeof name);
    return std::string(name, static_cast<size_t>(length > 0 ? length : 0));
}

}  // namespace

HWND HotKeyField::Create(HWND parent, const RECT& box, int id, HFONT font) {
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, box.left, box.top,
                              box.right - box.left, box.bottom - box.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    subclass_.Attach(window_, &HotKeyField::Procedure, this);
    ShowChoice();
    return window_;
}

void HotKeyField::Set(HotKeyChoice choice) {
    choice_ = choice;
    ShowChoice();
}

void HotKeyField::ShowChoice() {
    if (window_) SetWindowTextA(window_, HotKeyText(choice_.modifiers, KeyName(choice_.key)).c_str());
}

void HotKeyField::OnKeyDown(WPARAM key, LPARAM flags) {
    // Holding a key down repeats it; only the press itself chooses.
    if (flags & (1 << 30)) return;
    Set(HotKeyFromKeyPress(static_cast<int>(key), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0));
}

void HotKeyField::OnFocusLost() {
    if (choice_.key != 0 || choice_.modifiers == 0) return;
    Set({});
}

LRESULT HotKeyField::Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<HotKeyField*>(context);
    switch (message) {
    // Enter and Escape are keys to choose too, not the dialog's OK and cancel.
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: self->OnKeyDown(wParam, lParam); return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP: return 0;
    case WM_KILLFOCUS: self->OnFocusLost(); break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
