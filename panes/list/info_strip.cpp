#include "panes/list/info_strip.h"

#include <commctrl.h>

#include <cstdint>
#include <utility>

#include "core/display_format.h"
#include "core/list_view_state.h"
#include "core/status_text.h"
#include "panes/list/list_pane.h"
#include "ui/mark_menus.h"
#include "win/buffered_paint.h"

namespace {

constexpr int kTextX = 10;
constexpr int kTextY = 4;
constexpr int kTopLineHeight = 2;
constexpr int kButtonY = 2;
// Both buttons stand a fixed distance from the right edge, the key button right of the other.
constexpr int kDirectionFromRight = 60;
constexpr int kKeyFromRight = 45;

// The sort key menu's items, in the order of the shell's column numbers.
const char* const kSortKeyTexts[kSortColumnCount] = {"名前", "サイズ", "ファイルタイプ", "更新日時", "属性"};

}  // namespace

void InfoStrip::Attach(HWND strip, const Theme& theme, SortButtonIds ids) {
    window_ = strip;
    theme_ = &theme;
    subclass_.Attach(window_, &InfoStrip::Dispatch, this);
    RECT client{};
    GetClientRect(window_, &client);
    direction_ = std::make_unique<SkinnedButton>(
        theme, ButtonKind::SortDirection,
        ButtonActions([this] { FlipSortDirection(); }, nullptr, [this] { return list_.ViewState().sort.Direction(); }));
    direction_->Place(window_, client.right - kDirectionFromRight, kButtonY, ids.direction, "ソート方向");
    key_ = std::make_unique<SkinnedButton>(
        theme, ButtonKind::SortKey,
        ButtonActions([this] { ChooseSortKey(); }, nullptr, [this] { return list_.ViewState().sort.column; }));
    key_->Place(window_, client.right - kKeyFromRight, kButtonY, ids.key, "ソートキー");
    ShowWindow(direction_->Window(), SW_SHOW);
    ShowWindow(key_->Window(), SW_SHOW);
    InvalidateRect(window_, nullptr, FALSE);
}

void InfoStrip::SetStatusText(std::string text) {
    text_ = std::move(text);
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void InfoStrip::ShowTotalStatus() {
    if (gestureInProgress_) return;
    const FolderList& model = list_.Model();
    SetStatusText(TotalStatusText(model.Count(), FormatSizePrecise(static_cast<int64_t>(model.TotalSize()))));
}

// The sizes are read again from the shell every time: the model keeps none of its own.
void InfoStrip::ShowSelectionStatus() {
    if (gestureInProgress_) return;
    HWND list = list_.Window();
    auto selected = static_cast<size_t>(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
    if (selected == 0) {
        ShowTotalStatus();
        return;
    }
    FolderList& model = list_.Model();
    uint64_t size = 0;
    for (int row = -1; (row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1;)
        if (PCUITEMID_CHILD item = model.Item(static_cast<size_t>(row))) size += ItemSize(model.Folder(), item);
    SetStatusText(SelectionStatusText(selected, FormatSizePrecise(static_cast<int64_t>(size))));
}

void InfoStrip::FlipSortDirection() {
    SortState sort = list_.ViewState().sort;
    ReverseSortDirection(sort);
    list_.SortBy(sort);
}

void InfoStrip::ChooseSortKey() {
    const SortState& current = list_.ViewState().sort;
    BoldRadioMenu menu(*theme_, current.column + 1);
    for (int column = 0; column < kSortColumnCount; ++column) menu.AddItem(column + 1, kSortKeyTexts[column]);
    POINT at = key_->BottomLeftOnScreen();
    int chosen = menu.Show(GetAncestor(window_, GA_ROOT), at.x, at.y);
    if (chosen == 0) return;
    SortState sort = list_.ViewState().sort;
    if (ChooseSortColumn(sort, chosen - 1)) list_.SortBy(sort);
}

void InfoStrip::RefreshSortButtons() {
    if (direction_) direction_->UpdateLook();
    if (key_) key_->UpdateLook();
}

void InfoStrip::PlaceButtons(int clientWidth) {
    if (!direction_ || !key_) return;
    SetWindowPos(direction_->Window(), nullptr, clientWidth - kDirectionFromRight, kButtonY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(key_->Window(), nullptr, clientWidth - kKeyFromRight, kButtonY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(direction_->Window(), nullptr, FALSE);
    InvalidateRect(key_->Window(), nullptr, FALSE);
}

void InfoStrip::PaintInto(HDC dc, const RECT& client) const {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        SelectedObject font(dc, theme_->normal13.Get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutA(dc, kTextX, kTextY, text_.c_str(), static_cast<int>(text_.size()));
    }
    RECT topLine{client.left, client.top, client.right, client.top + kTopLineHeight};
    FrameRect(dc, &topLine, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

LRESULT InfoStrip::Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<InfoStrip*>(context);
    if (HandleBufferedPaint(window, message, wParam,
                            [self](HDC dc, const RECT& client) { self->PaintInto(dc, client); }))
        return PaintAnswer(message);
    switch (message) {
    case WM_SIZE: self->PlaceButtons(LOWORD(lParam)); break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
