#include "ui/dialog_background.h"

#include "ui/theme.h"
#include "win/owners.h"

void PaintDialogBackground(HWND dialog, const Theme& theme) {
    PaintDC paint(dialog);
    RECT client{};
    GetClientRect(dialog, &client);
    MemoryDC memory(paint.Get());
    Bitmap canvas(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
    SelectedObject selected(memory.Get(), canvas.Get());
    HBRUSH ground = theme.mainBackground ? theme.mainBackground.Get() : GetSysColorBrush(COLOR_BTNFACE);
    FillRect(memory.Get(), &client, ground);
    BitBlt(paint.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void DragDialog(HWND dialog) {
    ReleaseCapture();
    SendMessageA(dialog, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}
