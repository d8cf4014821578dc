#include "ui/popup_editor.h"

#include "win/platform.h"
#include "ui/dialog_state.h"
#include "ui/dialog_text.h"

namespace {

struct EditorState {
    POINT corner;
    Platform platform;
    std::vector<EditorField> fields;
    std::vector<std::string> starts;
    // Set by the first commit or cancel; the deactivation that ending the dialog itself causes
    // must not commit a cancelled edit.
    bool done = false;
};

void Commit(HWND dialog, EditorState& state) {
    if (state.done) return;
    state.done = true;
    bool changed = false;
    for (size_t i = 0; i < state.fields.size(); ++i) {
        std::string text = ControlText(GetDlgItem(dialog, state.fields[i].control), kEditorTextLimit);
        changed = changed || text != state.starts[i];
        *state.fields[i].text = text;
    }
    EndDialog(dialog, changed ? 1 : 0);
}

void Cancel(HWND dialog, EditorState& state) {
    if (state.done) return;
    state.done = true;
    EndDialog(dialog, 0);
}

void Initialise(HWND dialog, EditorState& state) {
    SetWindowPos(dialog, nullptr, state.corner.x, state.corner.y, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOZORDER);
    for (size_t i = 0; i < state.fields.size(); ++i) {
        HWND edit = GetDlgItem(dialog, state.fields[i].control);
        SetWindowTextA(edit, state.starts[i].c_str());
        if (!state.fields[i].enabled) EnableWindow(edit, FALSE);
    }
}

INT_PTR CALLBACK EditorProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<EditorState>(dialog, message, lParam);
    if (!state) return FALSE;
    if (message == WM_INITDIALOG) {
        Initialise(dialog, *state);
        return TRUE;
    }
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) Commit(dialog, *state);
        else if (LOWORD(wParam) == IDCANCEL)
            Cancel(dialog, *state);
        return TRUE;
    case WM_NCACTIVATE:
        if (wParam) return FALSE;
        Commit(dialog, *state);
        // Leaves the frame as it is while the editor goes away.
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_WINDOWPOSCHANGING:
        // Windows 9x moves the editor without activating it instead of deactivating it.
        if (state->platform == Platform::Windows9x &&
            (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOACTIVATE))
            Commit(dialog, *state);
        return FALSE;
    default: return FALSE;
    }
}

}  // namespace

int RunPopupEditor(HWND owner, int templateId, POINT corner, const std::vector<EditorField>& fields,
                   Platform platform) {
    EditorState state;
    state.corner = corner;
    state.platform = platform;
    state.fields = fields;
    for (const EditorField& field : fields) state.starts.push_back(*field.text);
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, EditorProcedure,
                                     reinterpret_cast<LPARAM>(&state));
    return result == 1 ? 1 : 0;
}
