#include "panes/tabs/tab_bar.h"

#include <windowsx.h>

#include "res/ids.h"
#include "win/buffered_paint.h"
#include "shell/item_names.h"
#include "panes/tabs/shell_tab_folder.h"

namespace {

constexpr int kNewTabButtonX = 1;
constexpr int kRowButtonX = 25;
constexpr int kLockImageWidth = 10;
constexpr int kLockImageHeight = 16;
constexpr int kLockImages[] = {IDB_LOCK_KEY_GOLD, IDB_LOCK_KEY_SILVER, IDB_LOCK_KEY_RED, IDB_LOCK_KEY_BLUE};

}  // namespace

TabBar::TabBar(const Theme& theme, const Settings& settings, const ShellServices& shell)
    : theme_(theme), settings_(settings), launcher_(shell) {}

TabBar::~TabBar() { subclass_.Detach(); }

void TabBar::ApplySettings(const LOGFONTA& tabFont) {
    if (!window_) return;
    tabFont_.Reset(CreateFontIndirectA(&tabFont));
    frameBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(settings_.tabOutlineColour)));
    rowCount_ = tabbar::ClampRowCount(settings_.tabMaxRows);
    ShowView({launcherMode_, displayedRow_});
}

void TabBar::Create(HWND barWindow, tabs::TabModel& model, TabBarHost& host, const LOGFONTA& tabFont,
                    const std::string& launcherFile) {
    window_ = barWindow;
    model_ = &model;
    host_ = &host;
    launcherFile_ = launcherFile;
    rowCount_ = tabbar::ClampRowCount(settings_.tabMaxRows);
    displayedRow_ = 1;
    launcherMode_ = false;
    ClearPress();
    tabFont_.Reset(CreateFontIndirectA(&tabFont));
    frameBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(settings_.tabOutlineColour)));
    lockImages_.Reset(ImageList_Create(kLockImageWidth, kLockImageHeight, ILC_COLOR24 | ILC_MASK, 4, 0));
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int id : kLockImages) {
        Bitmap key(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
        ImageList_AddMasked(lockImages_.Get(), key.Get(), RGB(0, 0, 0));
    }
    launcher_.Load(launcherFile_);
    model_->RefreshTabTitles();
    subclass_.Attach(window_, &TabBar::Dispatch, this);

    newTab_ = std::make_unique<SkinnedButton>(theme_, ButtonKind::NewTab);
    newTab_->SetActions(ButtonActions([this] { host_->Carry(model_->NewDesktopTab()); }, [this] { ShowNewTabMenu(); }));
    newTab_->Place(window_, kNewTabButtonX, 0, kNewTabButtonId, "新規タブ作成");
    rowButton_ = std::make_unique<SkinnedButton>(theme_, ButtonKind::RowLauncher);
    rowButton_->SetActions(ButtonActions(
        [this] {
            ShowView(tabbar::AfterRowButton({launcherMode_, displayedRow_}, TabLayout(), rowCount_));
        },
        [this] { ShowRowMenu(); }, [this] { return RowButtonState(launcherMode_, displayedRow_); }));
    rowButton_->Place(window_, kRowButtonX, 0, kRowButtonId, "タブバー変更");
    chevron_ = std::make_unique<SkinnedButton>(theme_, ButtonKind::Chevron);
    chevron_->SetActions(ButtonActions([this] { ShowChevronMenu(); }));
    chevron_->Place(window_, ClientWidth() - tabbar::kButtonSize, 0, kChevronButtonId, nullptr);
    ShowWindow(newTab_->Window(), SW_SHOW);
    ShowWindow(rowButton_->Window(), SW_SHOW);
    LayoutTabBar();
}

bool TabBar::SaveLauncher() const { return window_ && launcher_.Save(launcherFile_); }

void TabBar::Destroy() {
    if (!window_) return;
    HideTip();
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    chevron_.reset();
    rowButton_.reset();
    newTab_.reset();
    subclass_.Detach();
    launcher_.Clear();
    window_ = nullptr;
}

HWND TabBar::Owner() const { return window_ ? GetAncestor(window_, GA_ROOT) : nullptr; }

void TabBar::Invalidate() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

bool TabBar::OnDisplayedRow(int position) const {
    if (launcherMode_) return false;
    tabbar::ShownRange shown = tabbar::ShownPositions(layout_, false, displayedRow_);
    return position >= shown.first && position < shown.first + shown.count;
}

tabbar::ShownRange TabBar::Shown() const { return tabbar::ShownPositions(layout_, launcherMode_, displayedRow_); }

int TabBar::HitTestTab(int x, int y) const { return tabbar::HitTest(layout_, Shown(), x, y); }

std::string TabBar::TipTextOf(int position) const {
    if (launcherMode_) {
        const LauncherEntry* entry = launcher_.Entry(position);
        return entry ? entry->title : std::string();
    }
    const tabs::TabRecord* tab = model_ ? model_->Tab(position) : nullptr;
    return tab && tab->folder ? tab->folder->Path() : std::string();
}

bool TabBar::AddLauncherEntry(IShellFolder* parent, PCUITEMID_CHILD item, int position) {
    if (!launcher_.Add(parent, item, position)) return false;
    if (host_) host_->PlaySound(tabs::Sound::ADDTAB);
    LayoutTabBar();
    Invalidate();
    return true;
}

LRESULT TabBar::Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TabBar*>(context);
    bool handled = false;
    LRESULT result = self->Handle(message, wParam, lParam, handled);
    if (handled) return result;
    return Subclass::CallNext(window, message, wParam, lParam);
}

LRESULT TabBar::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    handled = true;
    if (HandleBufferedPaint(window_, message, wParam, [this](HDC dc, const RECT& client) { PaintInto(dc, client); }))
        return PaintAnswer(message);
    switch (message) {
    case WM_SIZE: ApplySizeRule(LOWORD(lParam)); break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == tooltip_ && header->code == TTN_GETDISPINFOA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            // A path is longer than the 80 bytes of szText: the tip reads the text where it is.
            info->lpszText = const_cast<char*>(tipText_.c_str());
            info->szText[0] = '\0';
            info->hinst = nullptr;
            return 0;
        }
        break;
    }
    case WM_TIMER:
        if (wParam == kTipTimer) {
            ShowTip();
            return 0;
        }
        break;
    case kRunQueuedLaunchesMessage: RunQueuedLaunches(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(point); break;
    case WM_LBUTTONDOWN: OnLeftDown(point); break;
    case WM_LBUTTONUP: OnLeftUp(point, (wParam & MK_SHIFT) != 0); break;
    case WM_LBUTTONDBLCLK: OnDoubleClick(point); break;
    case WM_RBUTTONDOWN: OnRightDown(point); break;
    default: break;
    }
    handled = false;
    return 0;
}
