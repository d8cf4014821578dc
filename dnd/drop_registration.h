// A window's drop target, registered with OLE for as long as this lives. The registration holds
// the program's reference to the target; OLE holds its own while the window is registered.
#pragma once
#include <windows.h>
#include <oleidl.h>

#include "win/owners.h"

class DropRegistration {
public:
    DropRegistration() = default;
    ~DropRegistration() { Revoke(); }
    DropRegistration(const DropRegistration&) = delete;
    DropRegistration& operator=(const DropRegistration&) = delete;

    // Takes over the creator's reference to the target. False when OLE refused the window.
    bool Register(HWND window, ComPtr<IDropTarget> target);
    void Revoke();
    bool Registered() const { return window_ != nullptr; }
    IDropTarget* Target() const { return target_.Get(); }

private:
    HWND window_ = nullptr;
    ComPtr<IDropTarget> target_;
};
