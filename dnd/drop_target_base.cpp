#include "dnd/drop_target_base.h"

HRESULT DropTargetBase::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IDropTarget || iid == IID_IUnknown) {
        *out = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTargetBase::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DropTargetBase::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT DropTargetBase::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    data_ = ComPtr<IDataObject>::Share(data);
    Entered();
    return DragOver(keyState, point, effect);
}

HRESULT DropTargetBase::DragLeave() {
    HRESULT result = Left();
    data_.Reset();
    return result;
}

HRESULT DropTargetBase::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    // The drop may be the end of the target's last outside reference (the window it serves going
    // away); the target lives until the call is over.
    AddRef();
    HRESULT result = Dropped(data, keyState, point, effect);
    data_.Reset();
    Release();
    return result;
}
