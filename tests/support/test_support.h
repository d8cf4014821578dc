// Helpers shared by the tests that run the real program under Wine.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/startup.h"

// A fresh program folder in the temporary folder, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // Ends in a backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void RemoveTree(const std::string& folder);
bool WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

// A top-level window at (40, 40) of a class registered for the given procedure (registering it
// again is harmless); createParam reaches the procedure with WM_NCCREATE.
HWND CreateTestWindow(const char* className, WNDPROC procedure, DWORD exStyle, DWORD style, int width, int height,
                      void* createParam = nullptr);

// The text on the clipboard, or empty.
std::string ClipboardText();

// Each of red, green and blue within the tolerance of the expected colour.
testing::AssertionResult ColourNear(COLORREF expected, COLORREF actual, int tolerance);

// Dispatches messages until done() holds or the time is up; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// Dispatches messages for the whole time.
void Pump(DWORD milliseconds);
// The window answers a message sent from another thread within a second, while this thread runs
// the window's messages as its loop would.
bool AnswersWithinASecond(HWND window);

// The program started in this process, with its main window; destroyed and ended on scope exit.
class RunningProgram {
public:
    explicit RunningProgram(const StartOptions& options);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    HWND Window() const { return window_; }
    // Null when the start handed over to a running instance or failed.
    Application* App() const { return application_.get(); }
    MainWindow& Main() const { return application_->Main(); }
    AppContext& Context() const { return application_->Context(); }
    // Destroys the main window and runs the loop to its end, as quitting does; the application
    // object stays until the end of the scope, so that what it held can still be looked at.
    void Quit();

private:
    std::unique_ptr<Application> application_;
    HWND window_;
    bool ended_ = false;
};

// The main window of the program running in this process; the tests start one at a time.
MainWindow& RunningMain();

// Watches from another thread for message boxes with the given caption, records their texts
// and closes them, so that code which shows one does not wait for a user.
class MessageBoxCloser {
public:
    explicit MessageBoxCloser(std::string caption);
    ~MessageBoxCloser();
    std::vector<std::string> Texts();

private:
    std::string caption_;
    std::atomic<bool> stop_{false};
    std::vector<std::string> texts_;
    CRITICAL_SECTION lock_;
    std::thread thread_;
};

// Runs another process to its end while this thread keeps handling messages; returns its exit
// code, or -1 when it could not start or did not end in time.
int RunProcessPumping(const std::string& commandLine, DWORD timeoutMs = 30000);
std::string TestProgramPath(const char* exeName);
