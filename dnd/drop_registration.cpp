#include "dnd/drop_registration.h"

#include <ole2.h>

bool DropRegistration::Register(HWND window, ComPtr<IDropTarget> target) {
    Revoke();
    if (!window || !target || FAILED(RegisterDragDrop(window, target.Get()))) return false;
    window_ = window;
    target_ = std::move(target);
    return true;
}

void DropRegistration::Revoke() {
    if (window_) RevokeDragDrop(window_);
    window_ = nullptr;
    target_.Reset();
}
