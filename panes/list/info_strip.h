// The thin strip under a folder list: one line of status (how many items and how much they hold,
// of the whole list or of its selection, or the stroke of a mouse gesture) and the list's two
// sort buttons, which show its sort order and change it. One belongs to each list, which tells it
// when its rows or its selection change.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ui/skinned_button.h"
#include "ui/theme.h"
#include "win/subclass.h"

class ListPane;

struct SortButtonIds {
    int direction;
    int key;
};
constexpr SortButtonIds kMainSortButtonIds{1402, 1403};
constexpr SortButtonIds kSubSortButtonIds{1600, 1601};

class InfoStrip {
public:
    explicit InfoStrip(ListPane& list) : list_(list) {}
    InfoStrip(const InfoStrip&) = delete;
    InfoStrip& operator=(const InfoStrip&) = delete;

    // Takes the strip window over and makes its sort buttons. Until then the text is only kept.
    void Attach(HWND strip, const Theme& theme, SortButtonIds ids);
    HWND Window() const { return window_; }

    void SetStatusText(std::string text);
    const std::string& StatusText() const { return text_; }
    // The count and total size of the list's rows, unless a gesture is in progress on the list.
    void ShowTotalStatus();
    // The count and size of the selected rows, or the total when nothing is selected; nothing while
    // a gesture is in progress.
    void ShowSelectionStatus();

    // While a gesture is drawn on the list the strip shows its strokes, which the total gives way to.
    void SetGestureInProgress(bool inProgress) { gestureInProgress_ = inProgress; }
    bool GestureInProgress() const { return gestureInProgress_; }

    // The two buttons' clicks.
    void FlipSortDirection();
    void ChooseSortKey();
    // Both buttons show the list's sort order as it is now.
    void RefreshSortButtons();
    SkinnedButton* DirectionButton() const { return direction_.get(); }
    SkinnedButton* KeyButton() const { return key_.get(); }

    // The strip painted into any DC (WM_PAINT through a buffer, WM_PRINTCLIENT directly).
    void PaintInto(HDC dc, const RECT& client) const;

private:
    static LRESULT Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PlaceButtons(int clientWidth);

    ListPane& list_;
    const Theme* theme_ = nullptr;
    HWND window_ = nullptr;
    Subclass subclass_;
    std::unique_ptr<SkinnedButton> direction_, key_;
    std::string text_;
    bool gestureInProgress_ = false;
};
