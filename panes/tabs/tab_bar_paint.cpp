// The bar's picture: the background, the separators with the insertion mark, the lock keys and the
// outlined titles in tab mode, the icons with their drag frames in launcher mode.
#include "panes/tabs/tab_bar.h"

#include <algorithm>

namespace {

constexpr int kSeparatorWidth = 2;
constexpr int kSeparatorTop = 1;
constexpr int kSeparatorBottom = 19;
constexpr int kTextOffset = 5;
constexpr int kLockedTextOffset = 12;
constexpr int kLockKeyLeft = 2;
constexpr int kLockKeyTop = 3;
constexpr int kIconOffset = 2;

void FrameBox(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    RECT box{left, top, right, bottom};
    FrameRect(dc, &box, brush);
}

}  // namespace

void TabBar::PaintInto(HDC dc, const RECT& client) {
    FillRect(dc, &client, theme_.tabBackground.Get());
    if (!model_) return;
    if (launcherMode_) PaintLauncher(dc);
    else
        PaintTabs(dc);
}

void TabBar::DrawSeparator(HDC dc, int left, bool marked) {
    RECT separator{left, kSeparatorTop, left + kSeparatorWidth, kSeparatorBottom};
    FillRect(dc, &separator, marked ? theme_.tabSelDrop.Get() : theme_.tabText.Get());
    if (settings_.tabTextOutline) {
        RECT frame{separator.left - 1, separator.top - 1, separator.right + 1, separator.bottom + 1};
        FrameRect(dc, &frame, frameBrush_.Get());
    }
}

void TabBar::DrawOutlinedText(HDC dc, int x, int y, const std::string& text, COLORREF colour) {
    const int length = static_cast<int>(text.size());
    if (settings_.tabTextOutline) {
        SetTextColor(dc, static_cast<COLORREF>(settings_.tabOutlineColour));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0) TextOutA(dc, x + dx, y + dy, text.c_str(), length);
    }
    SetTextColor(dc, colour);
    TextOutA(dc, x, y, text.c_str(), length);
}

COLORREF TabBar::TitleColour(int position) const {
    if ((dragStarted_ && position == pressed_) || position == dropHover_)
        return static_cast<COLORREF>(settings_.tabSelDrop);
    if (position == model_->Selection(tabs::Pane::Main)) return static_cast<COLORREF>(settings_.tabSelMain);
    if (host_ && position == model_->Selection(tabs::Pane::Sub) && host_->TwoPaneShown())
        return static_cast<COLORREF>(settings_.tabSelSub);
    return static_cast<COLORREF>(settings_.tabTextColour);
}

void TabBar::PaintTabs(HDC dc) {
    SelectedObject font(dc, tabFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    SIZE sample{};
    GetTextExtentPoint32A(dc, "GETHEIGHT", 9, &sample);
    tabbar::ShownRange shown = Shown();
    DrawSeparator(dc, tabbar::kTabAreaLeft - kSeparatorWidth, insertionMark_ != 0 && insertionMark_ == shown.first);
    for (int position = shown.first; position < shown.first + shown.count; ++position) {
        const tabs::TabRecord* tab = model_->Tab(position);
        if (!tab || tab->rect.left == -1) break;
        const tabs::TabRect& rect = tab->rect;
        DrawSeparator(dc, rect.right - kSeparatorWidth, insertionMark_ == position + 1);
        int offset = kTextOffset;
        if (tab->locked) {
            int key = std::clamp(settings_.tabKeyColour, 0, 3);
            ImageList_Draw(lockImages_.Get(), key, dc, rect.left + kLockKeyLeft, rect.top + kLockKeyTop,
                           ILD_TRANSPARENT);
            offset = kLockedTextOffset;
        }
        int y = rect.top + (tabbar::kBarHeight - sample.cy) / 2;
        DrawOutlinedText(dc, rect.left + offset, y, tabbar::ShownTitle(tab->title), TitleColour(position));
    }
}

void TabBar::PaintLauncher(HDC dc) {
    HBRUSH mark = theme_.tabSelDrop.Get();
    for (int position = 1; position <= launcher_.Count(); ++position) {
        const LauncherEntry* entry = launcher_.Entry(position);
        const tabs::TabRect& rect = entry->rect;
        if (rect.left == -1) break;
        if (entry->icon >= 0)
            ImageList_Draw(theme_.systemSmall, entry->icon, dc, rect.left + kIconOffset, rect.top + kIconOffset,
                           ILD_TRANSPARENT);
        if ((dragStarted_ && position == pressed_) || position == dropHover_)
            FrameBox(dc, rect.left - 1, 2, rect.right - 3, 18, mark);
        if (insertionMark_ == 1 && position == 1) FrameBox(dc, rect.left - 5, 2, rect.left + 1, 18, mark);
        if (insertionMark_ == position + 1) FrameBox(dc, rect.right - 5, 2, rect.right + 1, 18, mark);
    }
}
