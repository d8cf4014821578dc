#include "tests/ui/dialog_test_support.h"

#include <vector>

#include "tests/ui/control_test_host.h"

void PressKey(UINT key) {
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

std::string TextOf(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

RECT ScreenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void ClickControl(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ClientToScreen(control, &middle);
    PlaceCursor(middle);
    PressLeft(control);
    ReleaseLeft(control);
}

MenuKeys::MenuKeys(std::vector<UINT> keys)
    : thread_([this, keys] {
          for (int tries = 0; tries < 500 && !stop_; ++tries) {
              HWND menu = FindWindowA("#32768", nullptr);
              if (menu && IsWindowVisible(menu)) {
                  seen_ = true;
                  for (UINT key : keys) PostMessageA(menu, WM_KEYDOWN, key, 0);
                  return;
              }
              Sleep(10);
          }
      }) {}

MenuKeys::~MenuKeys() {
    stop_ = true;
    thread_.join();
}

ElsewhereWindow::ElsewhereWindow()
    : window_(CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE | WS_BORDER, 700, 600, 200, 150, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr)) {}

ElsewhereWindow::~ElsewhereWindow() { DestroyWindow(window_); }
