#include "core/list_search.h"

namespace search {

namespace {

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

void SearchState::Type(int virtualKey, char character) {
    if (!active || virtualKey == lastKey) {
        text.assign(1, character);
    } else if (text.size() < kTextLimit) {
        text += character;
    }
    active = true;
    lastKey = virtualKey;
}

bool StartsWith(std::string_view name, std::string_view text) {
    if (name.size() < text.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (FoldAscii(name[i]) != FoldAscii(text[i])) return false;
    return true;
}

int FindRow(size_t rowCount, int firstSelected, std::string_view text,
            const std::function<std::string(size_t)>& nameOf) {
    size_t start = firstSelected >= 0 ? static_cast<size_t>(firstSelected) + 1 : 0;
    for (size_t row = start; row < rowCount; ++row)
        if (StartsWith(nameOf(row), text)) return static_cast<int>(row);
    if (firstSelected < 0) return -1;
    for (size_t row = 0; row <= static_cast<size_t>(firstSelected) && row < rowCount; ++row)
        if (StartsWith(nameOf(row), text)) return static_cast<int>(row);
    return -1;
}

int NextRow(int row, size_t rowCount) {
    if (rowCount == 0) return -1;
    return (row < 0 || static_cast<size_t>(row) + 1 >= rowCount) ? 0 : row + 1;
}

int NextTabInList(int tabCount, int ownTab, int otherTab) {
    if (tabCount <= 0) return -1;
    if (otherTab >= 0 && tabCount == 2) return -1;
    int next = ownTab + 1;
    if (next == otherTab) ++next;
    if (next >= tabCount) next = otherTab == 0 ? 1 : 0;
    return next < tabCount ? next : -1;
}

}  // namespace search
