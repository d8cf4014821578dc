// The real program started inside a benchmark, on a program folder of the benchmark's own.
#pragma once
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/startup.h"
#include "bench/bench_clock.h"

// A program folder of the benchmark's own in the temporary folder, with its data folder, and no
// tabs remembered from an earlier run. Its path has no trailing backslash.
inline std::string FreshProgramFolder(const char* name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp) + name;
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "\\data").c_str(), nullptr);
    DeleteFileA((root + "\\data\\tablist.dat").c_str());
    return root;
}

// Starts the program with `arguments` as its command line in the program folder `root` and lets
// it settle; null, having said so, when it did not start.
inline MainWindow* StartBenchProgram(std::unique_ptr<Application>& application, const std::string& root,
                                     std::vector<std::string> arguments) {
    StartOptions options;
    options.arguments = std::move(arguments);
    options.programFolder = root + "\\";
    application = Application::Start(GetModuleHandleA(nullptr), options);
    MainWindow* main = application ? MainWindow::FromHandle(application->Window()) : nullptr;
    if (!main) {
        std::printf("the program did not start\n");
        return nullptr;
    }
    Pump(500);
    return main;
}
