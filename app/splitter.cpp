#include "app/splitter.h"

#include "app/lifecycle.h"
#include "app/main_layout.h"

namespace {

// Inverts the drag bar on the screen; drawing it a second time takes it away.
void InvertDragBar(HWND mainWindow) {
    POINT origin{0, 0};
    ClientToScreen(mainWindow, &origin);
    const layout::Rect& s = g_layout.splitter;
    DWORD flags = DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE;
    if (!IsNtPlatform()) flags |= DCX_PARENTCLIP;
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDCEx(desktop, nullptr, flags);
    if (!dc) return;
    if (g_layout.splitterVertical)
        PatBlt(dc, origin.x + s.left, origin.y + s.top, 5, s.bottom - s.top, DSTINVERT);
    else
        PatBlt(dc, origin.x + s.left, origin.y + s.top - 2, s.right - s.left, 3, DSTINVERT);
    ReleaseDC(desktop, dc);
}

}  // namespace

bool BeginSplitterDrag(HWND mainWindow, POINT client) {
    if (g_layout.modes.mode == layout::kListsOnly || !g_layout.splitter.Contains(client.x, client.y)) return false;
    SetCapture(mainWindow);
    POINT screen = client;
    ClientToScreen(mainWindow, &screen);
    layout::BeginDrag(g_layout.drag, g_layout.modes.mode, g_layout.sizes, {screen.x, screen.y});
    LockWindowUpdate(GetDesktopWindow());
    InvertDragBar(mainWindow);
    return true;
}

void FollowSplitterDrag(HWND mainWindow, POINT client) {
    if (!g_layout.drag.active || GetCapture() != mainWindow) return;
    POINT screen = client;
    ClientToScreen(mainWindow, &screen);
    layout::Sizes sizes = g_layout.sizes;
    layout::Rect splitter = g_layout.splitter;
    if (!layout::FollowDrag(g_layout.drag, g_layout.modes.mode, ClientRect(mainWindow), {client.x, client.y},
                            {screen.x, screen.y}, sizes, splitter))
        return;
    InvertDragBar(mainWindow);
    g_layout.sizes = sizes;
    g_layout.splitter = splitter;
    InvertDragBar(mainWindow);
}

void EndSplitterDrag(HWND mainWindow) {
    if (!g_layout.drag.active || GetCapture() != mainWindow) return;
    InvertDragBar(mainWindow);
    g_layout.drag.active = false;
    LockWindowUpdate(nullptr);
    ReleaseCapture();
    LayOut(mainWindow, false);
}
