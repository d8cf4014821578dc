#include "ui/skinned_button.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "tests/ui/control_test_host.h"

namespace {

bool NeedsPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

void Paint(const SkinnedButton& button) { SendMessageA(button.Window(), WM_PAINT, 0, 0); }

// The bitmap resource behind an image index of a member.
int BitmapShown(const SkinnedButton& button) { return button.Skin().bitmaps[button.CurrentImage()]; }

class SkinnedButtonTest : public testing::Test {
protected:
    void SetUp() override {
        DiscardQueuedInput();
        theme_.buttonSound = [this] { ++buttonSounds_; };
    }
    void TearDown() override { ReleaseCapture(); }
    std::unique_ptr<SkinnedButton> Make(ButtonKind kind, ButtonActions actions = {}) {
        auto button = std::make_unique<SkinnedButton>(theme_, kind, std::move(actions));
        button->Place(host_.Window(), 40, 40, 1500, nullptr);
        return button;
    }
    // How often the buttons asked for the button sound.
    unsigned SoundCount() const { return buttonSounds_; }

    ControlTestHost host_;
    Theme theme_;
    unsigned buttonSounds_ = 0;
};

void Enter(const SkinnedButton& b) { MoveMouse(b.Window(), 3, 3); }
void Leave(const SkinnedButton& b) { MoveMouse(b.Window(), OutsideX(b.Window()), 3); }
void Click(const SkinnedButton& b) {
    Enter(b);
    PressLeft(b.Window());
    ReleaseLeft(b.Window());
}

TEST_F(SkinnedButtonTest, EveryMemberLoadsEachOfItsBitmapsAtItsOwnSize) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int k = 0; k < kButtonKindCount; ++k) {
        SCOPED_TRACE(k);
        auto button = Make(static_cast<ButtonKind>(k));
        const ButtonSkin& skin = button->Skin();
        EXPECT_EQ(0, ImageList_GetImageCount(button->Images())) << "nothing is read before the first paint";
        Paint(*button);
        EXPECT_EQ(static_cast<int>(skin.bitmaps.size()), ImageList_GetImageCount(button->Images()));
        Paint(*button);
        EXPECT_EQ(static_cast<int>(skin.bitmaps.size()), ImageList_GetImageCount(button->Images())) << "read once";
        EXPECT_EQ(skin.transparent != CLR_NONE, button->HasTransparentColour());
        for (int id : skin.bitmaps) {
            SCOPED_TRACE(id);
            Bitmap bitmap(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
            ASSERT_TRUE(bitmap) << "missing bitmap resource";
            BITMAP info{};
            GetObjectA(bitmap.Get(), sizeof info, &info);
            EXPECT_EQ(skin.width, info.bmWidth);
            EXPECT_EQ(skin.height, info.bmHeight);
        }
        for (const ButtonLooks& looks : skin.looks) {
            for (int image : {looks.normal, looks.pressed, looks.hover})
                EXPECT_TRUE(image == kNoLook || (image >= 0 && image < static_cast<int>(skin.bitmaps.size())));
        }
        EXPECT_EQ(skin.looks[button->State()].normal, button->CurrentImage()) << "starts with its normal look";
    }
}

TEST_F(SkinnedButtonTest, AMissingBitmapLeavesABlankAndTheOtherLooksInPlace) {
    const ButtonSkin skin{.width = 22,
                          .height = 16,
                          .transparent = RGB(255, 255, 255),
                          .bitmaps = {158, 32000, 159},
                          .looks = {{0, 1, 2}},
                          .fill = ButtonFill::White};
    SkinnedButton button(theme_, skin);
    button.Place(host_.Window(), 0, 0, 1, nullptr);
    Paint(button);
    EXPECT_EQ(3, ImageList_GetImageCount(button.Images()));
    Enter(button);
    EXPECT_EQ(2, button.CurrentImage());
}

TEST_F(SkinnedButtonTest, PushButtonShowsHoverPressedAndRunsItsActionWithTheSound) {
    int clicks = 0;
    auto close = Make(ButtonKind::Close, {[&] { ++clicks; }, {}, {}});
    EXPECT_EQ(215, BitmapShown(*close));
    Enter(*close);
    EXPECT_EQ(216, BitmapShown(*close));
    PressLeft(close->Window());
    EXPECT_EQ(217, BitmapShown(*close));
    unsigned sounds = SoundCount();
    ReleaseLeft(close->Window());
    EXPECT_EQ(1, clicks);
    EXPECT_EQ(sounds + 1, SoundCount());
    // Releasing gave the capture up, which ends the hover until the next move.
    EXPECT_EQ(215, BitmapShown(*close));
    Enter(*close);
    EXPECT_EQ(216, BitmapShown(*close));
    Leave(*close);
    EXPECT_EQ(215, BitmapShown(*close));
}

TEST_F(SkinnedButtonTest, ReleasingAPushButtonOutsideRunsNothing) {
    int clicks = 0;
    auto chevron = Make(ButtonKind::Chevron, {[&] { ++clicks; }, {}, {}});
    Enter(*chevron);
    PressLeft(chevron->Window());
    Leave(*chevron);
    EXPECT_EQ(224, BitmapShown(*chevron));
    unsigned sounds = SoundCount();
    ReleaseLeft(chevron->Window());
    EXPECT_EQ(0, clicks);
    EXPECT_EQ(sounds, SoundCount());
    EXPECT_EQ(224, BitmapShown(*chevron));
}

TEST_F(SkinnedButtonTest, ADisabledBackButtonIgnoresTheMouseAndShowsHoverAtOnceWhenEnabled) {
    int backs = 0;
    auto back = Make(ButtonKind::Back, {[&] { ++backs; }, {}, {}});
    back->SetEnabled(false);
    EXPECT_EQ(161, BitmapShown(*back));
    unsigned sounds = SoundCount();
    Enter(*back);
    EXPECT_EQ(161, BitmapShown(*back));
    PressLeft(back->Window());
    EXPECT_EQ(161, BitmapShown(*back));
    ReleaseLeft(back->Window());
    EXPECT_EQ(0, backs);
    EXPECT_EQ(sounds, SoundCount());
    EXPECT_EQ(161, BitmapShown(*back));

    Enter(*back);
    ASSERT_TRUE(back->Hover());
    ValidateRect(back->Window(), nullptr);
    back->SetEnabled(true);
    EXPECT_EQ(159, BitmapShown(*back));
    EXPECT_TRUE(NeedsPaint(back->Window()));
    Leave(*back);
    back->SetEnabled(false);
    back->SetEnabled(true);
    EXPECT_EQ(158, BitmapShown(*back));
}

TEST_F(SkinnedButtonTest, BackLeavesTheSoundToItsOperationAndCanDisableItselfFromIt) {
    SkinnedButton* self = nullptr;
    auto back = Make(ButtonKind::Back, {[&] { self->SetEnabled(false); }, {}, {}});
    self = back.get();
    unsigned sounds = SoundCount();
    Click(*back);
    EXPECT_EQ(sounds, SoundCount());
    EXPECT_EQ(161, BitmapShown(*back)) << "the history ran out: the disabled look stays";
}

TEST_F(SkinnedButtonTest, ARightPressOnUpShowsPressedWhileItsMenuIsOpen) {
    SkinnedButton* self = nullptr;
    HWND menuOwner = host_.Window();
    int shownWhileOpen = 0;
    bool paintedBeforeMenu = false;
    auto up = Make(ButtonKind::Up, {{},
                                    [&] {
                                        shownWhileOpen = BitmapShown(*self);
                                        paintedBeforeMenu = !NeedsPaint(self->Window());
                                        // A menu takes the capture while it is open.
                                        SetCapture(menuOwner);
                                        shownWhileOpen = BitmapShown(*self);
                                        ReleaseCapture();
                                    },
                                    {}});
    self = up.get();
    Enter(*up);
    unsigned sounds = SoundCount();
    PressRight(up->Window());
    EXPECT_EQ(164, shownWhileOpen);
    EXPECT_TRUE(paintedBeforeMenu);
    EXPECT_EQ(sounds + 1, SoundCount());
    EXPECT_EQ(162, BitmapShown(*up)) << "the menu ended the hover";

    // Without a menu taking the capture the hover survives and shows again.
    up->SetActions({{}, [] {}, {}});
    Enter(*up);
    PressRight(up->Window());
    EXPECT_EQ(163, BitmapShown(*up));
}

TEST_F(SkinnedButtonTest, ARightPressOnADisabledUpButtonOnlySounds) {
    int menus = 0;
    auto up = Make(ButtonKind::Up, {{}, [&] { ++menus; }, {}});
    up->SetEnabled(false);
    unsigned sounds = SoundCount();
    PressRight(up->Window());
    EXPECT_EQ(0, menus);
    EXPECT_EQ(sounds + 1, SoundCount());
    EXPECT_EQ(165, BitmapShown(*up));
}

TEST_F(SkinnedButtonTest, ARightPressDoesNothingOnMembersWithoutARightAction) {
    auto tray = Make(ButtonKind::Tray, {[] {}, {}, {}});
    unsigned sounds = SoundCount();
    PressRight(tray->Window());
    EXPECT_EQ(sounds, SoundCount());
}

TEST_F(SkinnedButtonTest, TheMaximiseButtonTakesItsLooksFromTheWindowsState) {
    auto maximise = Make(ButtonKind::Maximise, {[] {}, {}, {}});
    EXPECT_EQ(251, BitmapShown(*maximise));
    ShowWindow(host_.Window(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(host_.Window()));
    maximise->UpdateLook();
    EXPECT_EQ(248, BitmapShown(*maximise));
    Enter(*maximise);
    EXPECT_EQ(249, BitmapShown(*maximise));
    PressLeft(maximise->Window());
    EXPECT_EQ(250, BitmapShown(*maximise));
    Leave(*maximise);
    ReleaseLeft(maximise->Window());
    ShowWindow(host_.Window(), SW_RESTORE);
    Enter(*maximise);
    PressLeft(maximise->Window());
    EXPECT_EQ(253, BitmapShown(*maximise));
}

TEST_F(SkinnedButtonTest, TheTitleButtonNeverShowsItsThirdBitmap) {
    int menus = 0;
    auto title = Make(ButtonKind::Title, {[&] { ++menus; }, [&] { ++menus; }, {}});
    std::vector<int> shown{BitmapShown(*title)};
    auto note = [&] { shown.push_back(BitmapShown(*title)); };
    Enter(*title), note();
    PressLeft(title->Window()), note();
    Leave(*title), note();
    Enter(*title), note();
    ReleaseLeft(title->Window()), note();
    Enter(*title), note();
    PressRight(title->Window()), note();
    title->SetEnabled(false), note();
    title->SetEnabled(true), note();
    title->UpdateLook(), note();
    SetCapture(host_.Window()), note();
    ReleaseCapture();
    Enter(*title), note();
    PressLeft(title->Window()), note();
    Leave(*title), note();
    ReleaseLeft(title->Window()), note();
    EXPECT_EQ(2, menus);
    for (int bitmap : shown) EXPECT_NE(259, bitmap);
    EXPECT_EQ((std::vector<int>{260, 260, 261, 260, 261, 260, 260, 260, 262, 260, 260, 260, 260, 261, 260, 260}),
              shown);
}

TEST_F(SkinnedButtonTest, AnInactiveTitleButtonStillOpensItsMenuAndKeepsItsInactiveLook) {
    int menus = 0;
    auto title = Make(ButtonKind::SettingsTitle, {[&] { ++menus; }, {}, {}});
    title->SetEnabled(false);
    EXPECT_EQ(311, BitmapShown(*title));
    Enter(*title);
    PressLeft(title->Window());
    EXPECT_EQ(310, BitmapShown(*title));
    ReleaseLeft(title->Window());
    EXPECT_EQ(1, menus);
    EXPECT_EQ(311, BitmapShown(*title));
}

TEST_F(SkinnedButtonTest, ALeftColumnToggleShowsItsModeAndTogglesOnlyOnAClickInside) {
    bool treeShown = true;
    auto toggle =
        Make(ButtonKind::TreeToggle, {[&] { treeShown = !treeShown; }, {}, [&] { return OnOffState(treeShown); }});
    EXPECT_EQ(170, BitmapShown(*toggle));
    Enter(*toggle);
    EXPECT_EQ(170, BitmapShown(*toggle)) << "no hover look";
    PressLeft(toggle->Window());
    EXPECT_EQ(171, BitmapShown(*toggle));
    Leave(*toggle);
    EXPECT_EQ(170, BitmapShown(*toggle)) << "leaving while pressed shows the mode again at once";
    unsigned sounds = SoundCount();
    ReleaseLeft(toggle->Window());
    EXPECT_TRUE(treeShown);
    EXPECT_EQ(sounds, SoundCount());
    EXPECT_EQ(170, BitmapShown(*toggle));

    Click(*toggle);
    EXPECT_FALSE(treeShown);
    EXPECT_EQ(169, BitmapShown(*toggle));
    EXPECT_EQ(sounds + 1, SoundCount());
    Click(*toggle);
    EXPECT_TRUE(treeShown);
    EXPECT_EQ(170, BitmapShown(*toggle));
}

TEST_F(SkinnedButtonTest, UpdateLookFollowsStateChangedElsewhere) {
    int column = 0;
    auto key = Make(ButtonKind::SortKey, {[] {}, {}, [&] { return column; }});
    EXPECT_EQ(200, BitmapShown(*key));
    column = 3;
    ValidateRect(key->Window(), nullptr);
    key->UpdateLook();
    EXPECT_EQ(209, BitmapShown(*key));
    EXPECT_TRUE(NeedsPaint(key->Window()));
    Enter(*key);
    EXPECT_EQ(210, BitmapShown(*key));
    PressLeft(key->Window());
    EXPECT_EQ(211, BitmapShown(*key));
    column = 99;
    key->UpdateLook();
    EXPECT_EQ(213, BitmapShown(*key)) << "a state beyond the member's sets takes its last";
}

TEST_F(SkinnedButtonTest, AStateButtonShowsItsNewStateAfterItsClick) {
    int direction = 0;
    auto sort = Make(ButtonKind::SortDirection, {[&] { direction = 1 - direction; }, {}, [&] { return direction; }});
    Enter(*sort);
    EXPECT_EQ(195, BitmapShown(*sort));
    PressLeft(sort->Window());
    EXPECT_EQ(196, BitmapShown(*sort));
    ReleaseLeft(sort->Window());
    EXPECT_EQ(1, direction);
    EXPECT_EQ(197, BitmapShown(*sort));
    Enter(*sort);
    EXPECT_EQ(198, BitmapShown(*sort));
}

TEST_F(SkinnedButtonTest, TheEraserShowsBothFlagsInItsNormalAndHoverLooks) {
    bool hideMode = false, magnifier = false;
    auto eraser =
        Make(ButtonKind::Eraser, {[&] { hideMode = !hideMode; }, {}, [&] { return EraserState(hideMode, magnifier); }});
    std::vector<int> normals, hovers;
    for (int flags = 0; flags < 4; ++flags) {
        hideMode = flags & 1;
        magnifier = flags & 2;
        Leave(*eraser);
        eraser->UpdateLook();
        normals.push_back(BitmapShown(*eraser));
        Enter(*eraser);
        hovers.push_back(BitmapShown(*eraser));
    }
    std::vector<int> all = normals;
    all.insert(all.end(), hovers.begin(), hovers.end());
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]) << i << " " << j;
    hideMode = false;
    magnifier = false;
    Leave(*eraser);
    Click(*eraser);
    EXPECT_TRUE(hideMode);
    EXPECT_EQ(normals[1], BitmapShown(*eraser));
}

TEST_F(SkinnedButtonTest, PageButtonsShowWhetherTheirPageIsShown) {
    int page = 1;
    std::vector<std::unique_ptr<SkinnedButton>> pages;
    for (int p = 1; p <= 7; ++p) {
        auto kind = static_cast<ButtonKind>(static_cast<int>(ButtonKind::Page1) + p - 1);
        pages.push_back(Make(kind, {[&page, p] { page = p; }, {}, [&page, p] { return PageState(page == p); }}));
    }
    EXPECT_EQ(303, BitmapShown(*pages[0]));
    EXPECT_EQ(268, BitmapShown(*pages[1]));
    Click(*pages[6]);
    EXPECT_EQ(7, page);
    EXPECT_EQ(402, BitmapShown(*pages[6]));
    pages[0]->UpdateLook();
    EXPECT_EQ(302, BitmapShown(*pages[0]));
}

TEST_F(SkinnedButtonTest, TheNewTabButtonLeavesTheSoundToTheNewTab) {
    int tabs = 0;
    auto newTab = Make(ButtonKind::NewTab, {[&] { ++tabs; }, {}, {}});
    unsigned sounds = SoundCount();
    Click(*newTab);
    EXPECT_EQ(1, tabs);
    EXPECT_EQ(sounds, SoundCount());
}

TEST_F(SkinnedButtonTest, CommandActionsReachTheirWindow) {
    auto ok = Make(ButtonKind::Ok, {CommandAction(host_.Window(), IDOK), {}, {}});
    auto defaults = Make(ButtonKind::Defaults, {CommandAction(host_.Window(), 2003), {}, {}});
    Click(*ok);
    Click(*defaults);
    EXPECT_EQ((std::vector<int>{IDOK, 2003}), host_.Commands());
}

TEST_F(SkinnedButtonTest, ACloseButtonThatDestroysItsWindowSurvivesItsOwnClick) {
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60, host_.Window(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SkinnedButton close(theme_, ButtonKind::Close, {DestroyWindowAction(frame), {}, {}});
    close.Place(frame, 10, 10, 1124, nullptr);
    Click(close);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(nullptr, close.Window());
    close.UpdateLook();
}

TEST_F(SkinnedButtonTest, AnObjectDeletedByItsClickIsNotTouchedAfterwards) {
    auto* ok = new SkinnedButton(theme_, ButtonKind::Ok);
    HWND window = nullptr;
    ok->SetActions({[&] {
                        delete ok;
                        ok = nullptr;
                    },
                    {},
                    {}});
    ok->Place(host_.Window(), 0, 0, 1, nullptr);
    window = ok->Window();
    Click(*ok);
    EXPECT_EQ(nullptr, ok);
    EXPECT_EQ(nullptr, GetPropA(window, "CPP_CLASS"));
}

// The pixel of the control's window and of the shown bitmap at the same place.
COLORREF WindowPixel(HWND window, int x, int y) {
    WindowDC dc(window);
    return GetPixel(dc.Get(), x, y);
}

COLORREF BitmapPixel(int id, int x, int y) {
    Bitmap bitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    WindowDC screen(nullptr);
    MemoryDC memory(screen.Get());
    SelectedObject selected(memory.Get(), bitmap.Get());
    return GetPixel(memory.Get(), x, y);
}

TEST_F(SkinnedButtonTest, PaintDrawsTheCurrentLookOverWhiteWhereTheBitmapIsTransparent) {
    auto back = Make(ButtonKind::Back);
    for (int look : {0, 2, 3}) {
        SCOPED_TRACE(look);
        back->SetImage(look);
        InvalidateRect(back->Window(), nullptr, FALSE);
        UpdateWindow(back->Window());
        EXPECT_FALSE(NeedsPaint(back->Window()));
        int id = back->Skin().bitmaps[look];
        int inked = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 22; ++x) {
                COLORREF source = BitmapPixel(id, x, y);
                COLORREF shown = WindowPixel(back->Window(), x, y);
                EXPECT_EQ(source, shown) << x << "," << y;
                if (source != RGB(255, 255, 255)) ++inked;
            }
        EXPECT_GT(inked, 20) << "the look draws something";
    }
}

}  // namespace
