#include "app/panes.h"

PaneWindows g_panes;

namespace {

struct PaneClass {
    const char* className;
    const char* windowName;
    bool whiteBackground;
    HWND PaneWindows::*window;
};

const PaneClass kPaneClasses[] = {
    {"TabBar", "TABBAR", false, &PaneWindows::tabBar},
    {"CtrlTree", "CTRLTREE", true, &PaneWindows::treeHeader},
    {"CtrlFav", "CTRLFAV", true, &PaneWindows::favouritesHeader},
    {"CtrlListMain", "CTRLLISTMAIN", false, &PaneWindows::mainHeader},
    {"CtrlListSub", "CTRLLISTSUB", false, &PaneWindows::subHeader},
    {"InfoListMain", "INFOLISTMAIN", true, &PaneWindows::mainInfo},
    {"InfoListSub", "INFOLISTSUB", true, &PaneWindows::subInfo},
};

// Until a bar's own drawing takes over, a bar without a background shows the panel's face
// rather than whatever was on the screen.
LRESULT CALLBACK PlainPaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND && !GetClassLongPtrA(window, GCLP_HBRBACKGROUND)) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void CreatePaneWindows(HWND mainWindow, HINSTANCE instance) {
    for (const PaneClass& pane : kPaneClasses) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = PlainPaneProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.hbrBackground = pane.whiteBackground ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)) : nullptr;
        windowClass.lpszClassName = pane.className;
        RegisterClassExA(&windowClass);
        g_panes.*pane.window = CreateWindowExA(0, pane.className, pane.windowName, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0,
                                               0, mainWindow, nullptr, instance, nullptr);
    }
}

void UnregisterPaneClasses(HINSTANCE instance) {
    for (const PaneClass& pane : kPaneClasses) UnregisterClassA(pane.className, instance);
}
