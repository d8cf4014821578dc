#include "app/main_window.h"

#include <windowsx.h>

#include "app/chrome.h"
#include "app/frame_buttons.h"
#include "app/frame_paint.h"
#include "app/handover_receiver.h"
#include "app/lifecycle.h"
#include "app/main_layout.h"
#include "app/panes.h"
#include "app/splitter.h"
#include "app/tray.h"
#include "app/window_menus.h"
#include "shell/shell_services.h"

const char kMainWindowClass[] = "tessary";

namespace {

constexpr int kProgramIcon = 307;
constexpr int kMinimumTrackWidth = 300;

LRESULT FrameHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
    LRESULT standard = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    if (IsZoomed(window)) return standard;
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(window, &point);
    layout::Hit hit = layout::HitTest(ClientRect(window), {point.x, point.y}, g_layout.modes.mode, g_layout.splitter);
    switch (hit) {
    case layout::Hit::TopLeft: return HTTOPLEFT;
    case layout::Hit::TopRight: return HTTOPRIGHT;
    case layout::Hit::BottomLeft: return HTBOTTOMLEFT;
    case layout::Hit::BottomRight: return HTBOTTOMRIGHT;
    case layout::Hit::Top: return HTTOP;
    case layout::Hit::Left: return HTLEFT;
    case layout::Hit::Bottom: return HTBOTTOM;
    case layout::Hit::Right: return HTRIGHT;
    case layout::Hit::Client: return standard;
    case layout::Hit::Caption: return standard == HTCLIENT ? HTCAPTION : standard;
    }
    return standard;
}

bool SetSplitterCursor(HWND window) {
    if (g_layout.modes.mode == layout::kListsOnly) return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    if (!g_layout.splitter.Contains(point.x, point.y)) return false;
    SetCursor(LoadCursorA(nullptr, g_layout.splitterVertical ? IDC_SIZEWE : IDC_SIZENS));
    return true;
}

void LimitToWorkArea(MINMAXINFO* limits) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    limits->ptMaxPosition = POINT{work.left, work.top};
    limits->ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
    limits->ptMinTrackSize.x = kMinimumTrackWidth;
}

void RepaintEverything(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        RunCreationSequence(window, create->hInstance);
        return 0;
    }
    case WM_DESTROY:
        RunDestructionSequence(window);
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        LayOut(window, true);
        UpdateWindow(window);
        return 0;
    case WM_ACTIVATE:
        g_layout.inactive = LOWORD(wParam) == WA_INACTIVE;
        SetTitleActive(!g_layout.inactive);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_PAINT:
        PaintMainFrame(window);
        return 1;
    case WM_SETCURSOR:
        if (SetSplitterCursor(window)) return TRUE;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_GETMINMAXINFO:
        LimitToWorkArea(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_INITMENUPOPUP:
        if (ForwardMenuMessage(message, wParam, lParam)) return message == WM_INITMENUPOPUP ? 0 : TRUE;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_COPYDATA:
        return ReceiveHandOver(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_NOTIFY:
        return 0;
    case WM_NCHITTEST:
        return FrameHitTest(window, wParam, lParam);
    case WM_SYNCPAINT:
        RepaintEverything(window);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            ShowWindow(window, SW_HIDE);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_LBUTTONDOWN:
        BeginSplitterDrag(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSEMOVE:
        FollowSplitterDrag(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        EndSplitterDrag(window);
        return 0;
    case WM_NCLBUTTONDBLCLK:
    case WM_LBUTTONDBLCLK:
        RunFrameDoubleClick(window);
        return 1;
    case WM_NCRBUTTONDOWN: {
        POINT cursor;
        GetCursorPos(&cursor);
        ShowWindowMenu(window, cursor.x, cursor.y);
        return 0;
    }
    case WM_HOTKEY:
        HandleHotKey(window, wParam);
        return 0;
    case kTrayCallbackMessage:
        HandleTrayCallback(window, wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&windowClass) != 0;
}

void UnregisterMainWindowClass(HINSTANCE instance) {
    UnregisterClassA(kMainWindowClass, instance);
    UnregisterPaneClasses(instance);
}

HWND CreateMainWindow(HINSTANCE instance) {
    return CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, "Tessary",
                           WS_POPUP | WS_CLIPCHILDREN | WS_BORDER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, 0, 0,
                           nullptr, nullptr, instance, nullptr);
}
