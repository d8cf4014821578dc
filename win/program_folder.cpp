#include "win/program_folder.h"

#include <windows.h>

#include <cstdio>

namespace {
const char kDataFolderName[] = "data";
const char kPatternFolderName[] = "background";
}  // namespace

std::string ModuleProgramFolder() {
    char module[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    size_t folderEnd = 0;
    for (size_t i = 0; i < length; ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(module[i])) && i + 1 < length) {
            ++i;
            continue;
        }
        if (module[i] == '\\' || module[i] == '/') folderEnd = i + 1;
    }
    return std::string(module, folderEnd);
}

std::string ProgramFolder::DataFolder() const { return path_ + kDataFolderName; }

std::string ProgramFolder::PatternFolder() const { return path_ + kPatternFolderName; }

std::string ProgramFolder::DataFile(const char* fileName) const {
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof path, "%s%s\\%s", path_.c_str(), kDataFolderName, fileName);
    return path;
}
