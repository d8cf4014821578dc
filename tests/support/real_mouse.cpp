#include "tests/support/real_mouse.h"

#include "tests/support/test_support.h"

namespace {

bool CursorAt(POINT screen) {
    POINT now;
    GetCursorPos(&now);
    return now.x == screen.x && now.y == screen.y;
}

}  // namespace

void SendMouse(DWORD flags, DWORD data) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof input);
}

void SendClick(DWORD downFlag, DWORD upFlag) {
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = downFlag;
    clicks[1].mi.dwFlags = upFlag;
    SendInput(2, clicks, sizeof(INPUT));
}

// The display reports a move late and may put the cursor back for a moment, so the move is sent
// again until the cursor has stayed where it was sent over a few rounds.
void MouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((screen.x * 65535LL) / (GetSystemMetrics(SM_CXSCREEN) - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535LL) / (GetSystemMetrics(SM_CYSCREEN) - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    int steady = 0;
    for (int round = 0; round < 100 && steady < 4; ++round) {
        if (!CursorAt(screen)) {
            SendInput(1, &input, sizeof input);
            steady = 0;
        }
        PumpUntil([] { return false; }, 20);
        steady = CursorAt(screen) ? steady + 1 : 0;
    }
}

void ClickAt(POINT screen, DWORD downFlag, DWORD upFlag) {
    MouseTo(screen);
    SendMouse(downFlag);
    SendMouse(upFlag);
    Pump(300);
}
