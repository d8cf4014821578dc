// The program's entry: one instance per user, the hand-over of a second start's paths, the main
// window and the message loop.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct StartOptions {
    std::vector<std::string> arguments;   // the command-line paths, without the program name
    int showCommand = SW_SHOWNORMAL;
    std::string programFolder;            // empty: the executable's folder
};

// The first instance gets its main window, created and shown. A second start hands its paths
// to the running instance and gets null, as does a start that fails.
HWND StartTessary(HINSTANCE instance, const StartOptions& options);
int RunMessageLoop();
void EndTessary(HINSTANCE instance);

int RunTessary(HINSTANCE instance, const StartOptions& options);

// Lets go of the single-instance mutex; the main window does this while it is destroyed.
void ReleaseInstanceMutex();
