// The rules of the program's own rename of a list item: which characters a new name may not hold,
// how a name is split into the two fields of the editor and joined again, and whether the new path
// still fits. No Windows header: built and tested natively too.
#pragma once
#include <string>

#include "core/dbcs_text.h"

namespace renaming {

// The eleven characters that a new name may not hold, as the refusal lists them.
extern const char* const kRefusalText;

// Whether a single-byte character of the name is one of the eleven; the trail byte of a
// double-byte character, such as the 5C of 表 (95 5C), never counts. A lead byte with nothing
// after it ends the walk.
bool HasForbiddenCharacter(const std::string& name, dbcs::LeadBytePredicate isLead);

struct EditedName {
    std::string name;
    std::string extension;  // without its dot; unused for folders
};

// A file's name is split at its last dot; a folder's stays whole in the name field.
EditedName SplitForEditing(const std::string& displayName, bool isFolder);
// The name field and, for a file with an extension, a dot and the extension field; emptying the
// extension field takes the extension away.
std::string JoinEdited(const EditedName& edited, bool isFolder);

// Whether the folder's path, a backslash and the name make a path of at most 259 bytes.
bool FitsInFolder(const std::string& folderPath, const std::string& name, dbcs::LeadBytePredicate isLead);

}  // namespace renaming
