// The drop source of the program's drags: the drag ends with a drop when the button that drags is
// let go, left or right alike, and is cancelled by Escape or by pressing the other button too.
#pragma once
#include <windows.h>
#include <oleidl.h>

#include "win/owners.h"

class DragSource final : public IDropSource {
public:
    // Null when memory runs out.
    static ComPtr<IDropSource> Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    DragSource() = default;
    ~DragSource() = default;

    LONG references_ = 1;
};
