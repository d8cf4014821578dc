// The chevron's list of the tabs (or launcher entries) that did not fit on the strip: a popup menu
// drawn in the bar's colours, whose items also take the tab menu on a right click.
#include "panes/tabs/tab_bar.h"

#include <functional>

namespace {

const char kChevronProperty[] = "TCHEVRON";
const COLORREF kSelectedFill = RGB(255, 255, 235);
const COLORREF kSelectedFrame = RGB(0, 0, 128);
constexpr int kTitleLeft = 18;
constexpr int kEntryTitleLeft = 20;

struct ChevronItem {
    std::string title;
    COLORREF colour;
    bool locked;
    int icon;  // launcher entries: in the system's small image list
};

// While it is shown the menu holds its owner window (the property and a subclass), so that the
// owner's measure, draw and right-release messages of its items reach it.
class ChevronMenu {
public:
    ChevronMenu(const Theme& theme, const Settings& settings, HIMAGELIST lockImages, bool launcher,
                std::vector<ChevronItem> items)
        : theme_(theme),
          settings_(settings),
          lockImages_(lockImages),
          launcher_(launcher),
          items_(std::move(items)),
          selectedFill_(CreateSolidBrush(kSelectedFill)),
          selectedFrame_(CreateSolidBrush(kSelectedFrame)) {}

    // The chosen item's number; a choice from an item's own menu comes as choice x 65536 + item.
    int Show(HWND owner, POINT at, std::function<int(int item)> itemMenu) {
        MenuHandle menu(CreatePopupMenu());
        if (!menu || !IsWindow(owner)) return 0;
        for (size_t index = 0; index < items_.size(); ++index)
            AppendMenuA(menu.Get(), MF_OWNERDRAW, index + 1, nullptr);
        itemMenu_ = std::move(itemMenu);
        SetPropA(owner, kChevronProperty, this);
        subclass_.Attach(owner, &ChevronMenu::Dispatch, this);
        int chosen = static_cast<int>(
            TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
        subclass_.Detach();
        RemovePropA(owner, kChevronProperty);
        if (subChoice_ != 0) return subChoice_ * 65536 + subItem_;
        return chosen;
    }

private:
    static LRESULT Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<ChevronMenu*>(GetPropA(window, kChevronProperty));
        if (self != context) return Subclass::CallNext(window, message, wParam, lParam);
        switch (message) {
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_MENU || !self->Holds(item->itemID)) break;
            self->Measure(window, *item);
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_MENU || !self->Holds(item->itemID)) break;
            self->Draw(*item);
            return TRUE;
        }
        case WM_MENURBUTTONUP: self->OnRightRelease(static_cast<int>(wParam) + 1); return 0;
        default: break;
        }
        return Subclass::CallNext(window, message, wParam, lParam);
    }

    bool Holds(UINT id) const { return id >= 1 && id <= items_.size(); }

    void Measure(HWND window, MEASUREITEMSTRUCT& item) {
        const ChevronItem& entry = items_[item.itemID - 1];
        WindowDC dc(window);
        SelectedObject font(dc.Get(), theme_.bold13.Get());
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), entry.title.c_str(), static_cast<int>(entry.title.size()), &size);
        item.itemWidth = static_cast<UINT>(size.cx + 20);
        item.itemHeight = static_cast<UINT>(size.cy + 4);
    }

    void Draw(const DRAWITEMSTRUCT& item) {
        const ChevronItem& entry = items_[item.itemID - 1];
        HDC dc = item.hDC;
        RECT box = item.rcItem;
        if (item.itemState & ODS_SELECTED) {
            FillRect(dc, &box, selectedFill_.Get());
            FrameRect(dc, &box, selectedFrame_.Get());
        } else {
            FillRect(dc, &box, theme_.tabBackground.Get());
        }
        if (entry.locked) ImageList_Draw(lockImages_, 0, dc, box.left + 2, box.top + 1, ILD_TRANSPARENT);
        if (launcher_ && entry.icon >= 0)
            ImageList_Draw(theme_.systemSmall, entry.icon, dc, box.left + 2, box.top + 1, ILD_TRANSPARENT);
        SelectedObject font(dc, theme_.bold13.Get());
        SetBkMode(dc, TRANSPARENT);
        int x = box.left + (launcher_ ? kEntryTitleLeft : kTitleLeft);
        int y = box.top + 2;
        const int length = static_cast<int>(entry.title.size());
        if (settings_.tabTextOutline) {
            SetTextColor(dc, static_cast<COLORREF>(settings_.tabOutlineColour));
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (dx != 0 || dy != 0) TextOutA(dc, x + dx, y + dy, entry.title.c_str(), length);
        }
        SetTextColor(dc, entry.colour);
        TextOutA(dc, x, y, entry.title.c_str(), length);
    }

    void OnRightRelease(int item) {
        if (!Holds(static_cast<UINT>(item)) || !itemMenu_) return;
        int choice = itemMenu_(item);
        if (choice == 0) return;
        subChoice_ = choice;
        subItem_ = item;
        EndMenu();
    }

    const Theme& theme_;
    const Settings& settings_;
    HIMAGELIST lockImages_;
    bool launcher_;
    std::vector<ChevronItem> items_;
    Brush selectedFill_, selectedFrame_;
    Subclass subclass_;
    std::function<int(int item)> itemMenu_;
    int subChoice_ = 0;
    int subItem_ = 0;
};

}  // namespace

void TabBar::ShowChevronMenu() {
    HideTip();
    const bool forLauncher = launcherMode_;
    std::vector<ChevronItem> items;
    std::vector<unsigned> serials;
    for (int position : layout_.overflow) {
        if (forLauncher) {
            const LauncherEntry* entry = launcher_.Entry(position);
            if (!entry) continue;
            items.push_back({entry->title, static_cast<COLORREF>(settings_.tabTextColour), false, entry->icon});
            serials.push_back(entry->serial);
        } else {
            const tabs::TabRecord* tab = model_->Tab(position);
            if (!tab) continue;
            items.push_back({tab->title, TitleColour(position), tab->locked, -1});
            serials.push_back(tab->serial);
        }
    }
    if (items.empty()) return;
    RECT button;
    GetWindowRect(chevron_->Window(), &button);
    ChevronMenu menu(theme_, settings_, lockImages_.Get(), forLauncher, std::move(items));
    std::vector<int> overflow = layout_.overflow;
    int result = menu.Show(Owner(), POINT{button.right, button.top}, [this, &overflow](int item) {
        ActionMenu itemMenu(theme_);
        FillTabMenu(itemMenu, overflow[static_cast<size_t>(item - 1)]);
        POINT cursor;
        GetCursorPos(&cursor);
        return itemMenu.Show(Owner(), cursor, true);
    });
    const int item = result % 65536;
    const int choice = result / 65536;
    if (item < 1 || item > static_cast<int>(serials.size())) return;
    const unsigned serial = serials[static_cast<size_t>(item - 1)];
    if (forLauncher) {
        if (choice != 0) {
            RunLauncherMenuChoice(serial, choice);
            return;
        }
        int position = launcher_.PositionOf(serial);
        if (position != -1) RunEntry(position);
        return;
    }
    if (choice != 0) {
        RunTabMenuChoice(serial, choice);
        return;
    }
    int position = model_->PositionOf(serial);
    if (position == -1) return;
    tabs::Selections now{model_->Selection(tabs::Pane::Main), model_->Selection(tabs::Pane::Sub)};
    tabbar::ClickFor target = tabbar::ChevronTarget(position, GetKeyState(VK_SHIFT) < 0, now, host_->TwoPaneShown());
    if (target != tabbar::ClickFor::Nothing) SelectTab(position, target, false);
}
