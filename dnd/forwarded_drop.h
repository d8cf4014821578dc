// A drag handed on to the shell's own drop target of whatever lies under it in a pane. The target
// of a spot is asked for once, when the drag comes to that spot; while the drag stays there it
// gets DragOver as OLE would give it, so a pane of 100,000 items does not ask the shell for a new
// target at every move of the mouse.
#pragma once
#include <windows.h>
#include <oleidl.h>

#include <cstdint>

#include "win/owners.h"

// The effect that a target which takes the drop itself offers: move when the source allows it,
// else copy, else link.
DWORD AcceptedEffect(DWORD allowed);

class ForwardedDrop {
public:
    ~ForwardedDrop() { Forget(); }

    // Whether the drag was last handed on at this spot, whether or not the shell had a target.
    bool At(uintptr_t spot) const { return known_ && spot_ == spot; }
    bool HasTarget() const { return static_cast<bool>(target_); }

    // The drag comes to a new spot: the last spot's target is left and this one entered. A null
    // target, or one that refuses the drag, leaves the effect none at this spot.
    HRESULT Enter(uintptr_t spot, ComPtr<IDropTarget> target, IDataObject* data, DWORD keyState, POINTL point,
                  DWORD* effect);
    // The drag moves on over the same spot.
    HRESULT Over(DWORD keyState, POINTL point, DWORD* effect);
    // The drag leaves the pane, or goes where nothing takes it.
    HRESULT Leave();
    // The drop goes to the spot's target; with none the effect is none. The spot is forgotten.
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect);
    // Lets the target go without telling it.
    void Forget();

private:
    ComPtr<IDropTarget> target_;
    uintptr_t spot_ = 0;
    bool known_ = false;
};
