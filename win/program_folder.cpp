#include "win/program_folder.h"

#include <windows.h>

#include <cstdio>

#include "core/dbcs_text.h"
#include "win/system_text.h"

namespace {
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

std::string ProgramFolder::DataFolder() const { return path_ + kDataFolderName; }

std::string ProgramFolder::PatternFolder() const { return path_ + kPatternFolderName; }

std::string ProgramFolder::DataFile(const char* fileName) const {
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof path, "%s%s\\%s", path_.c_str(), kDataFolderName, fileName);
    return path;
}
