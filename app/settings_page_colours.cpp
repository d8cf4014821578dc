// Page 3: the colours that mark read-only, hidden, system and empty items and folders.
#include "app/settings_pages.h"

namespace {

struct ItemColourKind {
    const char* title;
    int Settings::*use;
    int Settings::*colour;
};

const ItemColourKind kKinds[kItemColourKinds] = {
    {"読み込み専用", &Settings::readOnlyUse, &Settings::readOnlyColour},
    {"隠しファイル", &Settings::hiddenUse, &Settings::hiddenColour},
    {"システム", &Settings::systemUse, &Settings::systemColour},
    {"空フォルダ", &Settings::emptyFolderUse, &Settings::emptyFolderColour},
    {"フォルダ", &Settings::folderUse, &Settings::folderColour},
};

class ItemColourPage : public SettingsPage {
public:
    explicit ItemColourPage(SettingsPageContext& context) : SettingsPage(context) {
        Group("アイテムカラー", 10, 5, 370, 180);
        for (int kind = 0; kind < kItemColourKinds; ++kind) {
            int y = 27 + 30 * kind;
            int id = kItemColourFirst + 3 * kind;
            checks_[kind] = Check(kKinds[kind].title, 25, y, 150, 20, id);
            swatches_[kind] = &Swatch(185, y, 60, 20, id + 1);
            ChooseButton("色選択", 255, y - 1, 70, id + 2, *swatches_[kind]);
        }
    }

    void Fill(const SettingsDraft& draft) override {
        for (int kind = 0; kind < kItemColourKinds; ++kind) {
            SetChecked(checks_[kind], draft.settings.*kKinds[kind].use != 0);
            swatches_[kind]->SetColour(static_cast<COLORREF>(draft.settings.*kKinds[kind].colour));
        }
    }

    void Read(SettingsDraft& draft) const override {
        for (int kind = 0; kind < kItemColourKinds; ++kind) {
            draft.settings.*kKinds[kind].use = Checked(checks_[kind]) ? 1 : 0;
            draft.settings.*kKinds[kind].colour = static_cast<int>(swatches_[kind]->Colour());
        }
    }

private:
    HWND checks_[kItemColourKinds] = {};
    ColourSwatch* swatches_[kItemColourKinds] = {};
};

}  // namespace

std::unique_ptr<SettingsPage> MakeItemColourPage(SettingsPageContext& context) {
    return std::make_unique<ItemColourPage>(context);
}
