#include "dnd/forwarded_drop.h"

DWORD AcceptedEffect(DWORD allowed) {
    if (allowed & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
}

HRESULT ForwardedDrop::Enter(uintptr_t spot, ComPtr<IDropTarget> target, IDataObject* data, DWORD keyState,
                             POINTL point, DWORD* effect) {
    Leave();
    spot_ = spot;
    known_ = true;
    if (!target) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT result = target->DragEnter(data, keyState, point, effect);
    if (FAILED(result)) {
        *effect = DROPEFFECT_NONE;
        return result;
    }
    target_ = std::move(target);
    return result;
}

HRESULT ForwardedDrop::Over(DWORD keyState, POINTL point, DWORD* effect) {
    if (!target_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    return target_->DragOver(keyState, point, effect);
}

HRESULT ForwardedDrop::Leave() {
    HRESULT result = target_ ? target_->DragLeave() : S_OK;
    Forget();
    return result;
}

HRESULT ForwardedDrop::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    HRESULT result = S_OK;
    if (target_) result = target_->Drop(data, keyState, point, effect);
    else
        *effect = DROPEFFECT_NONE;
    Forget();
    return result;
}

void ForwardedDrop::Forget() {
    target_.Reset();
    spot_ = 0;
    known_ = false;
}
