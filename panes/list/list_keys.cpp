// The keys of a folder list: typed characters search the names, the others are the list's
// shortcuts. The control's own handling follows unless a key is reported as handled.
#include "panes/list/list_pane.h"

#include <algorithm>
#include <string_view>

namespace {

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

LRESULT ListPane::OnListKey(WORD key) {
    bool ctrl = KeyDown(VK_CONTROL);
    bool alt = KeyDown(VK_MENU);
    if (IsSearchKey(key, ctrl, alt)) {
        TypeSearchKey(key);
        return 1;
    }
    if (!host_) return 0;
    switch (key) {
    case VK_TAB:
        if (ctrl) return host_->ShowNextTab(*this) ? 1 : 0;
        host_->MoveFocusOn(*this);
        return 1;
    case VK_RETURN:
        if (alt) RunItemCommand(ItemCommand::Properties);
        else
            OpenSelection();
        return 1;
    case VK_DELETE: RunItemCommand(ItemCommand::Delete); return 1;
    case 'C':
    case 'X':
        if (!ctrl) return 1;
        if (KeyDown(VK_SHIFT)) host_->CopyToOtherList(*this, key == 'X');
        else
            RunItemCommand(key == 'X' ? ItemCommand::Cut : ItemCommand::Copy);
        return 1;
    case 'V':
        if (!ctrl) return 0;
        RunItemCommand(ItemCommand::Paste);
        return 1;
    case VK_F2: {
        int row = SingleSelectedRow();
        if (row != -1) BeginRename(row);
        return 1;
    }
    case VK_SPACE: StepSelection(); return 1;
    case VK_BACK:
        if (ctrl) header_.ShowAncestorMenu();
        else
            host_->GoUp(*this);
        return 1;
    case VK_LEFT:
        if (!alt) return 0;
        if (ctrl) header_.ShowHistoryMenu();
        else
            host_->GoBack(*this);
        return 1;
    case 'A':
        if (!ctrl) return 0;
        SelectAll();
        return 1;
    case 'D':
        if (ctrl) host_->ToggleTwoPaneView();
        return 0;
    case 'T':
        if (ctrl) host_->ToggleTreePane();
        return 0;
    case VK_F1: host_->ShowHelp(); return 0;
    case VK_F5: Reload(); return 0;
    default: return 0;
    }
}

void ListPane::TypeSearchKey(WORD key) {
    char character = static_cast<char>(MapVirtualKeyA(key, MAPVK_VK_TO_CHAR) & 0xFF);
    search_->Type(key, character);
    KillTimer(window_, kSearchTimerId);
    SetTimer(window_, kSearchTimerId, kSearchPauseMs, nullptr);
    SearchAndSelect(search_->text, false);
}

void ListPane::EndSearch() {
    KillTimer(window_, kSearchTimerId);
    search_->End();
}

void ListPane::SearchAndSelect(const std::string& text, bool keepSelection) {
    int firstSelected =
        static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    size_t rows = std::min(model_.Count(), static_cast<size_t>(SendMessageA(window_, LVM_GETITEMCOUNT, 0, 0)));
    int row = search::FindRow(rows, firstSelected, text, [this](size_t index) { return model_.Name(index); });
    if (row < 0) return;
    if (keepSelection) {
        LVITEMA state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(window_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    } else {
        SelectOnly(row);
    }
    SendMessageA(window_, LVM_ENSUREVISIBLE, row, TRUE);
}

// With exactly one row selected, Space moves the selection on by one, from the last to the first.
void ListPane::StepSelection() {
    int row = SingleSelectedRow();
    if (row == -1) return;
    int next = search::NextRow(row, static_cast<size_t>(SendMessageA(window_, LVM_GETITEMCOUNT, 0, 0)));
    if (next == -1) return;
    SelectOnly(next);
    SendMessageA(window_, LVM_ENSUREVISIBLE, next, TRUE);
}

void ListPane::SelectOnly(int row) {
    LVITEMA cleared{};
    cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&cleared));
    LVITEMA chosen{};
    chosen.stateMask = chosen.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(window_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&chosen));
}

void ListPane::SelectAll() {
    LVITEMA all{};
    all.stateMask = all.state = LVIS_SELECTED;
    SendMessageA(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
}
