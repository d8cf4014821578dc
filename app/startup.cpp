#include "app/startup.h"

#include "app/hotkey.h"
#include "core/handover.h"
#include "shell/shell_services.h"
#include "win/owners.h"

namespace {

const char kInstanceMutexName[] = "Tsy_mutex_unique";

void HandOverToRunningInstance(const std::vector<std::string>& arguments) {
    HWND running = FindWindowA(kMainWindowClass, nullptr);
    if (!running) return;
    std::vector<std::string> paths;
    for (const std::string& argument : arguments) {
        if (handover::FitsSlot(argument)) paths.push_back(argument);
        else
            ShowPathNotFound(argument.c_str());
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

}  // namespace

Application::Application(HINSTANCE instance, const std::string& programFolder)
    : instance_(instance), context_(std::make_unique<AppContext>(instance, programFolder)) {}

Application::~Application() {
    main_.reset();
    if (classRegistered_) MainWindow::UnregisterClasses(instance_);
}

std::unique_ptr<Application> Application::Start(HINSTANCE instance, const StartOptions& options) {
    Handle mutex(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
    if (!mutex.Valid()) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        HandOverToRunningInstance(options.arguments);
        ReleaseMutex(mutex.Get());
        return nullptr;
    }
    std::unique_ptr<Application> application(
        new Application(instance, options.programFolder.empty() ? ModuleProgramFolder() : options.programFolder));
    AppContext& context = *application->context_;
    context.instanceMutex = std::move(mutex);
    std::vector<ItemIdList> startPaths = ConvertStartPaths(options.arguments);
    // A program that quit in this process may keep its class until its object goes.
    application->classRegistered_ = MainWindow::RegisterClass(instance);
    if (!application->classRegistered_ && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    application->main_ = std::make_unique<MainWindow>(context);
    MainWindow& main = *application->main_;
    if (!main.Create(std::move(startPaths))) return nullptr;
    HWND mainWindow = main.Handle();
    if (main.TakeStartMaximisedRequest()) {
        main.ToggleMaximise();
        main.RefreshMaximiseButton();
    } else {
        int show = options.showCommand;
        if (show == SW_SHOWMINIMIZED || show == SW_SHOWMINNOACTIVE) show = SW_HIDE;
        ShowWindow(mainWindow, show);
    }
    UpdateWindow(mainWindow);
    main.AddTrayIcon();
    ApplyHotKeySetting(mainWindow, context.settings);
    return application;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunTessary(HINSTANCE instance, const StartOptions& options) {
    std::unique_ptr<Application> application = Application::Start(instance, options);
    if (!application) return 0;
    return RunMessageLoop();
}
