#include "win/subclass.h"

#include <commctrl.h>

bool Subclass::Attach(HWND window, Handler handler, void* context) {
    Detach();
    if (!window || !handler) return false;
    handler_ = handler;
    context_ = context;
    if (!SetWindowSubclass(window, &Subclass::Procedure, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = window;
    return true;
}

void Subclass::Detach() {
    if (!window_) return;
    RemoveWindowSubclass(window_, &Subclass::Procedure, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

LRESULT Subclass::CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR data) {
    auto* self = reinterpret_cast<Subclass*>(data);
    // Copied out first: the handler may destroy the object, after which nothing of it is touched.
    Handler handler = self->handler_;
    void* context = self->context_;
    // A registration must be gone before the window is; passing the message on still works after.
    if (message == WM_NCDESTROY) self->Detach();
    return handler(context, window, message, wParam, lParam);
}
