// Where the thumbnail style finds the pictures of its items. The list only looks them up while it
// draws; making them is the source's work, off the interface thread.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

// A list that asked for a picture, told on the interface thread once it is made, so that it
// redraws the row if the row still shows that file.
class ThumbnailViewer {
public:
    virtual void ThumbnailMade(const std::string& path, int row) = 0;

protected:
    ~ThumbnailViewer() = default;
};

class ThumbnailSource {
public:
    virtual ~ThumbnailSource() = default;
    // The finished picture of the item shown in a row, owned by the source; null while it is still
    // being made or when the item has none. The viewer is told when a picture it waits for is made;
    // it must outlive the source or be forgotten with Forget first.
    virtual HBITMAP Ready(ThumbnailViewer& viewer, IShellFolder* folder, PCUITEMID_CHILD item, int row) = 0;
    // No more news for the viewer.
    virtual void Forget(ThumbnailViewer& viewer) = 0;
};
