#include "panes/favourites/favourites_bar.h"

#include "win/buffered_paint.h"

namespace {

constexpr int kBottomLineHeight = 2;
constexpr int kButtonX = 5;
constexpr int kButtonY = 1;

}  // namespace

void FavouritesBar::Attach(HWND bar, const Theme& theme, ButtonActions newGroup) {
    subclass_.Attach(bar, &FavouritesBar::Dispatch, this);
    newGroup_ = std::make_unique<SkinnedButton>(theme, ButtonKind::NewGroup, std::move(newGroup));
    newGroup_->Place(bar, kButtonX, kButtonY, kNewGroupButtonId, "お気に入りグループ作成");
    ShowWindow(newGroup_->Window(), SW_SHOW);
    InvalidateRect(bar, nullptr, FALSE);
}

void FavouritesBar::Detach() {
    if (newGroup_ && newGroup_->Window()) DestroyWindow(newGroup_->Window());
    newGroup_.reset();
    subclass_.Detach();
}

void FavouritesBar::PaintInto(HDC dc, const RECT& client) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT bottomLine{client.left, client.bottom - kBottomLineHeight, client.right, client.bottom};
    FrameRect(dc, &bottomLine, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

LRESULT FavouritesBar::Dispatch(void*, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleBufferedPaint(window, message, wParam, &PaintInto)) return PaintAnswer(message);
    return Subclass::CallNext(window, message, wParam, lParam);
}
