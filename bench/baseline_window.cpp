// The smallest window process: the baseline the start-up benchmark compares Tessary with.
#include <windows.h>

namespace {

LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BaselineProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "tessary_bench_baseline";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "baseline", WS_POPUP | WS_VISIBLE, 100, 100, 320, 320,
                                  nullptr, nullptr, instance, nullptr);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
