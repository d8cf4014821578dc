#include "ui/version_dialog.h"

#include <memory>

#include "res/ids.h"
#include "ui/theme.h"
#include "ui/dialog_background.h"
#include "ui/dialog_state.h"
#include "ui/title_menu.h"
#include "ui/skinned_button.h"

namespace {

constexpr int kTextField = 2001;
constexpr int kTitleButton = 2002;
constexpr int kOkButton = 2003;

const char kVersionText[] =
    "Tessary version:1.20 \r\n"
    "(C) the Tessary developers\r\n"
    "\r\n"
    " -ご利用ありがとうございます-";

// The dialog's skinned buttons live as long as the dialog.
struct VersionDialogState {
    explicit VersionDialogState(const Theme& look) : theme(look) {}
    const Theme& theme;
    std::unique_ptr<SkinnedButton> title;
    std::unique_ptr<SkinnedButton> ok;
};

void Initialise(HWND dialog, VersionDialogState& state) {
    RECT main{};
    GetWindowRect(GetWindow(dialog, GW_OWNER), &main);
    SetWindowPos(dialog, nullptr, main.left + 50, main.top + 50, 200, 150, SWP_NOZORDER);
    HWND text = CreateWindowExA(
        WS_EX_CLIENTEDGE, "EDIT", kVersionText, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 10, 25, 175, 85,
        dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextField)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(state.theme.normal13.Get()), FALSE);

    state.title = std::make_unique<SkinnedButton>(state.theme, ButtonKind::VersionTitle);
    SkinnedButton& title = *state.title;
    title.SetActions({[dialog, &title] {
        if (ChooseCloseFromTitleMenu(dialog, title)) EndDialog(dialog, 0);
    }});
    title.Place(dialog, 22, 2, kTitleButton, nullptr);
    RECT client{};
    GetClientRect(dialog, &client);
    state.ok = std::make_unique<SkinnedButton>(state.theme, ButtonKind::Ok, ButtonActions{EndDialogAction(dialog, 0)});
    state.ok->Place(dialog, 50, client.bottom - 25, kOkButton, nullptr);
}

INT_PTR CALLBACK VersionProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<VersionDialogState>(dialog, message, lParam);
    if (!state) return FALSE;
    if (message == WM_INITDIALOG) {
        Initialise(dialog, *state);
        // Giving the text the focus would select all of it and scroll to its end.
        return FALSE;
    }
    INT_PTR result = FALSE;
    if (HandleDialogGround(dialog, state->theme, state->title.get(), message, wParam, result)) return result;
    switch (message) {
    case WM_DESTROY:
        state->title.reset();
        state->ok.reset();
        return FALSE;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != kTextField) return FALSE;
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    case WM_LBUTTONDBLCLK: DragDialog(dialog); return TRUE;
    case WM_RBUTTONDOWN: EndDialog(dialog, 0); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void ShowVersionDialog(HWND mainWindow, const Theme& theme) {
    VersionDialogState state(theme);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VERSION), mainWindow, VersionProcedure,
                    reinterpret_cast<LPARAM>(&state));
}
