// The one scheme behind every bitmap button: looks follow the mouse, the enabled flag and the
// owner's state; a click and a right press run the actions that the owning pane plugs in. What
// differs between members is their ButtonSkin.
#pragma once
#include <windows.h>

#include <functional>
#include <utility>

#include "ui/button_skins.h"
#include "ui/control_window.h"
#include "ui/theme.h"

// What the owner of a button supplies. An empty action does nothing; an empty state query means
// the member's built-in state, or state 0.
struct ButtonActions {
    ButtonActions() = default;
    ButtonActions(std::function<void()> onClick, std::function<void()> onRightPress = nullptr,
                  std::function<int()> stateQuery = nullptr)
        : click(std::move(onClick)), rightPress(std::move(onRightPress)), state(std::move(stateQuery)) {}

    std::function<void()> click;
    std::function<void()> rightPress;
    std::function<int()> state;
};

class SkinnedButton : public ControlWindow {
public:
    // The theme and the skin are not copied: they must outlive the button.
    SkinnedButton(const Theme& theme, ButtonKind kind, ButtonActions actions = {});
    SkinnedButton(const Theme& theme, const ButtonSkin& skin, ButtonActions actions = {});

    // For buttons that live as long as the program and are made before their owner's operations.
    void SetActions(ButtonActions actions) { actions_ = std::move(actions); }
    // Create with the member's size and transparent colour, showing its starting look. The bitmaps
    // are read when the button is first painted: many buttons are made hidden, some never show.
    void Place(HWND parent, int x, int y, int id, const char* tooltip);
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // Shows the look of the owner's current state.
    void UpdateLook();
    // Where the menus of most buttons open: the button's lower-left corner on the screen.
    POINT BottomLeftOnScreen() const;
    const ButtonSkin& Skin() const { return *skin_; }
    const Theme& Look() const { return theme_; }
    int State() const;

protected:
    void OnPaint(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnClick() override;
    void OnRightDown() override;
    void OnPressed() override;
    void OnReleaseOutside() override;
    void OnHoverEnter() override;
    void OnHoverLeave() override;
    void OnCaptureLost() override;

private:
    const ButtonLooks& Looks() const;
    bool AcceptsInput() const { return enabled_ || !skin_->disabledIgnoresInput; }
    bool HasHoverLook() const { return Looks().hover != kNoLook; }
    // The look at rest: disabled, else the state's normal look.
    int RestLook() const;
    // The look after an action: hover when the cursor is over the button and it has one.
    int SettledLook() const;
    void Show(int image);
    void FillImages();
    HBRUSH FillBrush() const;

    const Theme& theme_;
    const ButtonSkin* skin_;
    ButtonActions actions_;
    bool enabled_ = true;
    bool inRightPressAction_ = false;
    bool imagesFilled_ = false;
};

// Actions of the buttons that end or command their window.
std::function<void()> DestroyWindowAction(HWND window);
std::function<void()> EndDialogAction(HWND dialog, INT_PTR result);
std::function<void()> CommandAction(HWND window, int command);
