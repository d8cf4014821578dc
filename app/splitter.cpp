#include "app/main_window.h"

// Inverts the drag bar on the screen; drawing it a second time takes it away.
void MainWindow::InvertDragBar() {
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    const layout::Rect& s = layout_.splitter;
    DWORD flags = DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE;
    if (context_.platform != Platform::Nt) flags |= DCX_PARENTCLIP;
    HWND desktop = GetDesktopWindow();
    WindowDC screen(desktop, nullptr, flags);
    HDC dc = screen.Get();
    if (!dc) return;
    if (layout_.splitterVertical) PatBlt(dc, origin.x + s.left, origin.y + s.top, 5, s.bottom - s.top, DSTINVERT);
    else
        PatBlt(dc, origin.x + s.left, origin.y + s.top - 2, s.right - s.left, 3, DSTINVERT);
}

void MainWindow::BeginSplitterDrag(POINT client) {
    if (layout_.modes.mode == layout::kListsOnly || !layout_.splitter.Contains(client.x, client.y)) return;
    SetCapture(window_);
    POINT screen = client;
    ClientToScreen(window_, &screen);
    layout::BeginDrag(layout_.drag, layout_.modes.mode, layout_.sizes, {screen.x, screen.y});
    LockWindowUpdate(GetDesktopWindow());
    InvertDragBar();
}

void MainWindow::FollowSplitterDrag(POINT client) {
    if (!layout_.drag.active || GetCapture() != window_) return;
    POINT screen = client;
    ClientToScreen(window_, &screen);
    layout::Sizes sizes = layout_.sizes;
    layout::Rect splitter = layout_.splitter;
    if (!layout::FollowDrag(layout_.drag, layout_.modes.mode, ClientArea(), {client.x, client.y}, {screen.x, screen.y},
                            sizes, splitter))
        return;
    InvertDragBar();
    layout_.sizes = sizes;
    layout_.splitter = splitter;
    InvertDragBar();
}

void MainWindow::EndSplitterDrag() {
    if (!layout_.drag.active || GetCapture() != window_) return;
    InvertDragBar();
    layout_.drag.active = false;
    LockWindowUpdate(nullptr);
    ReleaseCapture();
    LayOut(false);
}
