#include "tests/support/modal_owner.h"

namespace {

const char kOwnerClass[] = "TsyModalTestOwner";
constexpr UINT_PTR kGiveUpTimer = 77;
constexpr UINT kGiveUpMs = 8000;

}  // namespace

ModalOwner::ModalOwner() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, kOwnerClass, "modal owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    procedure_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC));
    SetForegroundWindow(window_);
    SetTimer(window_, kGiveUpTimer, kGiveUpMs, nullptr);
}

ModalOwner::~ModalOwner() { DestroyWindow(window_); }

POINT ModalOwner::InsidePoint() const {
    POINT point{40, 40};
    ClientToScreen(window_, &point);
    return point;
}

LRESULT CALLBACK ModalOwner::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<ModalOwner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (owner) {
        switch (message) {
        case WM_MEASUREITEM: ++owner->measureItems; return TRUE;
        case WM_DRAWITEM: ++owner->drawItems; return TRUE;
        case WM_INITMENU: ++owner->initMenus; return 0;
        case WM_MENUSELECT: ++owner->menuSelects; return 0;
        case WM_MENURBUTTONUP: ++owner->menuRightButtonUps; return 0;
        case WM_ENTERIDLE:
            if (wParam == MSGF_MENU && owner->onMenuIdle)
                owner->onMenuIdle(owner->menuWaits_++, reinterpret_cast<HWND>(lParam));
            if (wParam == MSGF_DIALOGBOX) {
                if (owner->lastDialog_ != reinterpret_cast<HWND>(lParam)) owner->dialogWaits_ = 0;
                owner->lastDialog_ = reinterpret_cast<HWND>(lParam);
                if (owner->onDialogIdle) owner->onDialogIdle(owner->dialogWaits_++, owner->lastDialog_);
            }
            return 0;
        case WM_TIMER:
            if (wParam != kGiveUpTimer) break;
            if (FindWindowA("#32768", nullptr)) {
                EndMenu();
                ++owner->givenUp;
            }
            if (owner->lastDialog_ && IsWindow(owner->lastDialog_)) {
                EndDialog(owner->lastDialog_, -2);
                ++owner->givenUp;
            }
            return 0;
        default: break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
