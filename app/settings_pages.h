// The seven pages of the settings dialog. Each page makes its controls inside the dialog's page
// area, shows a draft of the settings in them, and reads them back into a draft when the dialog
// is confirmed; until then the values live only in the controls, so cancelling forgets them.
#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/fonts.h"
#include "core/gesture_recognizer.h"
#include "core/settings_table.h"
#include "ui/colour_swatch.h"

struct AppContext;
class Theme;

// Everything the dialog edits, copied from the running program and handed back on OK.
struct SettingsDraft {
    Settings settings;
    FontChoices fonts;
    // A working copy of the mouse gestures' switch and table.
    GestureRecognizer gestures;
};
// The defaults that the defaults button puts on a page.
SettingsDraft DefaultDraft();

constexpr int kSettingsPageCount = 7;
// Sent to the dialog with the name (lParam) of an image just added to the pattern folder.
constexpr UINT kPatternAddedMessage = WM_APP + 60;

// The pages' controls, numbered so that a test can find them in the page area.
enum SettingsControl {
    // Page 1: double-click, hot key, sounds, translucency.
    kFrameDoubleClickChoice = 3001,
    kUseHotKeyCheck,
    kHotKeyField,
    kUseSoundCheck,
    kSoundEventList,
    kSoundChoice,
    kAddSoundButton,
    kPlaySoundButton,
    kTranslucentCheck,
    kOpacitySlider,
    kOpacityLabel,
    // Page 2: backgrounds and fonts.
    kMainPatternChoice = 3101,
    kMainColourSwatch,
    kMainColourButton,
    kTabPatternChoice,
    kTabColourSwatch,
    kTabColourButton,
    kAddPatternButton,
    kTabFontName,
    kTabTextSwatch,
    kTabFontButton,
    kTreeFontName,
    kTreeTextSwatch,
    kTreeFontButton,
    kListFontName,
    kListTextSwatch,
    kListFontButton,
    kOutlineCheck,
    kOutlineSwatch,
    // Page 3: item colours, a check box, swatch and button a kind.
    kItemColourFirst = 3201,
    // Page 4: tabs.
    kTabMainSwatch = 3301,
    kTabSubSwatch,
    kTabDropSwatch,
    kRememberTabsCheck,
    kRememberOnlyLockedCheck,
    kRememberNoDuplicatesCheck,
    kTabRowsChoice,
    kTabTipPathCheck,
    kKeyColourChoice,
    // Page 5: tree.
    kTreeSyncCheck = 3401,
    kTreeNoColourCheck,
    // Page 6: lists.
    kDefaultStyleChoice = 3501,
    kDivideChoice,
    kSelectionPatternChoice,
    kSelectionSwatch,
    kSelectionColourButton,
    kPolaroidCheck,
    kAlternateRowsCheck,
    kAlternateSwatch,
    kTipSizeCheck,
    kTipDateCheck,
    kTipAttributesCheck,
    kTipCommentCheck,
    kTipDelayField,
    // Page 7: renaming; the gesture editor numbers its own controls.
    kRenameSplitsCheck = 3601,
};
// Page 3's item kinds in order: read-only, hidden, system, empty folder, folder; each has
// kItemColourFirst + 3 * kind (check box), + 1 (swatch) and + 2 (button).
constexpr int kItemColourKinds = 5;

// What the pages share: where they make their controls and with what font, the program's folders
// and sounds, and the colour chooser's custom colours.
struct SettingsPageContext {
    HWND dialog;
    HWND area;
    HFONT font;
    const Theme& theme;
    AppContext& app;
    CustomColours& customColours;
};

class SettingsPage {
public:
    explicit SettingsPage(SettingsPageContext& context) : context_(context) {}
    virtual ~SettingsPage() = default;
    SettingsPage(const SettingsPage&) = delete;
    SettingsPage& operator=(const SettingsPage&) = delete;

    virtual void Fill(const SettingsDraft& draft) = 0;
    // Only the settings this page shows are written; a value that no control can show is kept.
    virtual void Read(SettingsDraft& draft) const = 0;
    // A command from one of this page's controls; true when the page took it.
    virtual bool OnCommand(HWND control, int id, int code);
    virtual void OnScroll(HWND) {}
    // Another page added an image to the pattern folder.
    virtual void OnPatternAdded(const std::string&) {}
    // The owner-drawn drop-downs measure and draw their entries here.
    virtual bool OnOwnerItem(UINT, LPARAM) { return false; }

    void Show(bool shown) const;
    // The page's groups are drawn by the page area itself: a frame with its title.
    void PaintGroups(HDC dc) const;
    // The controls that the Tab key visits, in order.
    const std::vector<HWND>& TabStops() const { return tabStops_; }

protected:
    void Group(const char* title, int x, int y, int width, int height);
    HWND Label(const char* text, int x, int y, int width, int height, int id = -1, DWORD style = 0);
    HWND Check(const char* text, int x, int y, int width, int height, int id);
    HWND Button(const char* text, int x, int y, int width, int height, int id);
    HWND DropDown(int x, int y, int width, int id, const std::vector<std::string>& entries, DWORD style = 0);
    HWND Field(int x, int y, int width, int height, int id, DWORD style);
    ColourSwatch& Swatch(int x, int y, int width, int height, int id);
    // A "色選択" button that opens the chooser of a swatch.
    HWND ChooseButton(const char* text, int x, int y, int width, int id, ColourSwatch& swatch);
    // Any other control made by the page itself.
    void Adopt(HWND control, bool tabStop);

    void SetChecked(HWND check, bool on) const;
    bool Checked(HWND check) const;
    // The entry whose text is `text`, selected; none selected when no entry has it.
    void SelectText(HWND dropDown, const std::string& text) const;
    std::string SelectedText(HWND dropDown) const;
    void AddEntryOnce(HWND dropDown, const std::string& text) const;
    // The entry's index, or none selected when the index is not an entry.
    void SelectIndex(HWND dropDown, int index) const;
    // -1 when nothing is selected.
    int SelectedIndex(HWND dropDown) const;

    SettingsPageContext& context_;

private:
    HWND Make(const char* className, const char* text, DWORD style, int x, int y, int width, int height, int id,
              bool tabStop, DWORD extendedStyle = 0);

    struct GroupFrame {
        std::string title;
        RECT box;
    };
    std::vector<GroupFrame> groups_;
    std::vector<HWND> windows_;
    std::vector<HWND> tabStops_;
    std::vector<std::unique_ptr<ColourSwatch>> swatches_;
    std::vector<std::pair<HWND, ColourSwatch*>> chooseButtons_;
};

// The files of a folder whose names end in one of the extensions (lower case, with the dot),
// sorted by name.
std::vector<std::string> FilesWithExtensions(const std::string& folder, const std::vector<std::string>& extensions);
// The plain-colour name, then the images of the pattern folder.
std::vector<std::string> PatternChoices(const std::string& patternFolder);
// Copies a file the user chose into a folder of the program; the name it has there, or empty.
std::string CopyIntoFolder(const std::string& source, const std::string& folder);
// The system's open-file chooser over `filter`; empty when cancelled.
std::string ChooseFileToOpen(HWND owner, const char* filter);

std::unique_ptr<SettingsPage> MakeGeneralPage(SettingsPageContext& context);
std::unique_ptr<SettingsPage> MakeStylePage(SettingsPageContext& context);
std::unique_ptr<SettingsPage> MakeItemColourPage(SettingsPageContext& context);
std::unique_ptr<SettingsPage> MakeTabPage(SettingsPageContext& context);
std::unique_ptr<SettingsPage> MakeTreePage(SettingsPageContext& context);
std::unique_ptr<SettingsPage> MakeListPage(SettingsPageContext& context);
std::unique_ptr<SettingsPage> MakeRenamePage(SettingsPageContext& context);
