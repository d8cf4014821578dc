// The bar's side of an OLE drag over it: the spot the drag points at, the menu of a drop on a tab,
// and the launches of a drop on a launcher entry.
#include "panes/tabs/tab_bar.h"

#include "dnd/drop_target_base.h"
#include "dnd/dropped_items.h"
#include "dnd/forwarded_drop.h"
#include "panes/tabs/shell_tab_folder.h"

void TabBar::ShowDropSpot(POINT client) {
    tabbar::DropSpot spot = tabbar::DropSpotAt(layout_, Shown(), client.x, client.y);
    if (spot.hover == dropHover_ && spot.insert == insertionMark_) return;
    dropHover_ = spot.hover;
    insertionMark_ = spot.insert;
    Invalidate();
}

void TabBar::ClearDropSpot() {
    dropHover_ = 0;
    insertionMark_ = 0;
    Invalidate();
}

int TabBar::ShowDropMenu(POINT screen, bool canCopy) {
    ActionMenu menu(theme_);
    if (canCopy) {
        menu.Add(kDropCopy, kMenuIconNone, "ここにコピー");
        menu.Add(kDropMove, kMenuIconNone, "ここに移動");
    }
    menu.Add(kDropAddTabs, kMenuIconNone, "タブ追加");
    menu.Add(kDropCancel, kMenuIconNone, "キャンセル");
    return menu.Show(window_, screen);
}

void TabBar::QueueLaunches(int position, std::vector<std::string> parameters) {
    const LauncherEntry* entry = launcher_.Entry(position);
    if (!entry || parameters.empty() || !window_) return;
    for (std::string& text : parameters) queuedLaunches_.push_back({entry->serial, std::move(text)});
    PostMessageA(window_, kRunQueuedLaunchesMessage, 0, 0);
}

void TabBar::RunQueuedLaunches() {
    std::vector<QueuedLaunch> launches;
    launches.swap(queuedLaunches_);
    for (const QueuedLaunch& launch : launches) {
        // The entry may have moved, or gone, since the drop.
        int position = launcher_.PositionOf(launch.entry);
        if (position > 0) launcher_.RunWith(position, Owner(), host_->Executor(), launch.parameters);
    }
}

HRESULT TabBar::TakeDrop(IDataObject* data, POINTL point, DWORD* effect) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    tabbar::DropSpot spot = DropSpotNow();
    if (spot.hover != 0) {
        if (launcherMode_) {
            LaunchWithDroppedItems(spot.hover, data);
            ClearDropSpot();
            return S_OK;
        }
        if (DropOnTab(spot.hover, data, point, allowed, effect)) {
            ClearDropSpot();
            return S_OK;
        }
        spot.hover = 0;
    }
    DroppedItems items;
    if (ReadDroppedItems(data, items) && host_)
        host_->OpenDroppedItems(items.parent.Get(), items.children, spot.insert != 0 ? spot.insert : -1);
    ClearDropSpot();
    return S_OK;
}

bool TabBar::DropOnTab(int position, IDataObject* data, POINTL point, DWORD allowed, DWORD* effect) {
    const tabs::TabRecord* tab = model_ ? model_->Tab(position) : nullptr;
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    ComPtr<IDropTarget> target;
    bool canCopy = false;
    PCIDLIST_ABSOLUTE own = tab ? static_cast<ShellTabFolder*>(tab->folder.get())->OwnList() : nullptr;
    if (own && SplitToDesktopDirectory(own, parent, child) && child) {
        target = ShellDropTargetOf(parent.Get(), child.Get(), window_);
        SFGAOF attributes = SFGAO_CANCOPY | SFGAO_CANMOVE;
        PCUITEMID_CHILD children[] = {child.Get()};
        canCopy =
            target && SUCCEEDED(parent->GetAttributesOf(1, children, &attributes)) && (attributes & SFGAO_CANCOPY) != 0;
    }
    int choice = ShowDropMenu(POINT{point.x, point.y}, canCopy);
    if (choice == kDropAddTabs) return false;
    if (choice != kDropCopy && choice != kDropMove) return true;
    // The keys that make the shell copy or move whatever the source would have it do.
    DWORD keys = MK_LBUTTON | (choice == kDropCopy ? MK_CONTROL : MK_SHIFT);
    DWORD offered = allowed;
    if (SUCCEEDED(target->DragEnter(data, keys, point, &offered)) && offered != DROPEFFECT_NONE) {
        *effect = allowed;
        target->Drop(data, keys, point, effect);
    } else {
        target->DragLeave();
    }
    return true;
}

void TabBar::LaunchWithDroppedItems(int position, IDataObject* data) {
    DroppedItems items;
    if (!ReadDroppedItems(data, items)) return;
    std::vector<std::string> parameters;
    for (const ItemIdList& child : items.children)
        parameters.push_back("\"" + ItemPath(items.parent.Get(), child.Get()) + "\"");
    QueueLaunches(position, std::move(parameters));
}

namespace {

class TabBarDropTarget final : public DropTargetBase {
public:
    explicit TabBarDropTarget(TabBar& bar) : bar_(bar) {}

    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        POINT client{point.x, point.y};
        ScreenToClient(bar_.Window(), &client);
        bar_.ShowDropSpot(client);
        *effect = AcceptedEffect(*effect);
        return S_OK;
    }

private:
    void Entered() override { bar_.ClearDropSpot(); }
    HRESULT Left() override {
        bar_.ClearDropSpot();
        return S_OK;
    }
    HRESULT Dropped(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        return bar_.TakeDrop(data, point, effect);
    }

    TabBar& bar_;
};

}  // namespace

bool TabBar::RegisterDropTarget() {
    return dropRegistration_.Register(window_, ComPtr<IDropTarget>(new TabBarDropTarget(*this)));
}

void TabBar::RevokeDropTarget() { dropRegistration_.Revoke(); }
