// The program's entry: one instance per user, the hand-over of a second start's paths, the main
// window and the message loop.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/main_window.h"

struct StartOptions {
    std::vector<std::string> arguments;  // the command-line paths, without the program name
    int showCommand = SW_SHOWNORMAL;
    std::string programFolder;  // empty: the executable's folder
};

// The running program: its context and its main window. There is one per process at a time;
// tests make one for each program they start.
class Application {
public:
    // The first instance gets its main window, created and shown. A second start hands its paths
    // to the running instance and gets null, as does a start that fails.
    static std::unique_ptr<Application> Start(HINSTANCE instance, const StartOptions& options);
    // Destroys the main window if it is still there and unregisters the window classes.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HWND Window() const { return main_ ? main_->Handle() : nullptr; }
    MainWindow& Main() { return *main_; }
    AppContext& Context() { return *context_; }

private:
    Application(HINSTANCE instance, const std::string& programFolder);

    HINSTANCE instance_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> main_;
    bool classRegistered_ = false;
};

int RunMessageLoop();
int RunTessary(HINSTANCE instance, const StartOptions& options);
