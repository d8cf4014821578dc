// What the tests of dragging share: requests made from real files, the bytes of an offered format,
// and an object that counts the references it is given, standing for a medium's release object.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "dnd/file_drag.h"
#include "win/owners.h"

// The request for the named items of a folder, made as the panes make it.
DragRequest RequestFor(const std::string& folder, const std::vector<std::string>& names, HWND source = nullptr);

// The bytes of a format as the object hands it out in global memory; empty when it refuses. The
// handle of the copy is given when asked for, already freed.
std::vector<uint8_t> OfferedBytes(IDataObject* data, CLIPFORMAT format, HGLOBAL* handed = nullptr);
std::vector<uint8_t> BytesOf(const std::string& text);

class CountingUnknown : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
    // Lives on the test's stack; the count only shows what others did to it.
    long references = 1;
};

bool BlockIsLive(HGLOBAL block);
