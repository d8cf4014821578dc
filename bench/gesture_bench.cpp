// Gesture benchmark, in the running program: the time of one mouse move through a folder list
// while a gesture is drawn on it (the recogniser, the arrows written into the info strip and the
// strip painted), against the same moves with no gesture and against the list's own hit test.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "app/startup.h"
#include "bench/bench_program.h"

namespace {

constexpr int kFiles = 20;
constexpr int kMoves = 2000;

// The path the pointer takes: a zigzag that adds a stroke every 30 moves until the code is full,
// then keeps turning, with a pixel of jitter on the other axis.
POINT PathPoint(POINT start, int move) {
    int leg = move / 30;
    int along = move % 30;
    bool horizontal = leg % 2 == 0;
    int sign = (leg / 2) % 2 == 0 ? -1 : 1;
    POINT at = start;
    if (horizontal) {
        at.x += sign * along;
        at.y += move % 2;
    } else {
        at.y += sign * along;
        at.x += move % 2;
    }
    return at;
}

LPARAM ClientParam(POINT client) { return MAKELPARAM(client.x, client.y); }

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::string root = FreshProgramFolder("tessary_gesture");
    std::string files = root + "\\files";
    CreateDirectoryA(files.c_str(), nullptr);
    std::string ini = root + "\\data\\t.ini";
    WritePrivateProfileStringA("SIZE", "WIDTH", "800", ini.c_str());
    WritePrivateProfileStringA("SIZE", "HEIGHT", "700", ini.c_str());
    for (int index = 0; index < kFiles; ++index) {
        char name[32];
        std::snprintf(name, sizeof name, "\\g%04d.txt", index);
        HANDLE file = CreateFileA((files + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }

    std::unique_ptr<Application> application;
    MainWindow* main = StartBenchProgram(application, root, {files});
    if (!main) return 1;
    main->Context().gestures.SetEnabled(true);
    ListPane& pane = main->MainList();
    HWND list = pane.Window();
    // In the details style the rows stand at the top; the gesture is drawn in the space below them.
    pane.SetViewStyle(1, false);
    Pump(200);
    RECT client{};
    GetClientRect(list, &client);
    POINT start{client.right / 2, client.bottom - 40};
    LVHITTESTINFO probe{};
    probe.pt = start;
    // A press on a row would start the control's own wait for the button to come up.
    if (SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&probe)) != -1) {
        std::printf("no empty space under the rows\n");
        return 1;
    }

    Timing hitTests;
    for (int move = 0; move < kMoves; ++move) {
        LVHITTESTINFO hit{};
        hit.pt = PathPoint(start, move);
        double before = Now();
        SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        hitTests.Add(Now() - before);
    }

    Timing plainMoves;
    for (int move = 0; move < kMoves; ++move) {
        LPARAM at = ClientParam(PathPoint(start, move));
        double before = Now();
        SendMessageA(list, WM_MOUSEMOVE, 0, at);
        plainMoves.Add(Now() - before);
    }
    Pump(100);

    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, ClientParam(start));
    bool began = main->Context().gestures.Active();
    Timing gestureMoves;
    for (int move = 0; move < kMoves; ++move) {
        LPARAM at = ClientParam(PathPoint(start, move));
        double before = Now();
        SendMessageA(list, WM_MOUSEMOVE, MK_RBUTTON, at);
        gestureMoves.Add(Now() - before);
    }
    std::string arrows = pane.Info().StatusText();
    // The eight strokes drawn have no action: the release ends the gesture and nothing else.
    SendMessageA(list, WM_RBUTTONUP, 0, ClientParam(PathPoint(start, kMoves - 1)));

    std::printf("Gesture benchmark (%d moves over a list of %d files%s)\n", kMoves, kFiles,
                began ? "" : "; NO GESTURE BEGAN");
    std::printf("  list hit test alone:                %.4f ms a call (longest %.3f ms)\n", hitTests.Average(),
                hitTests.longest);
    std::printf("  mouse move, no gesture:             %.4f ms a move (longest %.3f ms)\n", plainMoves.Average(),
                plainMoves.longest);
    std::printf(
        "  mouse move while drawing a gesture: %.4f ms a move (longest %.3f ms), %.1f x a plain move; "
        "goal under 1 ms\n",
        gestureMoves.Average(), gestureMoves.longest,
        plainMoves.Average() > 0 ? gestureMoves.Average() / plainMoves.Average() : 0);
    std::printf("  strip text at the end of the drawing: %zu bytes of arrows\n", arrows.size());
    application.reset();
    return 0;
}
