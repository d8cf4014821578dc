#include "app/frame_buttons.h"

#include "app/main_window.h"

namespace {

constexpr int kLeftColumnX = 3;

std::unique_ptr<SkinnedButton> Make(const Theme& theme, ButtonKind kind, ButtonActions actions, HWND parent, int x,
                                    int y, int id, const char* tooltip) {
    auto button = std::make_unique<SkinnedButton>(theme, kind, std::move(actions));
    button->Place(parent, x, y, id, tooltip);
    return button;
}

std::unique_ptr<SkinnedButton> ModeButton(const Theme& theme, ButtonKind kind, HWND parent, int y, int id,
                                          const char* tooltip, std::function<void()> click, std::function<bool()> on,
                                          std::function<void()> rightPress = nullptr) {
    ButtonActions actions;
    actions.click = std::move(click);
    actions.rightPress = std::move(rightPress);
    if (on) actions.state = [on] { return OnOffState(on()); };
    return Make(theme, kind, std::move(actions), parent, kLeftColumnX, y, id, tooltip);
}

void Show(SkinnedButton* button, bool shown) {
    if (button && button->Window()) ShowWindow(button->Window(), shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

void MainWindow::CreateFrameButtons() {
    HWND mainWindow = window_;
    ButtonActions title;
    title.click = [this] {
        POINT at = buttons_.title->BottomLeftOnScreen();
        ShowWindowMenu(at.x, at.y);
    };
    title.rightPress = [this] {
        POINT at = buttons_.title->BottomLeftOnScreen();
        ShowCaptionMenu(at.x, at.y);
    };
    buttons_.title = Make(theme_, ButtonKind::Title, std::move(title), mainWindow, 25, 1, kTitleButtonId, "Tessary");

    RECT client;
    GetClientRect(mainWindow, &client);
    buttons_.close = Make(theme_, ButtonKind::Close, {DestroyWindowAction(mainWindow), nullptr, nullptr}, mainWindow,
                          client.right - 26, client.top + 1, kCloseButtonId, "閉じる");
    buttons_.tray = Make(theme_, ButtonKind::Tray, {[this] { HideToTray(); }, nullptr, nullptr}, mainWindow,
                         client.right - 60, client.top + 1, kTrayButtonId, "タスクトレイに入れる");
    buttons_.maximise = Make(theme_, ButtonKind::Maximise,
                             {[this] {
                                  ToggleMaximise();
                                  RefreshMaximiseButton();
                              },
                              nullptr, nullptr},
                             mainWindow, client.right - 43, client.top + 1, kMaximiseButtonId, "最大化");

    buttons_.tree = ModeButton(
        theme_, ButtonKind::TreeToggle, mainWindow, 70, kTreeButtonId, "ツリービュー表示／非表示",
        [this] { ToggleTreeMode(); }, [this] { return layout_.modes.mode == layout::kTree; });
    buttons_.favourites = ModeButton(
        theme_, ButtonKind::FavouritesToggle, mainWindow, 95, kFavouritesButtonId, "お気に入り 表示／非表示",
        [this] { ToggleFavouritesMode(); }, [this] { return layout_.modes.mode == layout::kFavourites; });
    buttons_.hiddenFiles = ModeButton(
        theme_, ButtonKind::HiddenFilesToggle, mainWindow, 120, kHiddenFilesButtonId, "隠しファイル表示／非表示",
        [this] {
            ToggleHiddenFiles();
            RefreshModeButtons();
        },
        [this] { return context_.settings.showHidden != 0; });
    buttons_.tips = ModeButton(
        theme_, ButtonKind::TipsToggle, mainWindow, 145, kTipsButtonId, "拡張ツールチップ表示／非表示",
        [this] {
            ToggleExtendedTips();
            RefreshModeButtons();
        },
        [this] { return context_.settings.extendedTips != 0; },
        [this] {
            POINT at = buttons_.tips->BottomLeftOnScreen();
            ShowTooltipItemsMenu(at.x, at.y);
        });
    buttons_.twoPane = ModeButton(
        theme_, ButtonKind::TwoPaneToggle, mainWindow, 170, kTwoPaneButtonId, "2画面表示On／Off",
        [this] { ToggleTwoPaneMode(); }, [this] { return layout_.modes.mode == layout::kTwoPane; },
        [this] {
            POINT at = buttons_.twoPane->BottomLeftOnScreen();
            ShowSplitDirectionMenu(at.x, at.y);
        });
    buttons_.gestures = ModeButton(
        theme_, ButtonKind::GestureToggle, mainWindow, 195, kGesturesButtonId, "マウスジェスチャーOn／Off",
        [this] { ToggleGesturesOn(); }, [this] { return GesturesOn(); });
    buttons_.properties = Make(theme_, ButtonKind::Properties, {[this] { OpenSettings(); }}, mainWindow, kLeftColumnX,
                               225, kPropertiesButtonId, "プロパティ表示");
}

void MainWindow::LayOutWindowButtons() {
    RECT client;
    GetClientRect(window_, &client);
    const int offsets[] = {60, 43, 26};
    std::vector<SkinnedButton*> buttons = buttons_.WindowButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i] || !buttons[i]->Window()) continue;
        SetWindowPos(buttons[i]->Window(), nullptr, client.right - offsets[i], client.top + 1, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        InvalidateRect(buttons[i]->Window(), nullptr, FALSE);
    }
}

void MainWindow::HideFrameButtons() {
    for (SkinnedButton* button : buttons_.All()) Show(button, false);
}

void MainWindow::ShowFrameButtons() {
    for (SkinnedButton* button : buttons_.All()) Show(button, true);
}

void MainWindow::ShowWindowButtons() {
    for (SkinnedButton* button : buttons_.WindowButtons()) Show(button, true);
}

void MainWindow::SetTitleActive(bool active) {
    if (!buttons_.title) return;
    buttons_.title->SetEnabled(active);
    UpdateWindow(buttons_.title->Window());
}

void MainWindow::RefreshMaximiseButton() {
    if (buttons_.maximise) buttons_.maximise->UpdateLook();
}

void MainWindow::RefreshModeButtons() {
    for (SkinnedButton* button : buttons_.ModeButtons())
        if (button) button->UpdateLook();
}
