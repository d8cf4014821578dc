#include "app/window_menus.h"

#include "app/chrome.h"
#include "app/frame_buttons.h"
#include "dialogs/version_dialog.h"
#include "ui/image_menus.h"
#include "ui/menu_look.h"

void ShowWindowMenu(HWND mainWindow, int x, int y) {
    const bool maximised = IsZoomed(mainWindow) != FALSE;
    ImageMenu menu;
    menu.Build();
    if (maximised) menu.AddItem(1, "元のサイズに戻す", kMenuIconRestore);
    else menu.AddItem(1, "最大化", kMenuIconMaximise);
    menu.AddItem(2, "タスクトレイに入れる", kMenuIconTray);
    if (!maximised) menu.AddItem(3, g_chrome.rolledUp ? "シェードを戻す" : "シェード", kMenuIconNone);
    const int closeId = maximised ? 3 : 4;
    menu.AddItem(closeId, "閉じる", kMenuIconClose);

    const int chosen = menu.Show(mainWindow, x, y);
    if (chosen == 0) return;
    if (chosen == 1) {
        ToggleMaximise(mainWindow);
        RefreshMaximiseButton();
    } else if (chosen == 2) {
        HideToTray(mainWindow);
    } else if (chosen == closeId) {
        DestroyWindow(mainWindow);
    } else if (g_chrome.rolledUp) {
        Unroll(mainWindow);
    } else {
        RollUp(mainWindow);
    }
}

void ShowCaptionMenu(HWND mainWindow, int x, int y) {
    ImageMenu menu;
    menu.Build();
    menu.AddItem(1, "ヘルプ", kMenuIconHelp);
    menu.AddItem(2, "バージョン情報", kMenuIconVersion);
    switch (menu.Show(mainWindow, x, y)) {
    case 1: ShowHelp(mainWindow); break;
    case 2: ShowVersionDialog(mainWindow); break;
    default: break;
    }
}
