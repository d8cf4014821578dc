// A context-menu handler for tests that records the messages handed to it.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

class RecordingMenu : public IContextMenu2 {
public:
    struct Call {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Call> calls;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IContextMenu || iid == IID_IContextMenu2) {
            *object = static_cast<IContextMenu2*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
    STDMETHODIMP_(ULONG) Release() override { return InterlockedDecrement(&references_); }
    STDMETHODIMP QueryContextMenu(HMENU, UINT, UINT, UINT, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP InvokeCommand(LPCMINVOKECOMMANDINFO) override { return E_NOTIMPL; }
    STDMETHODIMP GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam) override {
        calls.push_back({message, wParam, lParam});
        return S_OK;
    }
    LONG References() const { return references_; }

private:
    // The test owns the object on its stack; the count only shows who holds it.
    LONG references_ = 1;
};
