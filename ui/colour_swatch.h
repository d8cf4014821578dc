// A button that shows a colour and lets the user choose another with the system's colour
// chooser. The colour lives in the object until its owner reads it back.
#pragma once
#include <windows.h>

#include <array>

#include "win/subclass.h"

// The chooser's sixteen custom colours, kept by whoever keeps them between choices.
using CustomColours = std::array<COLORREF, 16>;

class ColourSwatch {
public:
    ColourSwatch() = default;
    ColourSwatch(const ColourSwatch&) = delete;
    ColourSwatch& operator=(const ColourSwatch&) = delete;

    HWND Create(HWND parent, const RECT& box, int id);
    // Opens the colour chooser owned by `owner`; true when the user chose a colour.
    bool Choose(HWND owner, CustomColours& customColours);
    void SetColour(COLORREF colour);
    COLORREF Colour() const { return colour_; }
    HWND Window() const { return window_; }

private:
    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND window_ = nullptr;
    COLORREF colour_ = 0;
    Subclass subclass_;
};
