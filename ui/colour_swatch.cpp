#include "ui/colour_swatch.h"

#include <commdlg.h>

#include "win/owners.h"

HWND ColourSwatch::Create(HWND parent, const RECT& box, int id) {
    // Owner-drawn, so that the control itself draws no face over the colour.
    window_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, box.left, box.top,
                              box.right - box.left, box.bottom - box.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    subclass_.Attach(window_, &ColourSwatch::Procedure, this);
    return window_;
}

bool ColourSwatch::Choose(HWND owner, CustomColours& customColours) {
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = colour_;
    choice.lpCustColors = customColours.data();
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choice)) return false;
    SetColour(choice.rgbResult);
    return true;
}

void ColourSwatch::SetColour(COLORREF colour) {
    colour_ = colour & 0xFFFFFF;
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void ColourSwatch::Paint() {
    PaintDC paint(window_);
    RECT box{};
    GetClientRect(window_, &box);
    DrawEdge(paint.Get(), &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    // A disabled choice shows the face instead of a colour that would not be used.
    Brush fill(CreateSolidBrush(IsWindowEnabled(window_) ? colour_ : GetSysColor(COLOR_BTNFACE)));
    FillRect(paint.Get(), &box, fill.Get());
    if (GetFocus() == window_) {
        InflateRect(&box, -2, -2);
        DrawFocusRect(paint.Get(), &box);
    }
}

LRESULT ColourSwatch::Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ColourSwatch*>(context);
    switch (message) {
    case WM_PAINT: self->Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(window, nullptr, FALSE); break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
