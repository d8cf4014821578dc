#include "ui/dialog_text.h"

#include <vector>

std::string ControlText(HWND control, std::size_t maxBytes) {
    int length = GetWindowTextLengthA(control);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    int read = GetWindowTextA(control, buffer.data(), length + 1);
    std::string text(buffer.data(), static_cast<std::size_t>(read > 0 ? read : 0));
    std::size_t fits = 0;
    while (fits < text.size()) {
        std::size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[fits])) ? 2 : 1;
        if (fits + width > maxBytes || fits + width > text.size()) break;
        fits += width;
    }
    text.resize(fits);
    return text;
}
