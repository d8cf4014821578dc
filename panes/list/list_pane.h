// A folder list: the main and the sub list are two of these, each owning its list-view control
// and its view style.
#pragma once
#include <windows.h>

#include "win/owners.h"

constexpr int kMainListId = 1102;
constexpr int kSubListId = 1103;

// View styles of a list: -1 comment, 0 icon, 1 details, 2 tile, 3 list, 4 thumbnail.
constexpr int kCommentStyle = -1;
constexpr int kThumbnailStyle = 4;

class ListPane {
public:
    explicit ListPane(int controlId) : controlId_(controlId) {}
    // The control keeps no font of its own: it is told to forget the pane's font first.
    ~ListPane();
    ListPane(const ListPane&) = delete;
    ListPane& operator=(const ListPane&) = delete;

    // Makes the control in the list font the user chose and in the style the settings start it with.
    void Create(HWND mainWindow, const LOGFONTA& font, int style);
    HWND Window() const { return window_; }

    // Gives the list a view style: the control's own layout and the program's drawing mode.
    void SetStyle(int style);
    int Style() const { return style_; }
    // The value the settings file keeps for the style: -1 for the comment style, otherwise the
    // control's layout bits, so that the thumbnail style is kept as the icon layout.
    int SavedStyle() const;

private:
    int controlId_;
    HWND window_ = nullptr;
    int style_ = 0;
    Font font_;
};
