#include <windows.h>

#include <cstdlib>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    StartOptions options;
    options.showCommand = showCommand;
    for (int i = 1; i < __argc; ++i) options.arguments.push_back(__argv[i]);
    return RunTessary(instance, options);
}
