#include "core/new_item_names.h"

#include <climits>

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

const char* NewItemBaseName(NewItemKind kind) {
    return kind == NewItemKind::Folder ? "新しいフォルダ" : "新規ファイル";
}

bool IsAbsoluteFolderPath(const std::string& folderPath) {
    if (folderPath.size() >= 2 && IsDriveLetter(folderPath[0]) && folderPath[1] == ':')
        return folderPath.size() == 2 || folderPath[2] == '\\';
    return folderPath.size() > 2 && folderPath[0] == '\\' && folderPath[1] == '\\';
}

NewItemName ChooseNewItemName(const std::string& folderPath, NewItemKind kind,
                              const std::function<bool(const std::string& fullPath)>& exists) {
    if (!IsAbsoluteFolderPath(folderPath)) return {};
    const std::string base = NewItemBaseName(kind);
    std::string name = base;
    for (int number = 1; number < INT_MAX; ++number) {
        std::string fullPath = folderPath + "\\" + name;
        // Each candidate is at least as long as the one before, so none after it fits either.
        if (fullPath.size() > kMaxPathBytes) return {};
        if (!exists(fullPath)) return {fullPath, name};
        name = base + "(" + std::to_string(number) + ")";
    }
    return {};
}
