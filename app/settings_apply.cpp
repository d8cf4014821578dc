// The settings dialog opened from the properties button, and what its OK changes at once.
#include "app/hotkey.h"
#include "app/main_window.h"
#include "app/settings_dialog.h"
#include "app/translucency.h"

void MainWindow::OpenSettings() {
    SettingsDraft draft{context_.settings, context_.fonts, context_.gestures};
    if (RunSettingsDialog(window_, theme_, context_, draft, settingsPage_)) ApplySettings(draft);
    RefreshModeButtons();
}

void MainWindow::ApplySettings(const SettingsDraft& draft) {
    Settings& settings = context_.settings;
    settings = draft.settings;
    context_.fonts = draft.fonts;
    context_.gestures = draft.gestures;
    ApplyHotKeySetting(window_, settings);
    ApplyTranslucency(window_, context_.platform, settings.tranpUse != 0, settings.tranpAlpha);
    context_.sounds.LoadEventSounds();
    theme_.CreateBrushes(window_, settings, context_.folder.PatternFolder());
    tabModel_.SetDefaultStyle(settings.listDefaultStyle);
    mainList_.ApplySettings(context_.fonts.list);
    subList_.ApplySettings(context_.fonts.list);
    tree_.ApplySettings(context_.fonts.tree, static_cast<COLORREF>(settings.treeTextColour));
    tabBar_.ApplySettings(context_.fonts.tab);
    layout_.sizes.subToTheRight = settings.listDivide != 0;
    LayOut(true);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
