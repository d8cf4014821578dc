#include "ui/name_dialog.h"

#include <memory>

#include "res/ids.h"
#include "ui/theme.h"
#include "ui/dialog_background.h"
#include "ui/dialog_state.h"
#include "ui/dialog_text.h"
#include "ui/title_menu.h"
#include "ui/skinned_button.h"

namespace {

constexpr int kNameField = 1601;
constexpr int kExtraCommand = 1602;
constexpr int kTitleButton = 1603;
constexpr int kCloseButton = 1604;
constexpr int kOkButton = 1605;
constexpr int kExtraButton = 1606;
constexpr int kCancelButton = 1607;

struct NameDialogState {
    explicit NameDialogState(const Theme& look) : theme(look) {}
    const Theme& theme;
    std::string* name = nullptr;
    bool ended = false;
    // The skinned buttons live as long as the dialog.
    std::unique_ptr<SkinnedButton> title, close, ok, extra, cancel;
};

std::unique_ptr<SkinnedButton> PlaceButton(const Theme& theme, ButtonKind kind, std::function<void()> click,
                                           HWND dialog, int x, int y, int id) {
    auto button = std::make_unique<SkinnedButton>(theme, kind, ButtonActions{std::move(click)});
    button->Place(dialog, x, y, id, nullptr);
    return button;
}

void PlaceButtons(HWND dialog, NameDialogState& state) {
    RECT client{};
    GetClientRect(dialog, &client);
    state.title = std::make_unique<SkinnedButton>(state.theme, ButtonKind::NameTitle);
    SkinnedButton& title = *state.title;
    title.SetActions({[dialog, &title] {
        if (ChooseCloseFromTitleMenu(dialog, title)) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }});
    title.Place(dialog, 105, 2, kTitleButton, nullptr);
    // Closing is cancelling: both give 0 and an empty name.
    state.close = PlaceButton(state.theme, ButtonKind::Close, CommandAction(dialog, IDCANCEL), dialog,
                              client.right - 24, 2, kCloseButton);
    const int row = client.bottom - 25;
    state.ok = PlaceButton(state.theme, ButtonKind::Ok, CommandAction(dialog, IDOK), dialog, 20, row, kOkButton);
    state.extra = PlaceButton(state.theme, ButtonKind::Extra, CommandAction(dialog, kExtraCommand), dialog, 130, row,
                              kExtraButton);
    state.cancel =
        PlaceButton(state.theme, ButtonKind::Cancel, CommandAction(dialog, IDCANCEL), dialog, 240, row, kCancelButton);
}

void Initialise(HWND dialog, NameDialogState& state) {
    RECT main{};
    GetWindowRect(GetWindow(dialog, GW_OWNER), &main);
    SetWindowPos(dialog, nullptr, main.left + 50, main.top + 50, 360, 110, SWP_NOZORDER);
    HWND edit = CreateWindowExA(0, "EDIT", state.name->c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 50,
                                40, 260, 20, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNameField)),
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(state.theme.normal13.Get()), FALSE);
    PlaceButtons(dialog, state);
    SetFocus(edit);
}

void End(HWND dialog, NameDialogState& state, int result) {
    if (state.ended) return;
    if (result == 1) *state.name = ControlText(GetDlgItem(dialog, kNameField), kNameTextLimit);
    else
        state.name->clear();
    state.ended = true;
    EndDialog(dialog, result);
}

INT_PTR CALLBACK NameProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<NameDialogState>(dialog, message, lParam);
    if (!state) return FALSE;
    if (message == WM_INITDIALOG) {
        Initialise(dialog, *state);
        return FALSE;
    }
    INT_PTR result = FALSE;
    if (HandleDialogGround(dialog, state->theme, state->title.get(), message, wParam, result)) return result;
    switch (message) {
    case WM_DESTROY:
        for (auto* button : {&state->title, &state->close, &state->ok, &state->extra, &state->cancel}) button->reset();
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: End(dialog, *state, 1); break;
        case IDCANCEL: End(dialog, *state, 0); break;
        case kExtraCommand: End(dialog, *state, -1); break;
        default: break;
        }
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

int RunNameDialog(HWND mainWindow, const Theme& theme, std::string& name) {
    NameDialogState state(theme);
    state.name = &name;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NAME), mainWindow, NameProcedure,
                                     reinterpret_cast<LPARAM>(&state));
    // A dialog that could not be made also reports -1, which must not read as the extra button.
    if (!state.ended) {
        name.clear();
        return 0;
    }
    return static_cast<int>(result);
}
