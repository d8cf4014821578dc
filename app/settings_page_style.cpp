// Page 2: the backgrounds of the window and the tab bar, and the three fonts with their colours.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstdlib>

#include "app/app_context.h"
#include "app/settings_pages.h"

namespace {

const char kPatternFilter[] = "画像 (*.bmp;*.gif;*.jpg;*.jpeg)\0*.bmp;*.gif;*.jpg;*.jpeg\0";

// A font the user picks, with the colour of the text drawn in it.
struct FontRow {
    HWND name = nullptr;
    ColourSwatch* colour = nullptr;
    HWND button = nullptr;
    LOGFONTA font{};
};

class StylePage : public SettingsPage {
public:
    explicit StylePage(SettingsPageContext& context) : SettingsPage(context) {
        std::vector<std::string> patterns = PatternChoices(context.app.folder.PatternFolder());
        Group("背景", 10, 5, 370, 105);
        Label("メインウィンドウ", 22, 27, 108, 20);
        mainPattern_ = DropDown(130, 24, 150, kMainPatternChoice, patterns);
        mainColour_ = &Swatch(285, 25, 20, 20, kMainColourSwatch);
        ChooseButton("色選択", 310, 24, 60, kMainColourButton, *mainColour_);
        Label("タブバー", 22, 55, 108, 20);
        tabPattern_ = DropDown(130, 52, 150, kTabPatternChoice, patterns);
        tabColour_ = &Swatch(285, 53, 20, 20, kTabColourSwatch);
        ChooseButton("色選択", 310, 52, 60, kTabColourButton, *tabColour_);
        Button("パターン追加", 130, 80, 150, 22, kAddPatternButton);

        Group("フォント", 10, 115, 370, 145);
        MakeFontRow(tab_, "タブバー", 135, kTabFontName);
        MakeFontRow(tree_, "ツリービュー", 165, kTreeFontName);
        MakeFontRow(list_, "リストビュー", 195, kListFontName);
        outline_ = Check("文字に枠をつける", 25, 228, 150, 20, kOutlineCheck);
        outlineColour_ = &Swatch(180, 228, 40, 20, kOutlineSwatch);
    }

    void Fill(const SettingsDraft& draft) override {
        const Settings& s = draft.settings;
        SelectText(mainPattern_, s.mainPattern);
        mainColour_->SetColour(static_cast<COLORREF>(s.backgroundMain));
        SelectText(tabPattern_, s.tabPattern);
        tabColour_->SetColour(static_cast<COLORREF>(s.backgroundTab));
        ShowFont(tab_, draft.fonts.tab, s.tabTextColour);
        ShowFont(tree_, draft.fonts.tree, s.treeTextColour);
        ShowFont(list_, draft.fonts.list, s.listTextColour);
        SetChecked(outline_, s.tabTextOutline != 0);
        outlineColour_->SetColour(static_cast<COLORREF>(s.tabOutlineColour));
    }

    void Read(SettingsDraft& draft) const override {
        Settings& s = draft.settings;
        if (SelectedIndex(mainPattern_) != -1) s.mainPattern = SelectedText(mainPattern_);
        s.backgroundMain = static_cast<int>(mainColour_->Colour());
        if (SelectedIndex(tabPattern_) != -1) s.tabPattern = SelectedText(tabPattern_);
        s.backgroundTab = static_cast<int>(tabColour_->Colour());
        draft.fonts.tab = tab_.font;
        draft.fonts.tree = tree_.font;
        draft.fonts.list = list_.font;
        s.tabTextColour = static_cast<int>(tab_.colour->Colour());
        s.treeTextColour = static_cast<int>(tree_.colour->Colour());
        s.listTextColour = static_cast<int>(list_.colour->Colour());
        s.tabTextOutline = Checked(outline_) ? 1 : 0;
        s.tabOutlineColour = static_cast<int>(outlineColour_->Colour());
    }

    bool OnCommand(HWND control, int id, int code) override {
        if (code == BN_CLICKED) {
            for (FontRow* row : {&tab_, &tree_, &list_})
                if (control == row->button) {
                    ChooseRowFont(*row);
                    return true;
                }
            if (id == kAddPatternButton) {
                AddPattern();
                return true;
            }
        }
        bool handled = SettingsPage::OnCommand(control, id, code);
        // A colour chosen for a background is shown by the plain-colour pattern.
        if (handled && (id == kMainColourSwatch || id == kMainColourButton)) SelectText(mainPattern_, kPatternCustom);
        if (handled && (id == kTabColourSwatch || id == kTabColourButton)) SelectText(tabPattern_, kPatternCustom);
        return handled;
    }

    void OnPatternAdded(const std::string& name) override {
        for (HWND choice : {mainPattern_, tabPattern_}) AddEntryOnce(choice, name);
    }

private:
    void MakeFontRow(FontRow& row, const char* title, int y, int nameId) {
        Label(title, 25, y + 2, 80, 20);
        row.name = Label("", 105, y, 175, 20, nameId, SS_SUNKEN | SS_CENTERIMAGE);
        row.colour = &Swatch(285, y, 20, 20, nameId + 1);
        row.button = Button("フォント", 310, y - 1, 60, 22, nameId + 2);
    }

    static void ShowFont(FontRow& row, const LOGFONTA& font, int colour) {
        row.font = font;
        row.colour->SetColour(static_cast<COLORREF>(colour));
        char text[LF_FACESIZE + 32];
        // Widened first: a damaged fontdata.dat may hold the lowest height, which has no positive twin.
        std::snprintf(text, sizeof text, "%.*s %lld", LF_FACESIZE, font.lfFaceName,
                      std::llabs(static_cast<long long>(font.lfHeight)));
        SetWindowTextA(row.name, text);
    }

    void ChooseRowFont(FontRow& row) {
        LOGFONTA font = row.font;
        CHOOSEFONTA choice{};
        choice.lStructSize = sizeof choice;
        choice.hwndOwner = context_.dialog;
        choice.lpLogFont = &font;
        choice.rgbColors = row.colour->Colour();
        choice.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
        if (!ChooseFontA(&choice)) return;
        ShowFont(row, font, static_cast<int>(choice.rgbColors));
    }

    void AddPattern() {
        std::string source = ChooseFileToOpen(context_.dialog, kPatternFilter);
        if (source.empty()) return;
        std::string name = CopyIntoFolder(source, context_.app.folder.PatternFolder());
        if (name.empty()) return;
        // Every page with a pattern choice hears of it through the dialog, this one included.
        SendMessageA(context_.dialog, kPatternAddedMessage, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }

    HWND mainPattern_, tabPattern_, outline_;
    ColourSwatch *mainColour_, *tabColour_, *outlineColour_;
    FontRow tab_, tree_, list_;
};

}  // namespace

std::unique_ptr<SettingsPage> MakeStylePage(SettingsPageContext& context) {
    return std::make_unique<StylePage>(context);
}
