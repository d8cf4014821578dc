// The right-button gesture on a folder list's empty space. The recogniser is the program's one,
// shared by both lists; a list answers only for gestures begun in itself. Whatever ends a gesture
// other than the right button's release, a left press or the loss of the capture to any window,
// throws its strokes away, so that no later release runs a stale one.
#include "panes/list/list_pane.h"

#include <windowsx.h>

#include "shell/item_clipboard.h"

namespace {

POINT ScreenPointOf(HWND window, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace

bool ListPane::GestureHere() const { return gestures_ && gestures_->Active() && gestures_->Target() == window_; }

bool ListPane::OnGestureMouse(UINT message, LPARAM lParam) {
    if (!gestures_) return false;
    switch (message) {
    case WM_RBUTTONDOWN: {
        POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (!gestures_->Enabled() || RowAt(client) != -1) return false;
        POINT screen = ScreenPointOf(window_, lParam);
        // The capture is taken first: a capture that this list still held from an earlier press
        // changes hands only here, and would end the new gesture.
        SetCapture(window_);
        info_.SetGestureInProgress(true);
        gestures_->Begin(screen.x, screen.y, window_);
        return true;
    }
    case WM_MOUSEMOVE: {
        if (!GestureHere() || !gestures_->Enabled()) return false;
        POINT screen = ScreenPointOf(window_, lParam);
        int stroke = gestures_->Move(screen.x, screen.y);
        if (stroke && host_) host_->PlayStrokeSound(stroke);
        info_.SetStatusText(gesture::ArrowText(gestures_->Code()));
        if (info_.Window()) UpdateWindow(info_.Window());
        return false;
    }
    case WM_RBUTTONUP: {
        if (!GestureHere()) return false;
        GestureRecognizer::Outcome outcome = gestures_->Finish();
        EndGestureStatus();
        // Before anything runs: an action may open a dialog, and a menu takes the capture itself.
        if (GetCapture() == window_) ReleaseCapture();
        if (!outcome.stroked) {
            POINT cursor = ScreenPointOf(window_, lParam);
            ShowBackgroundMenu(cursor);
        } else if (outcome.action) {
            RunGestureAction(outcome.action);
        }
        return true;
    }
    // The press goes on to the control, which takes the capture over.
    case WM_LBUTTONDOWN:
        if (GestureHere()) CancelGesture();
        return false;
    case WM_CAPTURECHANGED:
        if (GestureHere() && reinterpret_cast<HWND>(lParam) != window_) CancelGesture();
        return false;
    default: return false;
    }
}

void ListPane::CancelGesture() {
    gestures_->TakeCode();
    EndGestureStatus();
}

void ListPane::EndGestureStatus() {
    info_.SetGestureInProgress(false);
    info_.ShowSelectionStatus();
}

void ListPane::RunGestureAction(int32_t action) {
    switch (action) {
    case gesture::kBack:
        if (host_) host_->GoBack(*this);
        break;
    case gesture::kUpFolder:
        if (host_) host_->GoUp(*this);
        break;
    case gesture::kSelectAll: SelectAll(); break;
    case gesture::kDelete: RunItemCommand(ItemCommand::Delete); break;
    case gesture::kCut: RunItemCommand(ItemCommand::Cut); break;
    case gesture::kCopy: RunItemCommand(ItemCommand::Copy); break;
    case gesture::kPaste: RunItemCommand(ItemCommand::Paste); break;
    case gesture::kRename: {
        int row = SingleSelectedRow();
        if (row != -1) BeginRename(row);
        break;
    }
    case gesture::kRefresh: Reload(); break;
    case gesture::kProperties: RunItemCommand(ItemCommand::Properties); break;
    case gesture::kCopyFullPath: CopySelectedText(true); break;
    case gesture::kCopyName: CopySelectedText(false); break;
    case gesture::kNewFolder: CreateNewItem(NewItemKind::Folder); break;
    case gesture::kNewFile: CreateNewItem(NewItemKind::File); break;
    default: break;
    }
}

// The clipboard takes one item's text, as the item menu's entries give it: the first selected row's.
void ListPane::CopySelectedText(bool fullPath) {
    int row = static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (!ShowsRow(row)) return;
    CopyItemTextToClipboard(model_.Folder(), model_.Item(static_cast<size_t>(row)),
                            fullPath ? ItemText::Path : ItemText::Name);
}
