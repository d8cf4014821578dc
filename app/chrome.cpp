#include "app/chrome.h"

#include <shellapi.h>

#include <cstdio>

#include "app/frame_buttons.h"
#include "app/hotkey.h"
#include "app/main_layout.h"
#include "win/program_folder.h"
#include "app/settings_file.h"
#include "app/tray.h"
#include "app/frame_paint.h"
#include "app/sounds.h"

ChromeState g_chrome;

namespace {

constexpr int kEdgeGrip = 5;
constexpr UINT kTrayQuitCommand = 1;
WNDPROC g_normalProcedure = nullptr;

void RememberNormalRectangle(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    g_chrome.normal = rect;
}

LRESULT RolledUpHitTest(HWND window, LPARAM lParam) {
    RECT rect;
    GetWindowRect(window, &rect);
    int x = static_cast<short>(LOWORD(lParam));
    if (x < rect.left + kEdgeGrip) return HTLEFT;
    if (x >= rect.right - kEdgeGrip) return HTRIGHT;
    return HTCAPTION;
}

LRESULT CALLBACK RolledUpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
    case WM_ACTIVATE:
    case WM_GETMINMAXINFO:
    case WM_COPYDATA:
    case WM_NOTIFY:
    case WM_APP + 1:
    case WM_APP + 2:
        return CallWindowProcA(g_normalProcedure, window, message, wParam, lParam);
    case WM_SIZE:
        LayOutWindowButtons(window);
        return 0;
    case WM_PAINT:
        PaintRolledUpFrame(window);
        return 0;
    case WM_NCHITTEST:
        return RolledUpHitTest(window, lParam);
    case WM_NCLBUTTONDBLCLK:
        Unroll(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void ShowTrayMenu(HWND mainWindow) {
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, kTrayQuitCommand, "Tessaryの終了");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "dummy");
    SetForegroundWindow(mainWindow);
    POINT cursor;
    GetCursorPos(&cursor);
    UINT chosen = TrackPopupMenu(GetSubMenu(bar, 0), TPM_RETURNCMD, cursor.x, cursor.y, 0, mainWindow, nullptr);
    DestroyMenu(bar);
    if (chosen == kTrayQuitCommand) DestroyWindow(mainWindow);
}

}  // namespace

void ResetChrome() {
    g_chrome = ChromeState{};
    g_normalProcedure = nullptr;
}

void ToggleMaximise(HWND mainWindow) {
    if (IsZoomed(mainWindow)) {
        ShowWindow(mainWindow, SW_RESTORE);
        return;
    }
    if (g_chrome.rolledUp) Unroll(mainWindow);
    RememberNormalRectangle(mainWindow);
    ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
}

void RollUp(HWND mainWindow) {
    if (g_chrome.rolledUp) return;
    RememberNormalRectangle(mainWindow);
    g_chrome.rolledUp = true;
    g_normalProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RolledUpProc)));
    HideAllPanes();
    ShowWindowButtons();
    RECT rect;
    GetWindowRect(mainWindow, &rect);
    SetWindowPos(mainWindow, nullptr, 0, 0, rect.right - rect.left, kRolledUpHeight, SWP_NOMOVE | SWP_NOZORDER);
}

void Unroll(HWND mainWindow) {
    if (!g_chrome.rolledUp) return;
    RECT rect;
    GetWindowRect(mainWindow, &rect);
    SetWindowPos(mainWindow, nullptr, 0, 0, rect.right - rect.left, g_chrome.normal.bottom - g_chrome.normal.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowAllPanes(mainWindow);
    g_chrome.rolledUp = false;
    SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_normalProcedure));
    InvalidateRect(mainWindow, nullptr, TRUE);
}

void HideToTray(HWND mainWindow) { ShowWindow(mainWindow, SW_HIDE); }

void RunFrameDoubleClick(HWND mainWindow) {
    switch (g_settings.dblclkAction) {
    case 0:
        ToggleMaximise(mainWindow);
        RefreshMaximiseButton();
        break;
    case 1:
        if (IsZoomed(mainWindow)) {
            ToggleMaximise(mainWindow);
            RefreshMaximiseButton();
        } else {
            RollUp(mainWindow);
        }
        break;
    case 2:
        HideToTray(mainWindow);
        break;
    case 3:
        DestroyWindow(mainWindow);
        break;
    }
}

void HandleTrayCallback(HWND mainWindow, WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != kTrayIconId) return;
    if (mouseMessage == WM_LBUTTONDOWN) {
        PlayEventSound(SoundEvent::SHOW);
        ShowWindow(mainWindow, SW_SHOW);
        SetForegroundWindow(mainWindow);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowTrayMenu(mainWindow);
    }
}

void HandleHotKey(HWND mainWindow, WPARAM hotKeyId) {
    if (static_cast<int>(hotKeyId) != kHotKeyId) return;
    if (GetForegroundWindow() == mainWindow) {
        ShowWindow(mainWindow, SW_HIDE);
        return;
    }
    ShowWindow(mainWindow, IsIconic(mainWindow) ? SW_SHOW : SW_SHOWNORMAL);
    PlayEventSound(SoundEvent::SHOW);
    SetForegroundWindow(mainWindow);
}

void ShowHelp(HWND mainWindow) {
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof path, "%sHELP\\top.html", ProgramFolder().c_str());
    HINSTANCE result = ShellExecuteA(mainWindow, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        MessageBoxA(mainWindow, "ヘルプファイルが見つかりません。", "ファイルが見つかりません", MB_ICONWARNING);
}

void WindowRectangleToSave(HWND mainWindow, RECT& rect, bool& maximised) {
    maximised = false;
    GetWindowRect(mainWindow, &rect);
    if (g_chrome.rolledUp) {
        rect.bottom = rect.top + (g_chrome.normal.bottom - g_chrome.normal.top);
    } else if (IsZoomed(mainWindow)) {
        rect = g_chrome.normal;
        maximised = true;
    }
}
