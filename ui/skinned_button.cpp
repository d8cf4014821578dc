#include "ui/skinned_button.h"

#include <algorithm>
#include <utility>

SkinnedButton::SkinnedButton(const Theme& theme, ButtonKind kind, ButtonActions actions)
    : SkinnedButton(theme, SkinOf(kind), std::move(actions)) {}

SkinnedButton::SkinnedButton(const Theme& theme, const ButtonSkin& skin, ButtonActions actions)
    : theme_(theme), skin_(&skin), actions_(std::move(actions)) {}

void SkinnedButton::Place(HWND parent, int x, int y, int id, const char* tooltip) {
    Create(parent, x, y, skin_->width, skin_->height, id, skin_->transparent, tooltip);
    imagesFilled_ = false;
    Show(SettledLook());
}

void SkinnedButton::FillImages() {
    HIMAGELIST images = Images();
    if (!images) return;
    imagesFilled_ = true;
    ImageList_RemoveAll(images);
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int id : skin_->bitmaps) {
        Bitmap bitmap(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
        if (!bitmap) {
            // A blank in its place keeps every later look at its own index.
            WindowDC screen(nullptr);
            bitmap.Reset(CreateCompatibleBitmap(screen.Get(), Width(), Height()));
            MemoryDC memory(screen.Get());
            SelectedObject selected(memory.Get(), bitmap.Get());
            RECT all{0, 0, Width(), Height()};
            Brush blank(CreateSolidBrush(HasTransparentColour() ? TransparentColour() : RGB(255, 255, 255)));
            FillRect(memory.Get(), &all, blank.Get());
        }
        if (HasTransparentColour()) ImageList_AddMasked(images, bitmap.Get(), TransparentColour());
        else
            ImageList_Add(images, bitmap.Get(), nullptr);
    }
}

int SkinnedButton::State() const {
    int count = static_cast<int>(skin_->looks.size());
    int state = 0;
    if (actions_.state) state = actions_.state();
    else if (skin_->builtInState)
        state = skin_->builtInState(Window());
    return std::clamp(state, 0, count - 1);
}

const ButtonLooks& SkinnedButton::Looks() const { return skin_->looks[State()]; }

int SkinnedButton::RestLook() const {
    if (!enabled_ && skin_->disabled != kNoLook) return skin_->disabled;
    return Looks().normal;
}

int SkinnedButton::SettledLook() const {
    if (AcceptsInput() && Hover() && HasHoverLook()) return Looks().hover;
    return RestLook();
}

void SkinnedButton::Show(int image) {
    SetImage(image);
    InvalidateWhole();
}

void SkinnedButton::SetEnabled(bool enabled) {
    bool was = enabled_;
    enabled_ = enabled;
    if (enabled && !was) SetImage(SettledLook());
    else if (!enabled && was)
        SetImage(RestLook());
    InvalidateWhole();
}

void SkinnedButton::UpdateLook() { Show(SettledLook()); }

POINT SkinnedButton::BottomLeftOnScreen() const {
    RECT bounds{};
    GetWindowRect(Window(), &bounds);
    return POINT{bounds.left, bounds.bottom};
}

HBRUSH SkinnedButton::FillBrush() const {
    switch (skin_->fill) {
    case ButtonFill::White: return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    case ButtonFill::TabBarBackground: return theme_.tabBackground.Get();
    case ButtonFill::None: break;
    }
    return nullptr;
}

void SkinnedButton::OnPaint(UINT, WPARAM, LPARAM) {
    if (!imagesFilled_) FillImages();
    PaintStandard(FillBrush(), skin_->drawStyle);
}

void SkinnedButton::OnPressed() {
    if (AcceptsInput()) Show(Looks().pressed);
}

void SkinnedButton::OnClick() {
    if (!AcceptsInput()) return;
    if (skin_->soundOnClick && theme_.buttonSound) theme_.buttonSound();
    // A copy, because the action may delete the button and with it the action itself.
    std::function<void()> click = actions_.click;
    DeletionWatch watch(this);
    if (click) click();
    if (watch.ObjectGone()) return;
    if (AcceptsInput()) Show(SettledLook());
}

void SkinnedButton::OnRightDown() {
    if (!actions_.rightPress) return;
    if (skin_->soundOnRightPress && theme_.buttonSound) theme_.buttonSound();
    if (!AcceptsInput()) return;
    if (skin_->pressedWhileRightMenu) {
        Show(Looks().pressed);
        if (Window()) UpdateWindow(Window());
    }
    std::function<void()> rightPress = actions_.rightPress;
    DeletionWatch watch(this);
    inRightPressAction_ = true;
    rightPress();
    if (watch.ObjectGone()) return;
    inRightPressAction_ = false;
    if (AcceptsInput()) Show(SettledLook());
}

void SkinnedButton::OnReleaseOutside() {
    if (AcceptsInput()) Show(RestLook());
}

void SkinnedButton::OnHoverEnter() {
    if (AcceptsInput() && HasHoverLook()) Show(Looks().hover);
}

void SkinnedButton::OnHoverLeave() {
    if (AcceptsInput()) Show(RestLook());
}

void SkinnedButton::OnCaptureLost() {
    // A hover look would outlast the hover that the lost capture ended; the pressed look of a
    // right-press menu stays while the menu holds the capture.
    if (AcceptsInput() && HasHoverLook() && !inRightPressAction_) Show(RestLook());
}

std::function<void()> DestroyWindowAction(HWND window) {
    return [window] { DestroyWindow(window); };
}

std::function<void()> EndDialogAction(HWND dialog, INT_PTR result) {
    return [dialog, result] { EndDialog(dialog, result); };
}

std::function<void()> CommandAction(HWND window, int command) {
    return [window, command] { SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0); };
}
