#include "win/program_folder.h"

#include <windows.h>

#include <cstdio>

namespace {
std::string g_programFolder;
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

void SetProgramFolder(const std::string& folder) { g_programFolder = folder; }

const std::string& ProgramFolder() { return g_programFolder; }

std::string DataFolder() { return g_programFolder + kDataFolderName; }

std::string PatternFolder() { return g_programFolder + kPatternFolderName; }

std::string DataFilePath(const char* fileName) {
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof path, "%s%s\\%s", g_programFolder.c_str(), kDataFolderName, fileName);
    return path;
}
