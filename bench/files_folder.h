// The folders of empty files that the listing and memory benchmarks list, made once in the
// temporary folder and kept for later runs: making 100,000 files takes minutes under Wine.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

// The root that holds them, with its trailing backslash.
inline std::string FilesFolderRoot() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp) + "tessary_listing\\";
    CreateDirectoryA(root.c_str(), nullptr);
    return root;
}

// A folder of `count` empty files under the root.
inline std::string FolderOfFiles(const std::string& root, int count) {
    std::string folder = root + "files_" + std::to_string(count);
    std::string marker = folder + "\\..complete";
    if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return folder;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "\\file%06d.txt", i);
        HANDLE file = CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
    return folder;
}
