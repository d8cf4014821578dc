#include "core/status_text.h"

#include <string>

std::string TotalStatusText(size_t itemCount, const std::string& sizeText) {
    return std::to_string(itemCount) + "個のオブジェクト(" + sizeText + ")";
}

std::string SelectionStatusText(size_t selectedCount, const std::string& sizeText) {
    return std::to_string(selectedCount) + "個のオブジェクトを選択(" + sizeText + ")";
}

std::string ComposeInfoTip(const InfoTipParts& parts, size_t bufferSize) {
    std::string tip;
    if (parts.name.size() < bufferSize) tip = parts.name;
    auto append = [&](const char* label, const std::string& value) {
        if (value.empty()) return;
        std::string part = std::string(label) + value;
        size_t separator = tip.empty() ? 0 : 1;
        if (tip.size() + separator + part.size() + 1 > bufferSize) return;
        if (separator) tip += '\n';
        tip += part;
    };
    append("サイズ:", parts.size);
    append("更新日時:", parts.date);
    append("属性:", parts.attributes);
    append("コメント:", parts.comment);
    return tip;
}
