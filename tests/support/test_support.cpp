#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "win/file_read.h"

TempFolder::TempFolder() {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH * 2];
    std::snprintf(name, sizeof name, "%stsy_%lu_%d_%lu\\", temp, GetCurrentProcessId(), ++counter, GetTickCount());
    path_ = name;
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const std::string& folder) {
    std::string base = folder;
    if (base.empty()) return;
    if (base.back() != '\\') base += '\\';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(base + name);
            else {
                SetFileAttributesA((base + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA((base + name).c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(base.c_str());
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::string ReadBytes(const std::string& path) {
    // Far more than any file a test writes.
    constexpr size_t kLargestFile = 64u * 1024 * 1024;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, kLargestFile)) return std::string();
    return std::string(bytes.begin(), bytes.end());
}

HWND CreateTestWindow(const char* className, WNDPROC procedure, DWORD exStyle, DWORD style, int width, int height,
                      void* createParam) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(exStyle, className, "", style, 40, 40, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), createParam);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return done();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void Pump(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool AnswersWithinASecond(HWND window) {
    struct Probe {
        HWND window;
        bool answered = false;
    } probe{window, false};
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* parameter) -> DWORD {
            auto* probe = static_cast<Probe*>(parameter);
            DWORD_PTR result = 0;
            probe->answered = SendMessageTimeoutA(probe->window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
            return 0;
        },
        &probe, 0, nullptr);
    PumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, 5000);
    CloseHandle(thread);
    return probe.answered;
}

RunningProgram::RunningProgram(const StartOptions& options)
    : application_(Application::Start(GetModuleHandleA(nullptr), options)),
      window_(application_ ? application_->Window() : nullptr) {}

RunningProgram::~RunningProgram() { Quit(); }

void RunningProgram::Quit() {
    if (ended_) return;
    ended_ = true;
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    if (window_) RunMessageLoop();
}

MainWindow& RunningMain() {
    MainWindow* main = MainWindow::FromHandle(FindWindowA(kMainWindowClass, nullptr));
    if (!main) {
        ADD_FAILURE() << "no main window runs in this process";
        std::abort();
    }
    return *main;
}

MessageBoxCloser::MessageBoxCloser(std::string caption) : caption_(std::move(caption)) {
    InitializeCriticalSection(&lock_);
    thread_ = std::thread([this] {
        HWND recorded = nullptr;
        while (!stop_) {
            HWND box = FindWindowA("#32770", caption_.c_str());
            if (box) {
                std::string text;
                for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                    char className[32] = {}, childText[1024] = {};
                    GetClassNameA(child, className, sizeof className);
                    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, childText, sizeof childText) > 0)
                        text = childText;
                }
                if (box != recorded && !text.empty()) {
                    recorded = box;
                    EnterCriticalSection(&lock_);
                    texts_.push_back(text);
                    LeaveCriticalSection(&lock_);
                }
                if (box == recorded) PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(20);
        }
    });
}

MessageBoxCloser::~MessageBoxCloser() {
    stop_ = true;
    thread_.join();
    DeleteCriticalSection(&lock_);
}

std::vector<std::string> MessageBoxCloser::Texts() {
    EnterCriticalSection(&lock_);
    std::vector<std::string> texts = texts_;
    LeaveCriticalSection(&lock_);
    return texts;
}

int RunProcessPumping(const std::string& commandLine, DWORD timeoutMs) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    bool ended = PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD exitCode = static_cast<DWORD>(-1);
    if (ended) GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? static_cast<int>(exitCode) : -1;
}

std::string TestProgramPath(const char* exeName) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    return path.substr(0, path.find_last_of('\\') + 1) + exeName;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

testing::AssertionResult ColourNear(COLORREF expected, COLORREF actual, int tolerance) {
    if (std::abs(GetRValue(expected) - GetRValue(actual)) <= tolerance &&
        std::abs(GetGValue(expected) - GetGValue(actual)) <= tolerance &&
        std::abs(GetBValue(expected) - GetBValue(actual)) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected RGB(" << int(GetRValue(expected)) << ", "
                                       << int(GetGValue(expected)) << ", " << int(GetBValue(expected)) << ") got RGB("
                                       << int(GetRValue(actual)) << ", " << int(GetGValue(actual)) << ", "
                                       << int(GetBValue(actual)) << ")";
}
