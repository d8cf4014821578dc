#include "ui/button_skins.h"

#include <commctrl.h>

#include "res/ids.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

int MaximisedState(HWND button) { return button && IsZoomed(GetAncestor(button, GA_ROOT)) ? 1 : 0; }

// Normal, pressed and hover in load order, once per state.
std::vector<ButtonLooks> TripleSets(int count) {
    std::vector<ButtonLooks> looks;
    for (int set = 0; set < count; ++set) looks.push_back({set * 3, set * 3 + 1, set * 3 + 2});
    return looks;
}

// A button that only pushes: one state, no disabled look.
ButtonSkin PushButton(int width, int height, COLORREF transparent, std::vector<int> bitmaps, ButtonFill fill) {
    std::vector<ButtonLooks> looks = bitmaps.size() >= 3 ? TripleSets(1) : std::vector<ButtonLooks>{{0, 1, kNoLook}};
    return ButtonSkin{.width = width,
                      .height = height,
                      .transparent = transparent,
                      .bitmaps = std::move(bitmaps),
                      .looks = std::move(looks),
                      .fill = fill};
}

// Normal, pressed, a hover image that is never shown, and the inactive look.
ButtonSkin TitleButton(int width, std::vector<int> bitmaps, ButtonFill fill, UINT drawStyle) {
    return ButtonSkin{.width = width,
                      .height = 16,
                      .bitmaps = std::move(bitmaps),
                      .looks = {{0, 1, kNoLook}},
                      .disabled = 3,
                      .fill = fill,
                      .drawStyle = drawStyle};
}

// On, off, pressed: the look of the mode, and one pressed look for both.
ButtonSkin ModeButton(int width, int height, std::vector<int> bitmaps) {
    return ButtonSkin{
        .width = width, .height = height, .bitmaps = std::move(bitmaps), .looks = {{0, 2, kNoLook}, {1, 2, kNoLook}}};
}

// Back and up: normal, pressed, hover, disabled; their operations play the sound themselves.
ButtonSkin NavigationButton(std::vector<int> bitmaps) {
    return ButtonSkin{.width = 22,
                      .height = 16,
                      .transparent = kWhite,
                      .bitmaps = std::move(bitmaps),
                      .looks = {{0, 1, 2}},
                      .disabled = 3,
                      .disabledIgnoresInput = true,
                      .fill = ButtonFill::White,
                      .soundOnClick = false,
                      .pressedWhileRightMenu = true};
}

std::vector<ButtonSkin> MakeSkins() {
    std::vector<ButtonSkin> skins(kButtonKindCount);
    auto set = [&](ButtonKind kind, ButtonSkin skin) { skins[static_cast<int>(kind)] = std::move(skin); };

    set(ButtonKind::Title,
        TitleButton(100,
                    {IDB_FRAME_TITLE_NORMAL, IDB_FRAME_TITLE_PRESSED, IDB_FRAME_TITLE_HOVER, IDB_FRAME_TITLE_INACTIVE},
                    ButtonFill::None, ILD_TRANSPARENT));
    set(ButtonKind::Close,
        PushButton(16, 16, CLR_NONE, {IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED, IDB_CLOSE_HOVER}, ButtonFill::None));
    set(ButtonKind::Tray,
        PushButton(16, 16, CLR_NONE, {IDB_TRAY_NORMAL, IDB_TRAY_PRESSED, IDB_TRAY_HOVER}, ButtonFill::None));
    ButtonSkin maximise = PushButton(16, 16, CLR_NONE,
                                     {IDB_MAXIMISE_NORMAL, IDB_MAXIMISE_PRESSED, IDB_MAXIMISE_HOVER, IDB_RESTORE_NORMAL,
                                      IDB_RESTORE_PRESSED, IDB_RESTORE_HOVER},
                                     ButtonFill::None);
    maximise.looks = TripleSets(2);
    maximise.builtInState = MaximisedState;
    set(ButtonKind::Maximise, maximise);

    set(ButtonKind::TreeToggle, ModeButton(19, 21, {IDB_TREE_TOGGLE_ON, IDB_TREE_TOGGLE_OFF, IDB_TREE_TOGGLE_PRESSED}));
    set(ButtonKind::FavouritesToggle,
        ModeButton(19, 21, {IDB_FAVOURITES_TOGGLE_ON, IDB_FAVOURITES_TOGGLE_OFF, IDB_FAVOURITES_TOGGLE_PRESSED}));
    set(ButtonKind::HiddenFilesToggle,
        ModeButton(19, 21, {IDB_HIDDEN_FILES_TOGGLE_ON, IDB_HIDDEN_FILES_TOGGLE_OFF, IDB_HIDDEN_FILES_TOGGLE_PRESSED}));
    set(ButtonKind::TipsToggle, ModeButton(19, 21, {IDB_TIPS_TOGGLE_ON, IDB_TIPS_TOGGLE_OFF, IDB_TIPS_TOGGLE_PRESSED}));
    set(ButtonKind::TwoPaneToggle,
        ModeButton(19, 21, {IDB_TWO_PANE_TOGGLE_ON, IDB_TWO_PANE_TOGGLE_OFF, IDB_TWO_PANE_TOGGLE_PRESSED}));
    set(ButtonKind::GestureToggle,
        ModeButton(19, 21, {IDB_GESTURE_TOGGLE_ON, IDB_GESTURE_TOGGLE_OFF, IDB_GESTURE_TOGGLE_PRESSED}));
    set(ButtonKind::Properties,
        PushButton(19, 21, CLR_NONE, {IDB_PROPERTIES_NORMAL, IDB_PROPERTIES_PRESSED}, ButtonFill::None));

    set(ButtonKind::Back, NavigationButton({IDB_BACK_NORMAL, IDB_BACK_PRESSED, IDB_BACK_HOVER, IDB_BACK_DISABLED}));
    set(ButtonKind::Up, NavigationButton({IDB_UP_NORMAL, IDB_UP_PRESSED, IDB_UP_HOVER, IDB_UP_DISABLED}));
    set(ButtonKind::ViewStyle,
        PushButton(22, 16, kWhite, {IDB_VIEW_STYLE_NORMAL, IDB_VIEW_STYLE_PRESSED, IDB_VIEW_STYLE_HOVER},
                   ButtonFill::White));
    set(ButtonKind::FavouritesMenu,
        PushButton(22, 16, kWhite, {IDB_FAVOURITES_MENU_NORMAL, IDB_FAVOURITES_MENU_PRESSED, IDB_FAVOURITES_MENU_HOVER},
                   ButtonFill::White));

    ButtonSkin direction =
        PushButton(15, 18, kWhite,
                   {IDB_SORT_ASCENDING_NORMAL, IDB_SORT_ASCENDING_PRESSED, IDB_SORT_ASCENDING_HOVER,
                    IDB_SORT_DESCENDING_NORMAL, IDB_SORT_DESCENDING_PRESSED, IDB_SORT_DESCENDING_HOVER},
                   ButtonFill::White);
    direction.looks = TripleSets(2);
    set(ButtonKind::SortDirection, direction);
    ButtonSkin key =
        PushButton(38, 18, kWhite,
                   {IDB_SORT_NAME_NORMAL, IDB_SORT_NAME_PRESSED, IDB_SORT_NAME_HOVER, IDB_SORT_SIZE_NORMAL,
                    IDB_SORT_SIZE_PRESSED, IDB_SORT_SIZE_HOVER, IDB_SORT_TYPE_NORMAL, IDB_SORT_TYPE_PRESSED,
                    IDB_SORT_TYPE_HOVER, IDB_SORT_DATE_NORMAL, IDB_SORT_DATE_PRESSED, IDB_SORT_DATE_HOVER,
                    IDB_SORT_ATTRIBUTES_NORMAL, IDB_SORT_ATTRIBUTES_PRESSED, IDB_SORT_ATTRIBUTES_HOVER},
                   ButtonFill::White);
    key.looks = TripleSets(5);
    set(ButtonKind::SortKey, key);

    // Normal looks at 0, 1, 3, 4 and their hover looks five places on; 2 and 7 are the pressed
    // looks with the hide mode off and on.
    ButtonSkin eraser =
        PushButton(22, 16, kWhite,
                   {IDB_ERASER_NORMAL, IDB_ERASER_HIDE_MODE_NORMAL, IDB_ERASER_PRESSED, IDB_ERASER_MAGNIFIER_NORMAL,
                    IDB_ERASER_HIDE_MODE_MAGNIFIER_NORMAL, IDB_ERASER_HOVER, IDB_ERASER_HIDE_MODE_HOVER,
                    IDB_ERASER_HIDE_MODE_PRESSED, IDB_ERASER_MAGNIFIER_HOVER, IDB_ERASER_HIDE_MODE_MAGNIFIER_HOVER},
                   ButtonFill::White);
    eraser.looks = {{0, 2, 5}, {1, 7, 6}, {3, 2, 8}, {4, 7, 9}};
    set(ButtonKind::Eraser, eraser);
    ButtonSkin magnifier = PushButton(22, 16, kWhite,
                                      {IDB_MAGNIFIER_ON_NORMAL, IDB_MAGNIFIER_OFF_NORMAL, IDB_MAGNIFIER_PRESSED,
                                       IDB_MAGNIFIER_ON_HOVER, IDB_MAGNIFIER_OFF_HOVER},
                                      ButtonFill::White);
    magnifier.looks = {{0, 2, 3}, {1, 2, 4}};
    // Its menu plays the sound itself.
    magnifier.soundOnRightPress = false;
    set(ButtonKind::Magnifier, magnifier);
    set(ButtonKind::NewGroup,
        PushButton(22, 16, kWhite, {IDB_NEW_GROUP_NORMAL, IDB_NEW_GROUP_PRESSED, IDB_NEW_GROUP_HOVER},
                   ButtonFill::White));

    ButtonSkin newTab = PushButton(19, 19, CLR_NONE, {IDB_NEW_TAB_NORMAL, IDB_NEW_TAB_PRESSED, IDB_NEW_TAB_HOVER},
                                   ButtonFill::TabBarBackground);
    // Adding the tab plays its own sound.
    newTab.soundOnClick = false;
    set(ButtonKind::NewTab, newTab);
    ButtonSkin rows = PushButton(
        19, 19, CLR_NONE,
        {IDB_TAB_ROW1_NORMAL, IDB_TAB_ROW1_PRESSED, IDB_TAB_ROW1_HOVER, IDB_TAB_ROW2_NORMAL, IDB_TAB_ROW2_PRESSED,
         IDB_TAB_ROW2_HOVER, IDB_TAB_ROW3_NORMAL, IDB_TAB_ROW3_PRESSED, IDB_TAB_ROW3_HOVER, IDB_TAB_ROW4_NORMAL,
         IDB_TAB_ROW4_PRESSED, IDB_TAB_ROW4_HOVER, IDB_TAB_ROW5_NORMAL, IDB_TAB_ROW5_PRESSED, IDB_TAB_ROW5_HOVER,
         IDB_LAUNCHER_NORMAL, IDB_LAUNCHER_PRESSED, IDB_LAUNCHER_HOVER},
        ButtonFill::TabBarBackground);
    rows.looks = TripleSets(6);
    set(ButtonKind::RowLauncher, rows);
    set(ButtonKind::Chevron, PushButton(19, 19, CLR_NONE, {IDB_CHEVRON_NORMAL, IDB_CHEVRON_PRESSED, IDB_CHEVRON_HOVER},
                                        ButtonFill::TabBarBackground));

    set(ButtonKind::SettingsTitle, TitleButton(150,
                                               {IDB_SETTINGS_TITLE_NORMAL, IDB_SETTINGS_TITLE_PRESSED,
                                                IDB_SETTINGS_TITLE_HOVER, IDB_SETTINGS_TITLE_INACTIVE},
                                               ButtonFill::White, ILD_NORMAL));
    set(ButtonKind::VersionTitle, TitleButton(150,
                                              {IDB_VERSION_TITLE_NORMAL, IDB_VERSION_TITLE_PRESSED,
                                               IDB_VERSION_TITLE_HOVER, IDB_VERSION_TITLE_INACTIVE},
                                              ButtonFill::White, ILD_NORMAL));
    set(ButtonKind::NameTitle,
        TitleButton(150, {IDB_NAME_TITLE_NORMAL, IDB_NAME_TITLE_PRESSED, IDB_NAME_TITLE_HOVER, IDB_NAME_TITLE_INACTIVE},
                    ButtonFill::None, ILD_TRANSPARENT));
    set(ButtonKind::Ok, PushButton(100, 16, CLR_NONE, {IDB_OK_NORMAL, IDB_OK_PRESSED}, ButtonFill::None));
    set(ButtonKind::Cancel, PushButton(100, 16, CLR_NONE, {IDB_CANCEL_NORMAL, IDB_CANCEL_PRESSED}, ButtonFill::None));
    set(ButtonKind::Defaults,
        PushButton(100, 16, CLR_NONE, {IDB_DEFAULTS_NORMAL, IDB_DEFAULTS_PRESSED}, ButtonFill::None));
    set(ButtonKind::Extra, PushButton(100, 16, CLR_NONE, {IDB_EXTRA_NORMAL, IDB_EXTRA_PRESSED}, ButtonFill::None));
    const std::vector<int> pages[] = {
        {IDB_PAGE_GENERAL_ON, IDB_PAGE_GENERAL_OFF, IDB_PAGE_GENERAL_PRESSED},
        {IDB_PAGE_STYLE_ON, IDB_PAGE_STYLE_OFF, IDB_PAGE_STYLE_PRESSED},
        {IDB_PAGE_COLOURS_ON, IDB_PAGE_COLOURS_OFF, IDB_PAGE_COLOURS_PRESSED},
        {IDB_PAGE_TABS_ON, IDB_PAGE_TABS_OFF, IDB_PAGE_TABS_PRESSED},
        {IDB_PAGE_TREE_ON, IDB_PAGE_TREE_OFF, IDB_PAGE_TREE_PRESSED},
        {IDB_PAGE_LIST_ON, IDB_PAGE_LIST_OFF, IDB_PAGE_LIST_PRESSED},
        {IDB_PAGE_GESTURE_ON, IDB_PAGE_GESTURE_OFF, IDB_PAGE_GESTURE_PRESSED},
    };
    for (int page = 0; page < 7; ++page) {
        ButtonSkin skin = ModeButton(100, 16, pages[page]);
        set(static_cast<ButtonKind>(static_cast<int>(ButtonKind::Page1) + page), skin);
    }
    return skins;
}

}  // namespace

const ButtonSkin& SkinOf(ButtonKind kind) {
    static const std::vector<ButtonSkin> skins = MakeSkins();
    return skins[static_cast<int>(kind)];
}
