// The members of the skinned button family as data: which bitmaps each loads, which image is
// which look in which state, how it paints, and where it plays the button sound. The behaviour
// that all members share is SkinnedButton's; a member differs from another only by this record
// and by the actions its owner plugs in.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

constexpr int kNoLook = -1;

// The image indices of one state's looks; hover is kNoLook for members without a hover look.
struct ButtonLooks {
    int normal;
    int pressed;
    int hover;
};

enum class ButtonFill { None, White, TabBarBackground };

// Filled by name. A field left out keeps the plain push button's value given here: no transparent
// colour, no disabled look, drawn transparent, the sound on a click and on a right press.
struct ButtonSkin {
    int width = 0;
    int height = 0;
    COLORREF transparent = CLR_NONE;  // CLR_NONE for none
    std::vector<int> bitmaps;         // resource numbers in load order: image k is bitmap k
    std::vector<ButtonLooks> looks;   // one entry per state, chosen by the owner's state query
    int disabled = kNoLook;           // image of the disabled look, kNoLook for members without one
    // Back and up do nothing while disabled; the title buttons only look inactive.
    bool disabledIgnoresInput = false;
    ButtonFill fill = ButtonFill::None;
    UINT drawStyle = ILD_TRANSPARENT;
    bool soundOnClick = true;
    bool soundOnRightPress = true;
    bool pressedWhileRightMenu = false;
    // The state when the owner gives no query (the maximise button reads its window itself).
    int (*builtInState)(HWND button) = nullptr;
};

// The members. The comment after each gives the meaning of its state numbers.
enum class ButtonKind {
    Title,  // enabled = window active
    Close,
    Tray,
    Maximise,           // 0 normal window, 1 maximised (read from the top-level window)
    TreeToggle,         // OnOffState
    FavouritesToggle,   // OnOffState
    HiddenFilesToggle,  // OnOffState
    TipsToggle,         // OnOffState
    TwoPaneToggle,      // OnOffState
    GestureToggle,      // OnOffState
    Properties,
    Back,
    Up,
    ViewStyle,
    FavouritesMenu,
    SortDirection,  // 0 ascending, 1 descending
    SortKey,        // the sort column 0..4
    Eraser,         // EraserState
    Magnifier,      // OnOffState of the magnifier flag
    NewGroup,
    NewTab,
    RowLauncher,  // RowButtonState
    Chevron,
    SettingsTitle,  // enabled = dialog active
    VersionTitle,
    NameTitle,
    Ok,
    Cancel,
    Defaults,
    Extra,
    Page1,  // PageState
    Page2,
    Page3,
    Page4,
    Page5,
    Page6,
    Page7,
    Count
};

constexpr int kButtonKindCount = static_cast<int>(ButtonKind::Count);

const ButtonSkin& SkinOf(ButtonKind kind);

// State numbers of the members whose look follows program state.
constexpr int OnOffState(bool on) { return on ? 0 : 1; }
constexpr int EraserState(bool hideMode, bool magnifier) { return (hideMode ? 1 : 0) + (magnifier ? 2 : 0); }
// Rows 1 to 5 of the tab bar, or the launcher.
constexpr int RowButtonState(bool launcherMode, int displayedRow) { return launcherMode ? 5 : displayedRow - 1; }
constexpr int PageState(bool shown) { return shown ? 0 : 1; }
