// What every drop target of the program shares: its reference count, its interfaces, and the data
// object of the drag over it, which it holds a reference to from DragEnter until DragLeave or Drop,
// so that the data stays good for as long as the target may read it.
#pragma once
#include <windows.h>
#include <oleidl.h>

#include "win/owners.h"

class DropTargetBase : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // Holds the data, lets the target prepare (Entered), then answers as DragOver does.
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) final;
    // The target's Left, then the data is let go.
    HRESULT STDMETHODCALLTYPE DragLeave() final;
    // The target's Dropped, then the data is let go.
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) final;

protected:
    // The reference count starts at 1, the creator's.
    DropTargetBase() = default;
    virtual ~DropTargetBase() = default;
    DropTargetBase(const DropTargetBase&) = delete;
    DropTargetBase& operator=(const DropTargetBase&) = delete;

    // The data of the drag over the target; null while there is none.
    IDataObject* Data() const { return data_.Get(); }

    virtual void Entered() {}
    virtual HRESULT Left() { return S_OK; }
    virtual HRESULT Dropped(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;

private:
    LONG references_ = 1;
    ComPtr<IDataObject> data_;
};
