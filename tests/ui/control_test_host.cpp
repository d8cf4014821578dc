#include "tests/ui/control_test_host.h"

#include <commctrl.h>

namespace {

constexpr char kHostClass[] = "TsyControlTestHost";

void RegisterHostClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kHostClass;
    registered = RegisterClassA(&wc) != 0;
}

// Where the test last put the cursor; the button helpers put it there again before each press
// or release, since the display may have moved it back meanwhile.
POINT g_intendedCursor{0, 0};

LPARAM ClientPoint(HWND control) {
    PlaceCursor(g_intendedCursor);
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(control, &cursor);
    return MAKELPARAM(cursor.x, cursor.y);
}

}  // namespace

ControlTestHost::ControlTestHost() {
    RegisterHostClass(&ControlTestHost::Procedure);
    window_ = CreateWindowExA(0, kHostClass, "host", WS_POPUP | WS_VISIBLE, 200, 150, 320, 200, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ControlTestHost::~ControlTestHost() {
    if (IsWindow(window_)) DestroyWindow(window_);
    DiscardQueuedInput();
}

LRESULT CALLBACK ControlTestHost::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<ControlTestHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && host) host->commands_.push_back(LOWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

bool CursorAt(POINT point) {
    POINT now;
    GetCursorPos(&now);
    return now.x == point.x && now.y == point.y;
}

void PlaceCursor(POINT point) {
    g_intendedCursor = point;
    // The system takes the new position through the input queue, and the display reports the
    // move late; so the queued motion is let in and dropped until the cursor has stayed where it
    // was put over a few rounds.
    int steady = 0;
    for (int round = 0; round < 200 && steady < 3; ++round) {
        if (!CursorAt(point)) {
            SetCursorPos(point.x, point.y);
            steady = 0;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        DiscardQueuedInput();
        steady = CursorAt(point) ? steady + 1 : 0;
    }
}

void MoveMouse(HWND control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control, &point);
    PlaceCursor(point);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

int OutsideX(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    return client.right + 12;
}

POINT HostCorner(HWND host) {
    RECT client;
    GetClientRect(host, &client);
    POINT corner{client.right - 6, client.bottom - 6};
    ClientToScreen(host, &corner);
    return corner;
}

void PressLeft(HWND control) { SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(control)); }

void ReleaseLeft(HWND control) { SendMessageA(control, WM_LBUTTONUP, 0, ClientPoint(control)); }

void PressRight(HWND control) { SendMessageA(control, WM_RBUTTONDOWN, MK_RBUTTON, ClientPoint(control)); }

void DiscardQueuedInput() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {}
}
