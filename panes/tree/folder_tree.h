// The folder tree of the left pane.
#pragma once
#include <windows.h>

#include "win/owners.h"

constexpr int kFolderTreeId = 1110;

class FolderTreePane {
public:
    FolderTreePane() = default;
    // The control keeps no font of its own: it is told to forget the pane's font first.
    ~FolderTreePane();
    FolderTreePane(const FolderTreePane&) = delete;
    FolderTreePane& operator=(const FolderTreePane&) = delete;

    // The tree shows its items in the tree font the user chose.
    void Create(HWND mainWindow, const LOGFONTA& font);
    void SetTextColour(COLORREF colour);
    HWND Window() const { return window_; }

private:
    HWND window_ = nullptr;
    Font font_;
};
