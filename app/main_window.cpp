#include "app/main_window.h"

#include "app/handover_receiver.h"
#include "app/lifecycle.h"
#include "app/shared_gdi.h"

const char kMainWindowClass[] = "tessary";

namespace {

constexpr int kProgramIcon = 307;

void PaintFrame(HWND window) {
    PaintDC paint(window);
    RECT client;
    GetClientRect(window, &client);
    FillRect(paint.Get(), &client, g_gdi.mainBackground ? g_gdi.mainBackground.Get()
                                                         : static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
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
    case WM_PAINT:
        PaintFrame(window);
        return 1;
    case WM_COPYDATA:
        return ReceiveHandOver(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
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

void UnregisterMainWindowClass(HINSTANCE instance) { UnregisterClassA(kMainWindowClass, instance); }

HWND CreateMainWindow(HINSTANCE instance) {
    return CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, "Tessary",
                           WS_POPUP | WS_CLIPCHILDREN | WS_BORDER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, 0, 0,
                           nullptr, nullptr, instance, nullptr);
}
