#include "app/window_menus.h"

#include "app/chrome.h"
#include "app/frame_buttons.h"
#include "app/main_layout.h"
#include "app/settings_file.h"
#include "ui/version_dialog.h"
#include "ui/image_menus.h"
#include "ui/mark_menus.h"
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

void ShowSplitDirectionMenu(HWND mainWindow, int x, int y) {
    const bool toTheRight = g_settings.listDivide != 0;
    CheckMenu menu;
    menu.Build();
    menu.AddItem(1, "上下に分割", toTheRight ? 0 : 1);
    menu.AddItem(2, "左右に分割", toTheRight ? 1 : 0);
    int chosen = menu.Show(mainWindow, x, y);
    if (chosen == 0) return;
    g_settings.listDivide = chosen == 2 ? 1 : 0;
    g_layout.sizes.subToTheRight = g_settings.listDivide != 0;
    LayOut(mainWindow, true);
}

void ShowTooltipItemsMenu(HWND mainWindow, int x, int y) {
    int Settings::*items[] = {&Settings::tipSize, &Settings::tipDate, &Settings::tipAttributes, &Settings::tipComment};
    const char* texts[] = {"サイズ", "更新日時", "属性", "コメント"};
    CheckMenu menu;
    menu.Build();
    for (int i = 0; i < 4; ++i) menu.AddItem(i + 1, texts[i], g_settings.*items[i] ? 1 : 0);
    int chosen = menu.Show(mainWindow, x, y);
    if (chosen >= 1 && chosen <= 4) {
        int& item = g_settings.*items[chosen - 1];
        item = !item;
    }
}
