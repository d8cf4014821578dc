// The tab tooltip: the path of the tab under the resting cursor, in a tracked tip below the tab.
// The bar holds the mouse capture while the cursor is over a tab, so that it sees it leave.
#include "panes/tabs/tab_bar.h"

#include <commctrl.h>

namespace {

constexpr int kTipBelowTab = 6;

TOOLINFOA BarTool(HWND bar) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = bar;
    tool.uId = reinterpret_cast<UINT_PTR>(bar);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    return tool;
}

}  // namespace

void TabBar::CreateTooltip() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0,
                               0, 0, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_) return;
    TOOLINFOA tool = BarTool(window_);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(kTabTipDelayMs, 0));
}

void TabBar::HideTip() {
    if (window_) KillTimer(window_, kTipTimer);
    if (!tooltip_) return;
    TOOLINFOA tool = BarTool(window_);
    SendMessageA(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void TabBar::ShowTip() {
    KillTimer(window_, kTipTimer);
    if (!tooltip_ || tipText_.empty()) return;
    TOOLINFOA tool = BarTool(window_);
    SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TabBar::FollowTip(POINT point) {
    RECT bounds;
    GetWindowRect(window_, &bounds);
    POINT screen = point;
    ClientToScreen(window_, &screen);
    int position = PtInRect(&bounds, screen) ? HitTestTab(point.x, point.y) : -1;
    if (position == -1) {
        KillTimer(window_, kTipTimer);
        tipText_.clear();
        if (GetCapture() == window_) ReleaseCapture();
        HideTip();
        return;
    }
    if (GetCapture() != window_) SetCapture(window_);
    // Made on the first rest over a tab, not with the bar: most starts never show a tip.
    if (!tooltip_) CreateTooltip();
    std::string text = TipTextOf(position);
    if (text == tipText_) return;
    tipText_ = std::move(text);
    HideTip();
    SetTimer(window_, kTipTimer, kTabTipDelayMs, nullptr);
    const tabs::TabRect& rect = layout_.rects[static_cast<size_t>(position - 1)];
    POINT at{rect.left, rect.bottom + kTipBelowTab};
    ClientToScreen(window_, &at);
    SendMessageA(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
}
