// Page 7: how renaming selects the name, and the mouse gestures.
#include "app/settings_pages.h"

namespace {

class RenamePage : public SettingsPage {
public:
    explicit RenamePage(SettingsPageContext& context) : SettingsPage(context) {
        Group("リネーム方法", 15, 5, 360, 50);
        splits_ = Check("ファイル名と拡張子を分ける", 37, 25, 300, 20, kRenameSplitsCheck);
    }

    void Fill(const SettingsDraft& draft) override {
        SetChecked(splits_, draft.settings.listRenameSplitsExtension != 0);
    }

    void Read(SettingsDraft& draft) const override {
        draft.settings.listRenameSplitsExtension = Checked(splits_) ? 1 : 0;
    }

private:
    HWND splits_;
};

}  // namespace

std::unique_ptr<SettingsPage> MakeRenamePage(SettingsPageContext& context) {
    return std::make_unique<RenamePage>(context);
}
