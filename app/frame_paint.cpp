#include "app/main_window.h"

#include <commctrl.h>

#include "win/buffered_paint.h"
#include "win/owners.h"

namespace {

constexpr int kLogoX = 27;
constexpr int kLogoY = 3;

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void FillBackground(HDC dc, const Theme& theme, const RECT& client) {
    HBRUSH background =
        theme.mainBackground ? theme.mainBackground.Get() : static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    FillRect(dc, &client, background);
}

void DrawLogo(HDC dc, const Theme& theme) {
    if (theme.logoStrip) ImageList_Draw(theme.logoStrip.Get(), 0, dc, kLogoX, kLogoY, ILD_TRANSPARENT);
}

void DrawPanel(HDC dc, const Theme& theme, const RECT& c) {
    const int L = c.left, T = c.top, R = c.right, B = c.bottom;
    RECT panel{L + 25, T + 18, R - 8, B - 8};
    FillRect(dc, &panel, theme.buttonFaceBrush.Get());
    {
        SelectedObject pen(dc, theme.highlightPen.Get());
        Line(dc, L + 28, T + 42, R - 11, T + 42);
        MoveToEx(dc, L + 26, B - 11, nullptr);
        LineTo(dc, L + 26, T + 19);
        LineTo(dc, R - 10, T + 19);
        LineTo(dc, R - 10, B - 10);
        LineTo(dc, L + 26, B - 10);
    }
    SelectedObject pen(dc, theme.shadowPen.Get());
    MoveToEx(dc, L + 27, T + 42, nullptr);
    LineTo(dc, L + 27, T + 20);
    LineTo(dc, R - 11, T + 20);
    MoveToEx(dc, L + 27, B - 11, nullptr);
    LineTo(dc, L + 27, T + 45);
    LineTo(dc, R - 11, T + 45);
    MoveToEx(dc, L + 26, B - 8, nullptr);
    LineTo(dc, R - 8, B - 8);
    LineTo(dc, R - 8, T + 18);
}

void DrawSplitterGroove(HDC dc, const Theme& theme, const MainLayout& layout) {
    if (!layout.hasSplitter || layout.modes.mode == layout::kListsOnly) return;
    const layout::Rect& s = layout.splitter;
    HPEN highlight = theme.highlightPen.Get();
    HPEN shadow = theme.shadowPen.Get();
    if (layout.splitterVertical) {
        {
            SelectedObject pen(dc, highlight);
            Line(dc, s.left + 1, s.top, s.left + 1, s.bottom);
        }
        SelectedObject pen(dc, shadow);
        Line(dc, s.right, s.top, s.right, s.bottom);
    } else {
        {
            SelectedObject pen(dc, highlight);
            Line(dc, s.left, s.top + 1, s.right, s.top + 1);
        }
        SelectedObject pen(dc, shadow);
        Line(dc, s.left, s.bottom - 1, s.right, s.bottom - 1);
    }
}

}  // namespace

void MainWindow::PaintFrame() {
    BufferedPaint paint(window_);
    if (!paint.Dc()) return;
    FillBackground(paint.Dc(), theme_, paint.Client());
    DrawPanel(paint.Dc(), theme_, paint.Client());
    DrawSplitterGroove(paint.Dc(), theme_, layout_);
    DrawLogo(paint.Dc(), theme_);
}

void MainWindow::PaintRolledUpFrame() {
    BufferedPaint paint(window_);
    if (!paint.Dc()) return;
    FillBackground(paint.Dc(), theme_, paint.Client());
    DrawLogo(paint.Dc(), theme_);
}
