// Page 7: how renaming selects the name, and the mouse gestures.
#include "app/app_context.h"
#include "app/settings_pages.h"
#include "ui/gesture_editor.h"

namespace {

class RenamePage : public SettingsPage {
public:
    explicit RenamePage(SettingsPageContext& context)
        : SettingsPage(context),
          editor_(working_, [&sounds = context.app.sounds](int direction) { sounds.PlayStrokeSound(direction); }) {
        Group("リネーム方法", 15, 5, 360, 50);
        splits_ = Check("ファイル名と拡張子を分ける", 37, 25, 300, 20, kRenameSplitsCheck);
        Group("マウスジェスチャー", 15, 60, 360, 145);
        editor_.Create(context.area, context.font);
        for (HWND control : editor_.Controls()) Adopt(control, control != editor_.Label());
    }

    void Fill(const SettingsDraft& draft) override {
        SetChecked(splits_, draft.settings.listRenameSplitsExtension != 0);
        editor_.Fill(draft.gestures);
    }

    void Read(SettingsDraft& draft) const override {
        draft.settings.listRenameSplitsExtension = Checked(splits_) ? 1 : 0;
        draft.gestures = working_;
    }

private:
    HWND splits_;
    // What the editor changes; the draft gets it only when the dialog is confirmed.
    GestureRecognizer working_;
    GestureEditor editor_;
};

}  // namespace

std::unique_ptr<SettingsPage> MakeRenamePage(SettingsPageContext& context) {
    return std::make_unique<RenamePage>(context);
}
