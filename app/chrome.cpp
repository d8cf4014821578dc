#include "app/main_window.h"

#include <shellapi.h>

#include <cstdio>

#include "app/hotkey.h"

namespace {

constexpr int kEdgeGrip = 5;
constexpr UINT kTrayQuitCommand = 1;

}  // namespace

void MainWindow::RememberNormalRectangle() {
    RECT rect;
    GetWindowRect(window_, &rect);
    chrome_.normal = rect;
}

LRESULT MainWindow::RolledUpHitTest(LPARAM lParam) {
    RECT rect;
    GetWindowRect(window_, &rect);
    int x = static_cast<short>(LOWORD(lParam));
    if (x < rect.left + kEdgeGrip) return HTLEFT;
    if (x >= rect.right - kEdgeGrip) return HTRIGHT;
    return HTCAPTION;
}

void MainWindow::ShowTrayMenu() {
    MenuHandle bar(CreateMenu());
    MenuHandle popup(CreatePopupMenu());
    if (!bar || !popup) return;
    AppendMenuA(popup.Get(), MF_STRING, kTrayQuitCommand, "Tessaryの終了");
    if (!AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Get()), "dummy")) return;
    // From here on the bar owns the popup.
    HMENU quitMenu = popup.Release();
    SetForegroundWindow(window_);
    POINT cursor;
    GetCursorPos(&cursor);
    UINT chosen = TrackPopupMenu(quitMenu, TPM_RETURNCMD, cursor.x, cursor.y, 0, window_, nullptr);
    if (chosen == kTrayQuitCommand) DestroyWindow(window_);
}

void MainWindow::ToggleMaximise() {
    if (IsZoomed(window_)) {
        ShowWindow(window_, SW_RESTORE);
        return;
    }
    if (chrome_.rolledUp) Unroll();
    RememberNormalRectangle();
    ShowWindow(window_, SW_SHOWMAXIMIZED);
}

void MainWindow::RollUp() {
    if (chrome_.rolledUp) return;
    RememberNormalRectangle();
    chrome_.rolledUp = true;
    HideAllPanes();
    ShowWindowButtons();
    RECT rect;
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, kRolledUpHeight, SWP_NOMOVE | SWP_NOZORDER);
}

void MainWindow::Unroll() {
    if (!chrome_.rolledUp) return;
    RECT rect;
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, chrome_.normal.bottom - chrome_.normal.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowAllPanes();
    chrome_.rolledUp = false;
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::HideToTray() { ShowWindow(window_, SW_HIDE); }

void MainWindow::RunFrameDoubleClick() {
    switch (context_.settings.dblclkAction) {
    case 0:
        ToggleMaximise();
        RefreshMaximiseButton();
        break;
    case 1:
        if (IsZoomed(window_)) {
            ToggleMaximise();
            RefreshMaximiseButton();
        } else {
            RollUp();
        }
        break;
    case 2: HideToTray(); break;
    case 3: DestroyWindow(window_); break;
    }
}

void MainWindow::HandleTrayCallback(WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != kTrayIconId) return;
    if (mouseMessage == WM_LBUTTONDOWN) {
        context_.sounds.PlayEventSound(SoundEvent::SHOW);
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowTrayMenu();
    }
}

void MainWindow::HandleHotKey(WPARAM hotKeyId) {
    if (static_cast<int>(hotKeyId) != kHotKeyId) return;
    if (GetForegroundWindow() == window_) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    ShowWindow(window_, IsIconic(window_) ? SW_SHOW : SW_SHOWNORMAL);
    context_.sounds.PlayEventSound(SoundEvent::SHOW);
    SetForegroundWindow(window_);
}

void MainWindow::ShowHelp() {
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof path, "%sHELP\\top.html", context_.folder.Path().c_str());
    HINSTANCE result = ShellExecuteA(window_, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        MessageBoxA(window_, "ヘルプファイルが見つかりません。", "ファイルが見つかりません", MB_ICONWARNING);
}

void MainWindow::WindowRectangleToSave(RECT& rect, bool& maximised) const {
    maximised = false;
    GetWindowRect(window_, &rect);
    if (chrome_.rolledUp) {
        rect.bottom = rect.top + (chrome_.normal.bottom - chrome_.normal.top);
    } else if (IsZoomed(window_)) {
        rect = chrome_.normal;
        maximised = true;
    }
}
