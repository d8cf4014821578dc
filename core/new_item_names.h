// Free default names for the folders and empty files that the lists create. No Windows header:
// the choice is built and tested natively too.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

enum class NewItemKind { Folder, File };

// The longest path the program handles, in bytes without the terminator.
constexpr std::size_t kMaxPathBytes = 259;

const char* NewItemBaseName(NewItemKind kind);

struct NewItemName {
    std::string fullPath;
    std::string name;
};

// Only a drive ("C:", "C:\...") or a network share ("\\server\...") can take a new item; the path
// of a virtual folder is its display name, which would otherwise resolve against the current
// directory.
bool IsAbsoluteFolderPath(const std::string& folderPath);

// Tries the base name, then "(1)", "(2)", ... until `exists` says a candidate is free. Empty when
// the folder path is not absolute or the next candidate would not fit kMaxPathBytes.
NewItemName ChooseNewItemName(const std::string& folderPath, NewItemKind kind,
                              const std::function<bool(const std::string& fullPath)>& exists);
