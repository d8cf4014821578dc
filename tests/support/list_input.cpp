#include "tests/support/list_input.h"

#include <commctrl.h>

#include "panes/list/list_pane.h"
#include "tests/support/test_support.h"

int RowNamed(ListPane& list, const std::string& name) {
    FolderList& model = list.Model();
    for (size_t row = 0; row < model.Count(); ++row)
        if (model.Name(row) == name) return static_cast<int>(row);
    return -1;
}

void DoubleClickRow(HWND list, int row) {
    RECT cell{};
    cell.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    POINT centre{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    POINT screen = centre;
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    LPARAM at = MAKELPARAM(centre.x, centre.y);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    PumpUntil([] { return false; }, 50);
}

void SelectRows(HWND list, const std::vector<int>& rows) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    for (size_t index = 0; index < rows.size(); ++index) {
        state.state = LVIS_SELECTED | (index == 0 ? LVIS_FOCUSED : 0);
        SendMessageA(list, LVM_SETITEMSTATE, rows[index], reinterpret_cast<LPARAM>(&state));
    }
}

void TypeInto(HWND list, WORD key) { TypeKeys(list, {}, {key}); }

void TypeKeys(HWND window, const std::vector<WORD>& held, const std::vector<WORD>& keys) {
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    SetFocus(window);
    SendKeys(held, keys);
    PumpUntil([] { return false; }, 200);
}

void SendKeys(const std::vector<WORD>& held, const std::vector<WORD>& keys) {
    std::vector<INPUT> strokes;
    auto stroke = [&strokes](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        strokes.push_back(input);
    };
    for (WORD key : held) stroke(key, 0);
    for (WORD key : keys) {
        stroke(key, 0);
        stroke(key, KEYEVENTF_KEYUP);
    }
    for (auto key = held.rbegin(); key != held.rend(); ++key) stroke(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}
