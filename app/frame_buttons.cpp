#include "app/frame_buttons.h"

#include <memory>
#include <vector>

#include "app/chrome.h"
#include "app/main_layout.h"
#include "app/settings_file.h"
#include "app/window_menus.h"
#include "ui/skinned_button.h"

namespace {

enum FrameButtonId {
    kTreeId = 1120,
    kHiddenFilesId = 1121,
    kTwoPaneId = 1123,
    kTitleId = 1124,
    kTrayId = 1125,
    kMaximiseId = 1126,
    kPropertiesId = 1127,
    kFavouritesId = 1128,
};
constexpr int kLeftColumnX = 3;

struct FrameButtons {
    std::unique_ptr<SkinnedButton> title, close, tray, maximise;
    std::unique_ptr<SkinnedButton> tree, favourites, hiddenFiles, tips, twoPane, gestures, properties;

    std::vector<SkinnedButton*> WindowButtons() const { return {tray.get(), maximise.get(), close.get()}; }
    std::vector<SkinnedButton*> All() const {
        return {title.get(), close.get(), tray.get(), maximise.get(), tree.get(), favourites.get(),
                hiddenFiles.get(), tips.get(), twoPane.get(), gestures.get(), properties.get()};
    }
    std::vector<SkinnedButton*> ModeButtons() const {
        return {tree.get(), favourites.get(), hiddenFiles.get(), tips.get(), twoPane.get(), gestures.get()};
    }
};

FrameButtons g_buttons;

std::unique_ptr<SkinnedButton> Make(ButtonKind kind, ButtonActions actions, HWND parent, int x, int y, int id,
                                    const char* tooltip) {
    auto button = std::make_unique<SkinnedButton>(kind, std::move(actions));
    button->Place(parent, x, y, id, tooltip);
    return button;
}

std::unique_ptr<SkinnedButton> ModeButton(ButtonKind kind, HWND parent, int y, int id, const char* tooltip,
                                          std::function<void()> click, std::function<bool()> on,
                                          std::function<void()> rightPress = nullptr) {
    ButtonActions actions;
    actions.click = std::move(click);
    actions.rightPress = std::move(rightPress);
    if (on) actions.state = [on] { return OnOffState(on()); };
    return Make(kind, std::move(actions), parent, kLeftColumnX, y, id, tooltip);
}

void Show(SkinnedButton* button, bool shown) {
    if (button && button->Window()) ShowWindow(button->Window(), shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

void CreateFrameButtons(HWND mainWindow) {
    ButtonActions title;
    title.click = [mainWindow] {
        POINT at = g_buttons.title->BottomLeftOnScreen();
        ShowWindowMenu(mainWindow, at.x, at.y);
    };
    title.rightPress = [mainWindow] {
        POINT at = g_buttons.title->BottomLeftOnScreen();
        ShowCaptionMenu(mainWindow, at.x, at.y);
    };
    g_buttons.title = Make(ButtonKind::Title, std::move(title), mainWindow, 25, 1, kTitleId, "Tessary");

    RECT client;
    GetClientRect(mainWindow, &client);
    g_buttons.close = Make(ButtonKind::Close, {DestroyWindowAction(mainWindow), nullptr, nullptr}, mainWindow,
                           client.right - 26, client.top + 1, kTitleId, "閉じる");
    g_buttons.tray = Make(ButtonKind::Tray, {[mainWindow] { HideToTray(mainWindow); }, nullptr, nullptr}, mainWindow,
                          client.right - 60, client.top + 1, kTrayId, "タスクトレイに入れる");
    g_buttons.maximise = Make(ButtonKind::Maximise,
                              {[mainWindow] {
                                   ToggleMaximise(mainWindow);
                                   RefreshMaximiseButton();
                               },
                               nullptr, nullptr},
                              mainWindow, client.right - 43, client.top + 1, kMaximiseId, "最大化");

    g_buttons.tree = ModeButton(ButtonKind::TreeToggle, mainWindow, 70, kTreeId, "ツリービュー表示／非表示",
                                [mainWindow] { ToggleTreeMode(mainWindow); },
                                [] { return g_layout.modes.mode == layout::kTree; });
    g_buttons.favourites = ModeButton(ButtonKind::FavouritesToggle, mainWindow, 95, kFavouritesId,
                                      "お気に入り 表示／非表示", [mainWindow] { ToggleFavouritesMode(mainWindow); },
                                      [] { return g_layout.modes.mode == layout::kFavourites; });
    g_buttons.hiddenFiles = ModeButton(ButtonKind::HiddenFilesToggle, mainWindow, 120, kHiddenFilesId,
                                       "隠しファイル表示／非表示",
                                       [] {
                                           ToggleHiddenFiles();
                                           RefreshModeButtons();
                                       },
                                       [] { return g_settings.showHidden != 0; });
    g_buttons.tips = ModeButton(ButtonKind::TipsToggle, mainWindow, 145, kHiddenFilesId,
                                "拡張ツールチップ表示／非表示",
                                [] {
                                    ToggleExtendedTips();
                                    RefreshModeButtons();
                                },
                                [] { return g_settings.extendedTips != 0; },
                                [mainWindow] {
                                    POINT at = g_buttons.tips->BottomLeftOnScreen();
                                    ShowTooltipItemsMenu(mainWindow, at.x, at.y);
                                });
    g_buttons.twoPane = ModeButton(ButtonKind::TwoPaneToggle, mainWindow, 170, kTwoPaneId, "2画面表示On／Off",
                                   [mainWindow] { ToggleTwoPaneMode(mainWindow); },
                                   [] { return g_layout.modes.mode == layout::kTwoPane; },
                                   [mainWindow] {
                                       POINT at = g_buttons.twoPane->BottomLeftOnScreen();
                                       ShowSplitDirectionMenu(mainWindow, at.x, at.y);
                                   });
    g_buttons.gestures = ModeButton(ButtonKind::GestureToggle, mainWindow, 195, kTwoPaneId,
                                    "マウスジェスチャーOn／Off", nullptr, nullptr);
    g_buttons.properties = Make(ButtonKind::Properties, {}, mainWindow, kLeftColumnX, 225, kPropertiesId,
                                "プロパティ表示");
}

void DestroyFrameButtons() { g_buttons = FrameButtons{}; }

void LayOutWindowButtons(HWND mainWindow) {
    RECT client;
    GetClientRect(mainWindow, &client);
    const int offsets[] = {60, 43, 26};
    std::vector<SkinnedButton*> buttons = g_buttons.WindowButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i] || !buttons[i]->Window()) continue;
        SetWindowPos(buttons[i]->Window(), nullptr, client.right - offsets[i], client.top + 1, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        InvalidateRect(buttons[i]->Window(), nullptr, FALSE);
    }
}

void HideFrameButtons() {
    for (SkinnedButton* button : g_buttons.All()) Show(button, false);
}

void ShowFrameButtons() {
    for (SkinnedButton* button : g_buttons.All()) Show(button, true);
}

void ShowWindowButtons() {
    for (SkinnedButton* button : g_buttons.WindowButtons()) Show(button, true);
}

void SetTitleActive(bool active) {
    if (!g_buttons.title) return;
    g_buttons.title->SetEnabled(active);
    UpdateWindow(g_buttons.title->Window());
}

void RefreshMaximiseButton() {
    if (g_buttons.maximise) g_buttons.maximise->UpdateLook();
}

void RefreshModeButtons() {
    for (SkinnedButton* button : g_buttons.ModeButtons())
        if (button) button->UpdateLook();
}
