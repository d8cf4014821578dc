// The bar above the favourites tree: white, with a black line along its bottom, holding the button
// that makes a new group.
#pragma once
#include <windows.h>

#include <memory>

#include "ui/skinned_button.h"
#include "ui/theme.h"
#include "win/subclass.h"

constexpr int kNewGroupButtonId = 2300;

class FavouritesBar {
public:
    // The bar window is the main window's; the bar paints it and puts the button on it.
    void Attach(HWND bar, const Theme& theme, ButtonActions newGroup);
    void Detach();
    SkinnedButton* NewGroupButton() const { return newGroup_.get(); }

private:
    static LRESULT Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void PaintInto(HDC dc, const RECT& client);

    std::unique_ptr<SkinnedButton> newGroup_;
    Subclass subclass_;
};
