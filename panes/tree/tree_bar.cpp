#include "panes/tree/tree_bar.h"

#include "win/buffered_paint.h"

namespace {

constexpr int kBottomLineHeight = 2;
constexpr int kButtonY = 1;
constexpr int kEraserX = 5;
constexpr int kMagnifierX = 30;

}  // namespace

void TreeBar::Attach(HWND bar, const Theme& theme, ButtonActions eraser, ButtonActions magnifier) {
    subclass_.Attach(bar, &TreeBar::Dispatch, this);
    eraser_ = std::make_unique<SkinnedButton>(theme, ButtonKind::Eraser, std::move(eraser));
    eraser_->Place(bar, kEraserX, kButtonY, kEraserButtonId, "消しゴム");
    magnifier_ = std::make_unique<SkinnedButton>(theme, ButtonKind::Magnifier, std::move(magnifier));
    magnifier_->Place(bar, kMagnifierX, kButtonY, kMagnifierButtonId, "メガネ");
    ShowWindow(eraser_->Window(), SW_SHOW);
    ShowWindow(magnifier_->Window(), SW_SHOW);
    InvalidateRect(bar, nullptr, FALSE);
}

void TreeBar::UpdateLooks() {
    if (eraser_) eraser_->UpdateLook();
    if (magnifier_) magnifier_->UpdateLook();
}

void TreeBar::PaintInto(HDC dc, const RECT& client) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT bottomLine{client.left, client.bottom - kBottomLineHeight, client.right, client.bottom};
    FrameRect(dc, &bottomLine, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

LRESULT TreeBar::Dispatch(void*, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleBufferedPaint(window, message, wParam, &PaintInto)) return PaintAnswer(message);
    return Subclass::CallNext(window, message, wParam, lParam);
}
