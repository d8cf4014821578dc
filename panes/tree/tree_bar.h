// The bar above the folder tree: white, with a black line along its bottom, holding the eraser
// (the hide mode) and the magnifier (erased folders shown, and their menu on the right button).
#pragma once
#include <windows.h>

#include <memory>

#include "ui/skinned_button.h"
#include "ui/theme.h"
#include "win/subclass.h"

constexpr int kEraserButtonId = 1300;
constexpr int kMagnifierButtonId = 1301;

class TreeBar {
public:
    // The bar window is the main window's; the bar paints it and puts the buttons on it.
    void Attach(HWND bar, const Theme& theme, ButtonActions eraser, ButtonActions magnifier);
    void UpdateLooks();
    SkinnedButton* Eraser() const { return eraser_.get(); }
    SkinnedButton* Magnifier() const { return magnifier_.get(); }

private:
    static LRESULT Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void PaintInto(HDC dc, const RECT& client);

    std::unique_ptr<SkinnedButton> eraser_, magnifier_;
    Subclass subclass_;
};
