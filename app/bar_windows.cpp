#include "app/bar_windows.h"

namespace {

struct PaneClass {
    const char* className;
    const char* windowName;
    bool whiteBackground;
    HWND BarWindows::*window;
};

const PaneClass kPaneClasses[] = {
    {"TabBar", "TABBAR", false, &BarWindows::tabBar},
    {"CtrlTree", "CTRLTREE", true, &BarWindows::treeHeader},
    {"CtrlFav", "CTRLFAV", true, &BarWindows::favouritesHeader},
    {"CtrlListMain", "CTRLLISTMAIN", false, &BarWindows::mainHeader},
    {"CtrlListSub", "CTRLLISTSUB", false, &BarWindows::subHeader},
    {"InfoListMain", "INFOLISTMAIN", true, &BarWindows::mainInfo},
    {"InfoListSub", "INFOLISTSUB", true, &BarWindows::subInfo},
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

void BarWindows::Create(HWND mainWindow, HINSTANCE instance) {
    for (const PaneClass& pane : kPaneClasses) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = PlainPaneProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = pane.whiteBackground ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)) : nullptr;
        windowClass.lpszClassName = pane.className;
        RegisterClassExA(&windowClass);
        this->*pane.window = CreateWindowExA(0, pane.className, pane.windowName, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                             mainWindow, nullptr, instance, nullptr);
    }
}

void UnregisterBarClasses(HINSTANCE instance) {
    for (const PaneClass& pane : kPaneClasses) UnregisterClassA(pane.className, instance);
}
