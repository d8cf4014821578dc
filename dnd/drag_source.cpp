#include "dnd/drag_source.h"

#include <new>

ComPtr<IDropSource> DragSource::Create() { return ComPtr<IDropSource>(new (std::nothrow) DragSource()); }

HRESULT DragSource::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IDropSource || iid == IID_IUnknown) {
        *out = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG DragSource::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DragSource::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT DragSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    bool left = (keyState & MK_LBUTTON) != 0;
    bool right = (keyState & MK_RBUTTON) != 0;
    if (escapePressed || (left && right)) return DRAGDROP_S_CANCEL;
    if (!left && !right) return DRAGDROP_S_DROP;
    return S_OK;
}

HRESULT DragSource::GiveFeedback(DWORD) { return DRAGDROP_S_USEDEFAULTCURSORS; }
