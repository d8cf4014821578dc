#include "app/main_window.h"

#include <windowsx.h>

#include "app/bar_windows.h"
#include "res/ids.h"

const char kMainWindowClass[] = "tessary";

namespace {

constexpr int kMinimumTrackWidth = 300;

void LimitToWorkArea(MINMAXINFO* limits) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    limits->ptMaxPosition = POINT{work.left, work.top};
    limits->ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
    limits->ptMinTrackSize.x = kMinimumTrackWidth;
}

}  // namespace

MainWindow::MainWindow(AppContext& context)
    : context_(context),
      tabBar_(theme_, context.settings, context.shell),
      tabModel_(tabBar_, aliases_, *this, std::make_shared<ShellTabFolder>(DesktopFolder())) {}

MainWindow::~MainWindow() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

bool MainWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&windowClass) != 0;
}

void MainWindow::UnregisterClasses(HINSTANCE instance) {
    UnregisterClassA(kMainWindowClass, instance);
    UnregisterBarClasses(instance);
}

MainWindow* MainWindow::FromHandle(HWND window) {
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId()) return nullptr;
    char className[32] = {};
    if (!GetClassNameA(window, className, sizeof className) || lstrcmpA(className, kMainWindowClass) != 0)
        return nullptr;
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool MainWindow::Create(std::vector<ItemIdList> startPaths) {
    startPaths_ = std::move(startPaths);
    HWND created = CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, "Tessary",
                                   WS_POPUP | WS_CLIPCHILDREN | WS_BORDER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, 0, 0,
                                   nullptr, nullptr, context_.instance, this);
    startPaths_.clear();
    return created != nullptr;
}

bool MainWindow::TakeStartMaximisedRequest() {
    bool requested = startMaximisedRequest_;
    startMaximisedRequest_ = false;
    return requested;
}

// Binds the object on the first message the window gets and unbinds it on the last, so that
// every message in between reaches it.
LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

LRESULT MainWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, message, wParam, lParam);
}

// While rolled up the window is only its title strip: these messages take their rolled-up
// meaning, every other keeps its handler (the hot key, the hand-over, the tray icon).
LRESULT MainWindow::HandleRolledUp(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
    case WM_SIZE: LayOutWindowButtons(); return 0;
    case WM_PAINT: PaintRolledUpFrame(); return 0;
    case WM_NCHITTEST: return RolledUpHitTest(lParam);
    case WM_NCLBUTTONDBLCLK: Unroll(); return 0;
    case WM_SYSCOMMAND:
        // The bar minimises like any window; hiding it to the tray is for the whole window.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) return Default(message, wParam, lParam);
        handled = false;
        return 0;
    default: handled = false; return 0;
    }
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (chrome_.rolledUp) {
        bool handled = false;
        LRESULT result = HandleRolledUp(message, wParam, lParam, handled);
        if (handled) return result;
    }
    switch (message) {
    case WM_CREATE: RunCreationSequence(); return 0;
    case WM_DESTROY:
        RunDestructionSequence();
        PostQuitMessage(0);
        return 0;
    // The session may end whenever the user wants: nothing is asked, since everything is saved
    // at once when it does end.
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        if (wParam) SaveAll();
        return 0;
    case WM_SIZE:
        LayOut(true);
        UpdateWindow(window_);
        return 0;
    case WM_ACTIVATE:
        layout_.inactive = LOWORD(wParam) == WA_INACTIVE;
        SetTitleActive(!layout_.inactive);
        return Default(message, wParam, lParam);
    case WM_PAINT: PaintFrame(); return 1;
    case WM_SETCURSOR:
        if (SetSplitterCursor()) return TRUE;
        return Default(message, wParam, lParam);
    case WM_GETMINMAXINFO: LimitToWorkArea(reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_INITMENUPOPUP:
        if (context_.shell.ForwardMenuMessage(message, wParam, lParam)) return message == WM_INITMENUPOPUP ? 0 : TRUE;
        return Default(message, wParam, lParam);
    // A shell menu's rename entry may ask its owner for a browser to rename in; there is none, and
    // the program renames in its own way.
    case kShellBrowserRequest: return 0;
    case WM_COPYDATA: return ReceiveHandOver(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom && header->hwndFrom == mainList_.Window()) return mainList_.OnNotify(header);
        if (header->hwndFrom && header->hwndFrom == subList_.Window()) return subList_.OnNotify(header);
        if (header->hwndFrom && header->hwndFrom == tree_.Window()) return tree_.OnNotify(header);
        if (header->hwndFrom && header->hwndFrom == favourites_.Window()) return favourites_.OnNotify(header);
        return 0;
    }
    case WM_NCHITTEST: return FrameHitTest(wParam, lParam);
    case WM_SYNCPAINT:
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            ShowWindow(window_, SW_HIDE);
            return 0;
        }
        return Default(message, wParam, lParam);
    case WM_LBUTTONDOWN: BeginSplitterDrag(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_MOUSEMOVE: FollowSplitterDrag(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: EndSplitterDrag(); return 0;
    case WM_NCLBUTTONDBLCLK:
    case WM_LBUTTONDBLCLK: RunFrameDoubleClick(); return 1;
    case WM_NCRBUTTONDOWN: {
        POINT cursor;
        GetCursorPos(&cursor);
        ShowWindowMenu(cursor.x, cursor.y);
        return 0;
    }
    case WM_HOTKEY: HandleHotKey(wParam); return 0;
    case WM_MOUSEWHEEL:
        if (OfferWheel(&tabBar_, wParam, lParam)) return 0;
        return Default(message, wParam, lParam);
    case kTrayCallbackMessage: HandleTrayCallback(wParam, lParam); return 0;
    case kReloadListMessage: ReloadForWatcher(reinterpret_cast<HWND>(lParam)); return 0;
    default: return Default(message, wParam, lParam);
    }
}

LRESULT MainWindow::FrameHitTest(WPARAM wParam, LPARAM lParam) {
    LRESULT standard = Default(WM_NCHITTEST, wParam, lParam);
    if (IsZoomed(window_)) return standard;
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(window_, &point);
    layout::Hit hit = layout::HitTest(ClientArea(), {point.x, point.y}, layout_.modes.mode, layout_.splitter);
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

bool MainWindow::SetSplitterCursor() {
    if (layout_.modes.mode == layout::kListsOnly) return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    if (!layout_.splitter.Contains(point.x, point.y)) return false;
    SetCursor(LoadCursorA(nullptr, layout_.splitterVertical ? IDC_SIZEWE : IDC_SIZENS));
    return true;
}
