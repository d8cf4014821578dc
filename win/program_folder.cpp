#include "win/program_folder.h"

#include <windows.h>

#include <cstdio>

#include "core/dbcs_text.h"
#include "win/system_text.h"

namespace {
std::string g_programFolder;
const char kDataFolderName[] = "data";
const char kPatternFolderName[] = "background";
}  // namespace

std::string ModuleProgramFolder() {
    char module[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string path(module, length);
    size_t separator = dbcs::FindLastOf(path, "\\/", &IsSystemLeadByte);
    return path.substr(0, separator == std::string::npos ? 0 : separator + 1);
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
