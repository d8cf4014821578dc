#include "ui/button_skins.h"

#include <commctrl.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

int MaximisedState(HWND button) {
    return button && IsZoomed(GetAncestor(button, GA_ROOT)) ? 1 : 0;
}

// Normal, pressed and hover in load order, once per state.
std::vector<ButtonLooks> TripleSets(int count) {
    std::vector<ButtonLooks> looks;
    for (int set = 0; set < count; ++set) looks.push_back({set * 3, set * 3 + 1, set * 3 + 2});
    return looks;
}

// A button that only pushes: one state, no disabled look.
ButtonSkin PushButton(int width, int height, COLORREF transparent, std::vector<int> bitmaps, ButtonFill fill) {
    ButtonSkin skin{width, height, transparent, std::move(bitmaps), {}, kNoLook, false,
                    fill, ILD_TRANSPARENT, true, true, false, nullptr};
    skin.looks = skin.bitmaps.size() >= 3 ? TripleSets(1) : std::vector<ButtonLooks>{{0, 1, kNoLook}};
    return skin;
}

// Normal, pressed, a hover image that is never shown, and the inactive look.
ButtonSkin TitleButton(int width, std::vector<int> bitmaps, ButtonFill fill, UINT drawStyle) {
    return ButtonSkin{width, 16, CLR_NONE, std::move(bitmaps), {{0, 1, kNoLook}}, 3, false,
                      fill, drawStyle, true, true, false, nullptr};
}

// On, off, pressed: the look of the mode, and one pressed look for both.
ButtonSkin ModeButton(int width, int height, std::vector<int> bitmaps) {
    return ButtonSkin{width, height, CLR_NONE, std::move(bitmaps), {{0, 2, kNoLook}, {1, 2, kNoLook}}, kNoLook,
                      false, ButtonFill::None, ILD_TRANSPARENT, true, true, false, nullptr};
}

// Back and up: normal, pressed, hover, disabled; their operations play the sound themselves.
ButtonSkin NavigationButton(std::vector<int> bitmaps) {
    return ButtonSkin{22, 16, kWhite, std::move(bitmaps), {{0, 1, 2}}, 3, true,
                      ButtonFill::White, ILD_TRANSPARENT, false, true, true, nullptr};
}

std::vector<ButtonSkin> MakeSkins() {
    std::vector<ButtonSkin> skins(kButtonKindCount);
    auto set = [&](ButtonKind kind, ButtonSkin skin) { skins[static_cast<int>(kind)] = std::move(skin); };

    set(ButtonKind::Title, TitleButton(100, {260, 261, 259, 262}, ButtonFill::None, ILD_TRANSPARENT));
    set(ButtonKind::Close, PushButton(16, 16, CLR_NONE, {215, 217, 216}, ButtonFill::None));
    set(ButtonKind::Tray, PushButton(16, 16, CLR_NONE, {218, 220, 219}, ButtonFill::None));
    ButtonSkin maximise = PushButton(16, 16, CLR_NONE, {251, 253, 252, 248, 250, 249}, ButtonFill::None);
    maximise.looks = TripleSets(2);
    maximise.builtInState = MaximisedState;
    set(ButtonKind::Maximise, maximise);

    set(ButtonKind::TreeToggle, ModeButton(19, 21, {170, 169, 171}));
    set(ButtonKind::FavouritesToggle, ModeButton(19, 21, {339, 338, 340}));
    set(ButtonKind::HiddenFilesToggle, ModeButton(19, 21, {173, 172, 174}));
    set(ButtonKind::TipsToggle, ModeButton(19, 21, {236, 235, 237}));
    set(ButtonKind::TwoPaneToggle, ModeButton(19, 21, {240, 239, 241}));
    set(ButtonKind::GestureToggle, ModeButton(19, 21, {396, 395, 397}));
    set(ButtonKind::Properties, PushButton(19, 21, CLR_NONE, {232, 234}, ButtonFill::None));

    set(ButtonKind::Back, NavigationButton({158, 160, 159, 161}));
    set(ButtonKind::Up, NavigationButton({162, 164, 163, 165}));
    set(ButtonKind::ViewStyle, PushButton(22, 16, kWhite, {166, 168, 167}, ButtonFill::White));
    set(ButtonKind::FavouritesMenu, PushButton(22, 16, kWhite, {348, 350, 349}, ButtonFill::White));

    ButtonSkin direction = PushButton(15, 18, kWhite, {194, 196, 195, 197, 199, 198}, ButtonFill::White);
    direction.looks = TripleSets(2);
    set(ButtonKind::SortDirection, direction);
    ButtonSkin key = PushButton(38, 18, kWhite,
                                {200, 202, 201, 203, 205, 204, 206, 208, 207, 209, 211, 210, 212, 214, 213},
                                ButtonFill::White);
    key.looks = TripleSets(5);
    set(ButtonKind::SortKey, key);

    // Normal looks at 0, 1, 3, 4 and their hover looks five places on; 2 and 7 are the pressed
    // looks with the hide mode off and on.
    ButtonSkin eraser = PushButton(22, 16, kWhite, {188, 184, 192, 190, 186, 189, 185, 193, 191, 187},
                                   ButtonFill::White);
    eraser.looks = {{0, 2, 5}, {1, 7, 6}, {3, 2, 8}, {4, 7, 9}};
    set(ButtonKind::Eraser, eraser);
    ButtonSkin magnifier = PushButton(22, 16, kWhite, {176, 175, 177, 182, 183}, ButtonFill::White);
    magnifier.looks = {{0, 2, 3}, {1, 2, 4}};
    // Its menu plays the sound itself.
    magnifier.soundOnRightPress = false;
    set(ButtonKind::Magnifier, magnifier);
    set(ButtonKind::NewGroup, PushButton(22, 16, kWhite, {341, 343, 342}, ButtonFill::White));

    ButtonSkin newTab = PushButton(19, 19, CLR_NONE, {354, 356, 355}, ButtonFill::TabBarBackground);
    // Adding the tab plays its own sound.
    newTab.soundOnClick = false;
    set(ButtonKind::NewTab, newTab);
    ButtonSkin rows = PushButton(19, 19, CLR_NONE,
                                 {357, 359, 358, 360, 362, 361, 363, 365, 364, 374, 371, 370, 372, 369, 373, 366,
                                  368, 367},
                                 ButtonFill::TabBarBackground);
    rows.looks = TripleSets(6);
    set(ButtonKind::RowLauncher, rows);
    set(ButtonKind::Chevron, PushButton(19, 19, CLR_NONE, {224, 226, 225}, ButtonFill::TabBarBackground));

    set(ButtonKind::SettingsTitle, TitleButton(150, {309, 310, 308, 311}, ButtonFill::White, ILD_NORMAL));
    set(ButtonKind::VersionTitle, TitleButton(150, {329, 330, 328, 331}, ButtonFill::White, ILD_NORMAL));
    set(ButtonKind::NameTitle, TitleButton(150, {313, 314, 312, 315}, ButtonFill::None, ILD_TRANSPARENT));
    set(ButtonKind::Ok, PushButton(100, 16, CLR_NONE, {264, 265}, ButtonFill::None));
    set(ButtonKind::Cancel, PushButton(100, 16, CLR_NONE, {266, 267}, ButtonFill::None));
    set(ButtonKind::Defaults, PushButton(100, 16, CLR_NONE, {283, 284}, ButtonFill::None));
    set(ButtonKind::Extra, PushButton(100, 16, CLR_NONE, {332, 333}, ButtonFill::None));
    const std::vector<int> pages[] = {{303, 302, 304}, {269, 268, 270}, {272, 271, 273}, {275, 274, 276},
                                      {278, 277, 279}, {399, 400, 398}, {402, 401, 403}};
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
