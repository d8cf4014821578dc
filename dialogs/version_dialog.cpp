#include "dialogs/version_dialog.h"

#include "app/shared_gdi.h"
#include "dialogs/dialog_background.h"

namespace {

constexpr int kVersionTemplate = 228;
constexpr int kTextField = 2001;

const char kVersionText[] =
    "Tessary version:1.20 \r\n"
    "(C) the Tessary developers\r\n"
    "\r\n"
    " -ご利用ありがとうございます-";

void Initialise(HWND dialog) {
    RECT main{};
    GetWindowRect(GetWindow(dialog, GW_OWNER), &main);
    SetWindowPos(dialog, nullptr, main.left + 50, main.top + 50, 200, 150, SWP_NOZORDER);
    HWND text = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", kVersionText, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY,
                                10, 25, 175, 85, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextField)),
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(g_gdi.normal13.Get()), FALSE);
}

INT_PTR CALLBACK VersionProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog);
        // Giving the text the focus would select all of it and scroll to its end.
        return FALSE;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        PaintDialogBackground(dialog);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != kTextField) return FALSE;
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        DragDialog(dialog);
        return TRUE;
    case WM_RBUTTONDOWN:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void ShowVersionDialog(HWND mainWindow) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kVersionTemplate), mainWindow, VersionProcedure, 0);
}
