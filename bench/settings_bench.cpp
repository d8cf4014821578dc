// Settings dialog benchmark, in the running program: the time from asking for the dialog to the
// dialog waiting for input with its seven pages made and filled, against the same empty dialog
// template opened with nothing in it, over the same owner.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/startup.h"
#include "bench/bench_program.h"
#include "res/ids.h"
#include "win/subclass.h"

namespace {

constexpr int kOpenings = 10;

// Ends each dialog of the owner as soon as it first waits for input, noting when that was.
struct IdleCloser {
    double idleAt = 0;
    Subclass subclass;

    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<IdleCloser*>(context);
        if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && self->idleAt == 0) {
            self->idleAt = Now();
            PostMessageA(reinterpret_cast<HWND>(lParam), WM_COMMAND, IDCANCEL, 0);
        }
        return Subclass::CallNext(window, message, wParam, lParam);
    }
};

INT_PTR CALLBACK EmptyDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return FALSE;
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::string root = FreshProgramFolder("tessary_settings");
    std::unique_ptr<Application> application;
    MainWindow* main = StartBenchProgram(application, root, {});
    if (!main) return 1;
    IdleCloser closer;
    closer.subclass.Attach(main->Handle(), &IdleCloser::Procedure, &closer);

    Timing empty, settings;
    for (int opening = 0; opening < kOpenings; ++opening) {
        closer.idleAt = 0;
        double start = Now();
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), main->Handle(), EmptyDialog, 0);
        empty.Add(closer.idleAt - start);

        closer.idleAt = 0;
        start = Now();
        main->OpenSettings();
        settings.Add(closer.idleAt - start);
    }
    closer.subclass.Detach();
    std::printf(
        "settings dialog open to input: %.1f ms average, %.1f ms worst (goal 300 ms); "
        "the empty template: %.1f ms (%.1fx)\n",
        settings.Average(), settings.longest, empty.Average(),
        empty.Average() > 0 ? settings.Average() / empty.Average() : 0.0);
    DestroyWindow(main->Handle());
    Pump(200);
    return 0;
}
