#include "app/startup.h"

#include "app/chrome.h"
#include "app/frame_buttons.h"
#include "core/handover.h"
#include "app/hotkey.h"
#include "app/lifecycle.h"
#include "app/main_window.h"
#include "win/program_folder.h"
#include "app/tray.h"
#include "win/owners.h"
#include "shell/shell_services.h"

namespace {

const char kInstanceMutexName[] = "Tsy_mutex_unique";
Handle g_instanceMutex;

void HandOverToRunningInstance(const std::vector<std::string>& arguments) {
    HWND running = FindWindowA(kMainWindowClass, nullptr);
    if (!running) return;
    std::vector<std::string> paths;
    for (const std::string& argument : arguments) {
        if (handover::FitsSlot(argument)) paths.push_back(argument);
        else ShowPathNotFound(argument.c_str());
    }
    if (!paths.empty()) {
        std::vector<char> record = handover::BuildRecord(paths);
        COPYDATASTRUCT copy{};
        copy.dwData = paths.size();
        copy.cbData = static_cast<DWORD>(record.size());
        copy.lpData = record.data();
        SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    }
    if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
    ShowWindow(running, SW_SHOW);
    SetForegroundWindow(GetLastActivePopup(running));
}

std::vector<ItemIdList> ConvertStartPaths(const std::vector<std::string>& arguments) {
    std::vector<ItemIdList> lists;
    for (const std::string& argument : arguments) lists.push_back(PathToItemList(argument.c_str()));
    return lists;
}

bool ReadNtPlatform() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

void ReleaseInstanceMutex() {
    if (!g_instanceMutex.Valid()) return;
    ReleaseMutex(g_instanceMutex.Get());
    g_instanceMutex.Reset();
}

HWND StartTessary(HINSTANCE instance, const StartOptions& options) {
    Handle mutex(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
    if (!mutex.Valid()) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        HandOverToRunningInstance(options.arguments);
        ReleaseMutex(mutex.Get());
        return nullptr;
    }
    g_instanceMutex = std::move(mutex);

    StartShellServices();
    SetProgramFolder(options.programFolder.empty() ? ModuleProgramFolder() : options.programFolder);
    SetStartPaths(ConvertStartPaths(options.arguments));
    if (!RegisterMainWindowClass(instance)) {
        SetStartPaths({});
        StopShellServices();
        ReleaseInstanceMutex();
        return nullptr;
    }
    SetNtPlatform(ReadNtPlatform());
    HWND mainWindow = CreateMainWindow(instance);
    if (!mainWindow) {
        SetStartPaths({});
        StopShellServices();
        ReleaseInstanceMutex();
        UnregisterMainWindowClass(instance);
        return nullptr;
    }
    if (TakeStartMaximisedRequest()) {
        ToggleMaximise(mainWindow);
        RefreshMaximiseButton();
    } else {
        int show = options.showCommand;
        if (show == SW_SHOWMINIMIZED || show == SW_SHOWMINNOACTIVE) show = SW_HIDE;
        ShowWindow(mainWindow, show);
    }
    UpdateWindow(mainWindow);
    AddTrayIcon(mainWindow, instance);
    ApplyHotKeySetting(mainWindow);
    return mainWindow;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void EndTessary(HINSTANCE instance) { UnregisterMainWindowClass(instance); }

int RunTessary(HINSTANCE instance, const StartOptions& options) {
    if (!StartTessary(instance, options)) return 0;
    int exitCode = RunMessageLoop();
    EndTessary(instance);
    return exitCode;
}
