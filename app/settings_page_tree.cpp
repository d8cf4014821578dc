// Page 5: the folder tree follows the list, and whether it colours its items.
#include "app/settings_pages.h"

namespace {

class TreePage : public SettingsPage {
public:
    explicit TreePage(SettingsPageContext& context) : SettingsPage(context) {
        Group("ツリービュー", 10, 5, 370, 50);
        sync_ = Check("リストビューと同期する", 25, 25, 300, 20, kTreeSyncCheck);
        Group("色分け", 10, 60, 370, 50);
        noColour_ = Check("ツリービューは色分けしない", 25, 80, 300, 20, kTreeNoColourCheck);
    }

    void Fill(const SettingsDraft& draft) override {
        SetChecked(sync_, draft.settings.treeSync != 0);
        SetChecked(noColour_, draft.settings.treeColour == 0);
    }

    void Read(SettingsDraft& draft) const override {
        draft.settings.treeSync = Checked(sync_) ? 1 : 0;
        draft.settings.treeColour = Checked(noColour_) ? 0 : 1;
    }

private:
    HWND sync_, noColour_;
};

}  // namespace

std::unique_ptr<SettingsPage> MakeTreePage(SettingsPageContext& context) { return std::make_unique<TreePage>(context); }
