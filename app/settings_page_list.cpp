// Page 6: the lists' default style, how the two-pane view splits, the selection colour, the
// thumbnail frames, the striped rows and the item tooltips.
#include <cstdlib>
#include <string>

#include "app/app_context.h"
#include "app/settings_pages.h"
#include "ui/dialog_text.h"

namespace {

// In the order of the default-style setting's values.
const std::vector<std::string> kDefaultStyles = {"アイコン", "並べて表示", "一覧", "詳細", "コメント"};
const std::vector<std::string> kDivisions = {"上下に分割", "左右に分割"};
constexpr int kDelayDigits = 5;

class ListPage : public SettingsPage {
public:
    explicit ListPage(SettingsPageContext& context) : SettingsPage(context) {
        Group("デフォルトのスタイル", 10, 5, 180, 50);
        defaultStyle_ = DropDown(25, 24, 150, kDefaultStyleChoice, kDefaultStyles);
        Group("２画面表示の分割方法", 200, 5, 180, 50);
        divide_ = DropDown(215, 24, 150, kDivideChoice, kDivisions);

        std::vector<std::string> patterns = PatternChoices(context.app.folder.PatternFolder());
        Group("リストビュー選択色", 10, 60, 370, 50);
        selectionPattern_ = DropDown(25, 79, 180, kSelectionPatternChoice, patterns);
        selectionColour_ = &Swatch(215, 80, 40, 20, kSelectionSwatch);
        ChooseButton("選択色", 265, 79, 70, kSelectionColourButton, *selectionColour_);

        Group("サムネイル", 10, 115, 370, 45);
        polaroid_ = Check("写真に枠をつける", 25, 133, 300, 20, kPolaroidCheck);

        Group("行の色分け（詳細、コメント表示のみ)", 10, 165, 370, 50);
        alternate_ = Check("1行ごとに色を分ける", 25, 185, 180, 20, kAlternateRowsCheck);
        alternateColour_ = &Swatch(215, 185, 40, 20, kAlternateSwatch);

        Group("ツールチップ", 10, 220, 370, 105);
        Label("表示する項目", 25, 240, 150, 18);
        tipSize_ = Check("サイズ", 25, 260, 80, 20, kTipSizeCheck);
        tipDate_ = Check("更新日時", 110, 260, 90, 20, kTipDateCheck);
        tipAttributes_ = Check("属性", 205, 260, 70, 20, kTipAttributesCheck);
        tipComment_ = Check("コメント", 280, 260, 90, 20, kTipCommentCheck);
        Label("表示するまでの時間", 25, 293, 140, 20);
        delay_ = Field(170, 290, 70, 22, kTipDelayField, ES_NUMBER);
        SendMessageA(delay_, EM_LIMITTEXT, kDelayDigits, 0);
        Label("ミリ秒", 245, 293, 60, 20);
    }

    void Fill(const SettingsDraft& draft) override {
        const Settings& s = draft.settings;
        SelectIndex(defaultStyle_, s.listDefaultStyle);
        SelectIndex(divide_, s.listDivide != 0 ? 1 : 0);
        SelectText(selectionPattern_, s.selPattern);
        selectionColour_->SetColour(static_cast<COLORREF>(s.listSelColour));
        SetChecked(polaroid_, s.listPolaroid != 0);
        SetChecked(alternate_, s.listAlternateRows != 0);
        alternateColour_->SetColour(static_cast<COLORREF>(s.listAlternateColour));
        SetChecked(tipSize_, s.tipSize != 0);
        SetChecked(tipDate_, s.tipDate != 0);
        SetChecked(tipAttributes_, s.tipAttributes != 0);
        SetChecked(tipComment_, s.tipComment != 0);
        SetWindowTextA(delay_, std::to_string(s.tipDelay).c_str());
    }

    void Read(SettingsDraft& draft) const override {
        Settings& s = draft.settings;
        if (SelectedIndex(defaultStyle_) != -1) s.listDefaultStyle = SelectedIndex(defaultStyle_);
        // Any non-zero value puts the sub list to the right; one that already does is kept.
        bool toTheRight = SelectedIndex(divide_) == 1;
        if (toTheRight != (s.listDivide != 0)) s.listDivide = toTheRight ? 1 : 0;
        if (SelectedIndex(selectionPattern_) != -1) s.selPattern = SelectedText(selectionPattern_);
        s.listSelColour = static_cast<int>(selectionColour_->Colour());
        s.listPolaroid = Checked(polaroid_) ? 1 : 0;
        s.listAlternateRows = Checked(alternate_) ? 1 : 0;
        s.listAlternateColour = static_cast<int>(alternateColour_->Colour());
        s.tipSize = Checked(tipSize_) ? 1 : 0;
        s.tipDate = Checked(tipDate_) ? 1 : 0;
        s.tipAttributes = Checked(tipAttributes_) ? 1 : 0;
        s.tipComment = Checked(tipComment_) ? 1 : 0;
        std::string delay = ControlText(delay_, kDelayDigits);
        if (!delay.empty()) s.tipDelay = std::atoi(delay.c_str());
    }

    bool OnCommand(HWND control, int id, int code) override {
        bool handled = SettingsPage::OnCommand(control, id, code);
        if (handled && (id == kSelectionSwatch || id == kSelectionColourButton))
            SelectText(selectionPattern_, kPatternCustom);
        return handled;
    }

    void OnPatternAdded(const std::string& name) override { AddEntryOnce(selectionPattern_, name); }

private:
    HWND defaultStyle_, divide_, selectionPattern_, polaroid_, alternate_;
    HWND tipSize_, tipDate_, tipAttributes_, tipComment_, delay_;
    ColourSwatch *selectionColour_, *alternateColour_;
};

}  // namespace

std::unique_ptr<SettingsPage> MakeListPage(SettingsPageContext& context) { return std::make_unique<ListPage>(context); }
