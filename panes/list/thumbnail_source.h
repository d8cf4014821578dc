// Where the thumbnail style finds the pictures of its items. The list only looks them up while it
// draws; making them is the source's work, off the interface thread.
#pragma once
#include <windows.h>
#include <shlobj.h>

class ThumbnailSource {
public:
    virtual ~ThumbnailSource() = default;
    // The finished picture of the item shown in a row, owned by the source; null while it is still
    // being made or when the item has none, and the row is then asked again when it is redrawn.
    virtual HBITMAP Ready(IShellFolder* folder, PCUITEMID_CHILD item, int row) = 0;
};
