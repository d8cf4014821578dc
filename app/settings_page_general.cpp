// Page 1: what a double-click on the frame does, the hot key, the event sounds and translucency.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdio>

#include "app/app_context.h"
#include "app/settings_pages.h"
#include "ui/hot_key_field.h"

namespace {

const std::vector<std::string> kDoubleClickActions = {"最大化", "シェード", "タスクトレイに入れる", "閉じる"};

const std::array<const char*, kSoundEventCount> kSoundEventNames = {
    "ウィンドウ表示",   "タブ追加",         "タブ削除",         "タブ切り替え",    "タブのロック", "ロック解除",
    "フォルダ移動",     "ボタン",           "ドラッグ",         "ドロップ",        "消しゴム",     "消しゴム解除",
    "ジェスチャー(左)", "ジェスチャー(上)", "ジェスチャー(右)", "ジェスチャー(下)"};

// The entry that stands for an event's own sound.
const char kBuiltInSound[] = "(標準)";
const char kSoundFilter[] = "サウンド (*.wav)\0*.wav\0";

class GeneralPage : public SettingsPage {
public:
    explicit GeneralPage(SettingsPageContext& context) : SettingsPage(context) {
        Group("外枠のダブルクリック", 10, 5, 370, 50);
        doubleClick_ = DropDown(25, 24, 200, kFrameDoubleClickChoice, kDoubleClickActions);

        Group("ホットキー", 10, 60, 370, 50);
        useHotKey_ = Check("ホットキーを使う", 25, 80, 125, 20, kUseHotKeyCheck);
        Adopt(hotKey_.Create(context.area, RECT{155, 79, 365, 101}, kHotKeyField, context.font), true);

        Group("音楽", 10, 115, 370, 140);
        useSound_ = Check("効果音を鳴らす", 25, 133, 150, 20, kUseSoundCheck);
        events_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                  WS_CHILD | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 25, 157, 165,
                                  90, context.area, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSoundEventList)),
                                  GetModuleHandleA(nullptr), nullptr);
        SendMessageA(events_, WM_SETFONT, reinterpret_cast<WPARAM>(context.font), FALSE);
        for (const char* name : kSoundEventNames)
            SendMessageA(events_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        Adopt(events_, true);
        std::vector<std::string> sounds = {kBuiltInSound};
        for (std::string& name : FilesWithExtensions(context.app.sounds.SoundFolder(), {".wav"}))
            sounds.push_back(std::move(name));
        sound_ = DropDown(200, 157, 165, kSoundChoice, sounds);
        Button("追加", 200, 187, 80, 22, kAddSoundButton);
        Button("再生", 285, 187, 80, 22, kPlaySoundButton);

        Group("半透明化", 10, 260, 370, 90);
        translucent_ = Check("半透明にする", 25, 278, 150, 20, kTranslucentCheck);
        slider_ = CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, 25, 300,
                                  240, 28, context.area, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOpacitySlider)),
                                  GetModuleHandleA(nullptr), nullptr);
        SendMessageA(slider_, TBM_SETRANGE, FALSE, MAKELPARAM(kOpacityPercentMin, kOpacityPercentMax));
        SendMessageA(slider_, TBM_SETTICFREQ, 10, 0);
        SendMessageA(slider_, TBM_SETPAGESIZE, 0, 10);
        Adopt(slider_, true);
        Label("10%", 25, 328, 40, 16);
        Label("100%", 235, 328, 40, 16);
        opacityLabel_ = Label("", 275, 305, 100, 20, kOpacityLabel);
    }

    void Fill(const SettingsDraft& draft) override {
        const Settings& s = draft.settings;
        SelectIndex(doubleClick_, s.dblclkAction);
        SetChecked(useHotKey_, s.hotKeyUse != 0);
        hotKey_.Set({HotKeyModifiers(s), s.hotKeyKey});
        SetChecked(useSound_, s.useSound != 0);
        soundFiles_ = s.soundFiles;
        SendMessageA(events_, LB_SETCURSEL, 0, 0);
        ShowEventSound();
        SetChecked(translucent_, s.tranpUse != 0);
        opacity_ = s.tranpAlpha;
        SendMessageA(slider_, TBM_SETPOS, TRUE, PercentOfOpacity(opacity_));
        ShowOpacity();
    }

    void Read(SettingsDraft& draft) const override {
        Settings& s = draft.settings;
        int action = SelectedIndex(doubleClick_);
        if (action != -1) s.dblclkAction = action;
        s.hotKeyUse = Checked(useHotKey_) ? 1 : 0;
        HotKeyChoice hotKey = hotKey_.Choice();
        s.hotKeyCtrl = (hotKey.modifiers & 1) ? 1 : 0;
        s.hotKeyAlt = (hotKey.modifiers & 2) ? 1 : 0;
        s.hotKeyKey = hotKey.key;
        s.useSound = Checked(useSound_) ? 1 : 0;
        s.soundFiles = soundFiles_;
        s.tranpUse = Checked(translucent_) ? 1 : 0;
        s.tranpAlpha = opacity_;
    }

    bool OnCommand(HWND control, int id, int code) override {
        if (id == kSoundEventList && code == LBN_SELCHANGE) {
            ShowEventSound();
            return true;
        }
        if (id == kSoundChoice && code == CBN_SELCHANGE) {
            TakeChosenSound();
            return true;
        }
        if (id == kAddSoundButton && code == BN_CLICKED) {
            AddSound();
            return true;
        }
        if (id == kPlaySoundButton && code == BN_CLICKED) {
            PlayChosenSound();
            return true;
        }
        return SettingsPage::OnCommand(control, id, code);
    }

    // Only a move of the slider changes the opacity: the percent is coarser than the stored
    // value, which would otherwise drift down on every OK.
    void OnScroll(HWND control) override {
        if (control != slider_) return;
        opacity_ = OpacityFromPercent(static_cast<int>(SendMessageA(slider_, TBM_GETPOS, 0, 0)));
        ShowOpacity();
    }

private:
    int ChosenEvent() const {
        LRESULT event = SendMessageA(events_, LB_GETCURSEL, 0, 0);
        return event == LB_ERR ? -1 : static_cast<int>(event);
    }

    void ShowEventSound() {
        int event = ChosenEvent();
        if (event == -1) return;
        const std::string& name = soundFiles_[static_cast<size_t>(event)];
        SelectText(sound_, name.empty() ? kBuiltInSound : name);
    }

    void TakeChosenSound() {
        int event = ChosenEvent();
        if (event == -1) return;
        std::string chosen = SelectedText(sound_);
        soundFiles_[static_cast<size_t>(event)] = chosen == kBuiltInSound ? std::string() : chosen;
    }

    void AddSound() {
        std::string source = ChooseFileToOpen(context_.dialog, kSoundFilter);
        if (source.empty()) return;
        std::string name = CopyIntoFolder(source, context_.app.sounds.SoundFolder());
        if (name.empty()) return;
        AddEntryOnce(sound_, name);
        SelectText(sound_, name);
        TakeChosenSound();
    }

    void PlayChosenSound() {
        int event = ChosenEvent();
        if (event == -1) return;
        const std::string& name = soundFiles_[static_cast<size_t>(event)];
        if (name.empty()) context_.app.sounds.PlayBuiltInSound(event);
        else
            context_.app.sounds.PlaySoundFile(context_.app.sounds.SoundFolder() + '\\' + name);
    }

    void ShowOpacity() {
        char text[32];
        std::snprintf(text, sizeof text, "不透明度(%d%%)", PercentOfOpacity(opacity_));
        SetWindowTextA(opacityLabel_, text);
    }

    HWND doubleClick_, useHotKey_, useSound_, events_, sound_, translucent_, slider_, opacityLabel_;
    HotKeyField hotKey_;
    std::array<std::string, kSoundEventCount> soundFiles_;
    int opacity_ = 0;
};

}  // namespace

std::unique_ptr<SettingsPage> MakeGeneralPage(SettingsPageContext& context) {
    return std::make_unique<GeneralPage>(context);
}
