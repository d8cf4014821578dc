#include "win/text_extent.h"

#include "win/owners.h"

SIZE MeasureText(HWND window, HFONT font, const std::string& text) {
    SIZE extent{0, 0};
    WindowDC dc(window);
    if (!dc.Get()) return extent;
    SelectedObject selectedFont(dc.Get(), font);
    if (!GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent)) return SIZE{0, 0};
    return extent;
}
