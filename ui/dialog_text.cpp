#include "ui/dialog_text.h"

#include <vector>

#include "core/dbcs_text.h"
#include "win/system_text.h"

std::string ControlText(HWND control, std::size_t maxBytes) {
    int length = GetWindowTextLengthA(control);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    int read = GetWindowTextA(control, buffer.data(), length + 1);
    std::string text(buffer.data(), static_cast<std::size_t>(read > 0 ? read : 0));
    return dbcs::CutToFit(text, maxBytes, &IsSystemLeadByte);
}
