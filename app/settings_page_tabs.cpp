// Page 4: the tab bar's selection colours, which tabs are remembered, the number of rows, the
// tooltips and the colour of the lock key.
#include <windows.h>
#include <commctrl.h>

#include "app/settings_pages.h"
#include "res/ids.h"
#include "win/owners.h"

namespace {

constexpr int kKeyImages[] = {IDB_LOCK_KEY_GOLD, IDB_LOCK_KEY_SILVER, IDB_LOCK_KEY_RED, IDB_LOCK_KEY_BLUE};
const char* const kKeyNames[] = {"金", "銀", "赤", "青"};
constexpr int kKeyImageWidth = 10, kKeyImageHeight = 16;
constexpr int kMostTabRows = 5;

class TabPage : public SettingsPage {
public:
    explicit TabPage(SettingsPageContext& context) : SettingsPage(context) {
        Group("タブ選択色", 10, 5, 370, 55);
        Label("主選択", 25, 30, 45, 20);
        selMain_ = &Swatch(70, 28, 45, 20, kTabMainSwatch);
        Label("副選択", 135, 30, 45, 20);
        selSub_ = &Swatch(180, 28, 45, 20, kTabSubSwatch);
        Label("追加・移動", 245, 30, 70, 20);
        selDrop_ = &Swatch(315, 28, 45, 20, kTabDropSwatch);

        Group("タブの記憶", 10, 65, 370, 90);
        remember_ = Check("終了時のタブを記憶する", 25, 83, 300, 20, kRememberTabsCheck);
        onlyLocked_ = Check("ロックされているタブのみ記憶する", 45, 105, 300, 20, kRememberOnlyLockedCheck);
        noDuplicates_ = Check("重複しているタブは記憶しない", 45, 127, 300, 20, kRememberNoDuplicatesCheck);

        std::vector<std::string> rows;
        for (int count = 1; count <= kMostTabRows; ++count) rows.push_back(std::to_string(count));
        Group("タブの最大段数", 10, 160, 180, 50);
        rows_ = DropDown(25, 180, 100, kTabRowsChoice, rows);
        Group("カギの色", 200, 160, 180, 50);
        keyImages_.Reset(ImageList_Create(kKeyImageWidth, kKeyImageHeight, ILC_COLOR24 | ILC_MASK, 4, 0));
        for (int id : kKeyImages) {
            Bitmap key(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
            ImageList_AddMasked(keyImages_.Get(), key.Get(), RGB(0, 0, 0));
        }
        keyColour_ = DropDown(215, 180, 120, kKeyColourChoice, {kKeyNames[0], kKeyNames[1], kKeyNames[2], kKeyNames[3]},
                              CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);
        for (WPARAM part : {static_cast<WPARAM>(-1), static_cast<WPARAM>(0)})
            SendMessageA(keyColour_, CB_SETITEMHEIGHT, part, kKeyImageHeight + 2);

        Group("ツールチップ", 10, 215, 370, 50);
        tipPath_ = Check("パスを表示する", 25, 235, 200, 20, kTabTipPathCheck);
    }

    void Fill(const SettingsDraft& draft) override {
        const Settings& s = draft.settings;
        selMain_->SetColour(static_cast<COLORREF>(s.tabSelMain));
        selSub_->SetColour(static_cast<COLORREF>(s.tabSelSub));
        selDrop_->SetColour(static_cast<COLORREF>(s.tabSelDrop));
        SetChecked(remember_, s.tabRemind != 0);
        SetChecked(onlyLocked_, s.tabRemindOnlyLocked != 0);
        SetChecked(noDuplicates_, s.tabRemindNotDuplicated != 0);
        SelectIndex(rows_, s.tabMaxRows - 1);
        SelectIndex(keyColour_, s.tabKeyColour);
        SetChecked(tipPath_, s.tabTipShowsPath != 0);
    }

    void Read(SettingsDraft& draft) const override {
        Settings& s = draft.settings;
        s.tabSelMain = static_cast<int>(selMain_->Colour());
        s.tabSelSub = static_cast<int>(selSub_->Colour());
        s.tabSelDrop = static_cast<int>(selDrop_->Colour());
        s.tabRemind = Checked(remember_) ? 1 : 0;
        s.tabRemindOnlyLocked = Checked(onlyLocked_) ? 1 : 0;
        s.tabRemindNotDuplicated = Checked(noDuplicates_) ? 1 : 0;
        if (SelectedIndex(rows_) != -1) s.tabMaxRows = SelectedIndex(rows_) + 1;
        if (SelectedIndex(keyColour_) != -1) s.tabKeyColour = SelectedIndex(keyColour_);
        s.tabTipShowsPath = Checked(tipPath_) ? 1 : 0;
    }

    // The key colours are shown as the keys themselves, each with its name.
    bool OnOwnerItem(UINT message, LPARAM lParam) override {
        if (message != WM_DRAWITEM) return false;
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.hwndItem != keyColour_) return false;
        bool selected = (item.itemState & ODS_SELECTED) != 0;
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (item.itemID < 4) {
            int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kKeyImageHeight) / 2;
            ImageList_Draw(keyImages_.Get(), static_cast<int>(item.itemID), item.hDC, item.rcItem.left + 3, top,
                           ILD_TRANSPARENT);
            RECT text = item.rcItem;
            text.left += kKeyImageWidth + 8;
            SetBkMode(item.hDC, TRANSPARENT);
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            DrawTextA(item.hDC, kKeyNames[item.itemID], -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
        return true;
    }

private:
    ColourSwatch *selMain_, *selSub_, *selDrop_;
    HWND remember_, onlyLocked_, noDuplicates_, rows_, keyColour_, tipPath_;
    ImageList keyImages_;
};

}  // namespace

std::unique_ptr<SettingsPage> MakeTabPage(SettingsPageContext& context) { return std::make_unique<TabPage>(context); }
