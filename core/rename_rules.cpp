#include "core/rename_rules.h"

#include <cstring>

namespace renaming {

namespace {

constexpr char kForbidden[] = "\\;:,\"*?/<>|";

}  // namespace

const char* const kRefusalText = "ファイル名に以下の文字は使えません。\r\n\\ ; : , \" * ? / < > |";

bool HasForbiddenCharacter(const std::string& name, dbcs::LeadBytePredicate isLead) {
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(name[i]);
        if (byte == 0) return false;
        if (isLead(byte)) {
            if (i + 1 >= name.size() || name[i + 1] == '\0') return false;
            ++i;
            continue;
        }
        if (std::strchr(kForbidden, name[i])) return true;
    }
    return false;
}

EditedName SplitForEditing(const std::string& displayName, bool isFolder) {
    if (isFolder) return EditedName{displayName, std::string()};
    // A dot is never the trail byte of a double-byte character, so the last one is found plainly.
    size_t dot = displayName.rfind('.');
    if (dot == std::string::npos) return EditedName{displayName, std::string()};
    return EditedName{displayName.substr(0, dot), displayName.substr(dot + 1)};
}

std::string JoinEdited(const EditedName& edited, bool isFolder) {
    if (isFolder || edited.extension.empty()) return edited.name;
    return edited.name + "." + edited.extension;
}

bool FitsInFolder(const std::string& folderPath, const std::string& name, dbcs::LeadBytePredicate isLead) {
    size_t separator = dbcs::EndsInBackslash(folderPath, isLead) ? 0 : 1;
    return folderPath.size() + separator + name.size() <= dbcs::kMaxTextBytes;
}

}  // namespace renaming
