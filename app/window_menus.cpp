#include "app/main_window.h"
#include "ui/image_menus.h"
#include "ui/mark_menus.h"
#include "ui/version_dialog.h"
void MainWindow::ShowWindowMenu(int x, int y) {
    const bool maximised = IsZoomed(window_) != FALSE;
    ImageMenu menu(theme_);
    if (maximised) menu.AddItem(1, "元のサイズに戻す", kMenuIconRestore);
    else
        menu.AddItem(1, "最大化", kMenuIconMaximise);
    menu.AddItem(2, "タスクトレイに入れる", kMenuIconTray);
    if (!maximised) menu.AddItem(3, chrome_.rolledUp ? "シェードを戻す" : "シェード", kMenuIconNone);
    const int closeId = maximised ? 3 : 4;
    menu.AddItem(closeId, "閉じる", kMenuIconClose);

    const int chosen = menu.Show(window_, x, y);
    if (chosen == 0) return;
    if (chosen == 1) {
        ToggleMaximise();
        RefreshMaximiseButton();
    } else if (chosen == 2) {
        HideToTray();
    } else if (chosen == closeId) {
        DestroyWindow(window_);
    } else if (chrome_.rolledUp) {
        Unroll();
    } else {
        RollUp();
    }
}

void MainWindow::ShowCaptionMenu(int x, int y) {
    ImageMenu menu(theme_);
    menu.AddItem(1, "ヘルプ", kMenuIconHelp);
    menu.AddItem(2, "バージョン情報", kMenuIconVersion);
    switch (menu.Show(window_, x, y)) {
    case 1: ShowHelp(); break;
    case 2: ShowVersionDialog(window_, theme_); break;
    default: break;
    }
}

void MainWindow::ShowSplitDirectionMenu(int x, int y) {
    const bool toTheRight = context_.settings.listDivide != 0;
    CheckMenu menu(theme_);
    menu.AddItem(1, "上下に分割", toTheRight ? 0 : 1);
    menu.AddItem(2, "左右に分割", toTheRight ? 1 : 0);
    int chosen = menu.Show(window_, x, y);
    if (chosen == 0) return;
    context_.settings.listDivide = chosen == 2 ? 1 : 0;
    layout_.sizes.subToTheRight = context_.settings.listDivide != 0;
    LayOut(true);
}

void MainWindow::ShowTooltipItemsMenu(int x, int y) {
    int Settings::*items[] = {&Settings::tipSize, &Settings::tipDate, &Settings::tipAttributes, &Settings::tipComment};
    const char* texts[] = {"サイズ", "更新日時", "属性", "コメント"};
    CheckMenu menu(theme_);
    for (int i = 0; i < 4; ++i) menu.AddItem(i + 1, texts[i], context_.settings.*items[i] ? 1 : 0);
    int chosen = menu.Show(window_, x, y);
    if (chosen >= 1 && chosen <= 4) {
        int& item = context_.settings.*items[chosen - 1];
        item = !item;
    }
}
