#include "dialogs/name_dialog.h"

#include "app/shared_gdi.h"
#include "dialogs/dialog_background.h"
#include "dialogs/dialog_text.h"

namespace {

constexpr int kNameTemplate = 147;
constexpr int kNameField = 1601;
constexpr int kExtraCommand = 1602;

struct NameDialogState {
    std::string* name;
    bool ended = false;
};

void Initialise(HWND dialog, const NameDialogState& state) {
    RECT main{};
    GetWindowRect(GetWindow(dialog, GW_OWNER), &main);
    SetWindowPos(dialog, nullptr, main.left + 50, main.top + 50, 360, 110, SWP_NOZORDER);
    HWND edit = CreateWindowExA(0, "EDIT", state.name->c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 50,
                                40, 260, 20, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNameField)),
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(g_gdi.normal13.Get()), FALSE);
    SetFocus(edit);
}

void End(HWND dialog, NameDialogState& state, int result) {
    if (result == 1) *state.name = ControlText(GetDlgItem(dialog, kNameField), kNameTextLimit);
    else state.name->clear();
    state.ended = true;
    EndDialog(dialog, result);
}

INT_PTR CALLBACK NameProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Initialise(dialog, *reinterpret_cast<NameDialogState*>(lParam));
        return FALSE;
    }
    auto* state = reinterpret_cast<NameDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!state) return FALSE;
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        PaintDialogBackground(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: End(dialog, *state, 1); break;
        case IDCANCEL: End(dialog, *state, 0); break;
        case kExtraCommand: End(dialog, *state, -1); break;
        default: break;
        }
        return TRUE;
    case WM_LBUTTONDOWN:
        DragDialog(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int RunNameDialog(HWND mainWindow, std::string& name) {
    NameDialogState state{&name};
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kNameTemplate), mainWindow,
                                     NameProcedure, reinterpret_cast<LPARAM>(&state));
    // A dialog that could not be made also reports -1, which must not read as the extra button.
    if (!state.ended) {
        name.clear();
        return 0;
    }
    return static_cast<int>(result);
}
