// Favourites dragged out of the tree, and the tree's drop target: dropped items become favourites
// of the group under the drop, and a favourite of the tree dropped on another group moves there.
#include "panes/favourites/favourites_pane.h"

#include <commctrl.h>

#include <cstring>

#include "dnd/drop_target_base.h"
#include "dnd/dropped_items.h"
#include "dnd/drag_items.h"
#include "dnd/file_drag.h"
#include "dnd/forwarded_drop.h"

void FavouritesPane::OnBeginDrag(const NMTREEVIEWA& drag) {
    HTREEITEM item = drag.itemNew.hItem;
    Record* record = RecordOf(item);
    if (!record || record->list.empty()) return;
    ItemIdList absolute = AllocateItemList(record->list.size());
    if (!absolute) return;
    std::memcpy(absolute.Get(), record->list.data(), record->list.size());
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    // The desktop has no folder above it to be dragged out of.
    if (!SplitItemList(absolute.Get(), parent, child) || !child) return;
    DragRequest request;
    if (!MakeDragRequest(window_, parent.Get(), {child.Get()}, request)) return;
    draggedFavourite_ = item;
    StartFileDrag(std::move(request), [this] {
        if (host_) host_->PlayDragSound();
    });
    draggedFavourite_ = nullptr;
}

namespace {

class FavouritesDropTarget final : public DropTargetBase {
public:
    explicit FavouritesDropTarget(FavouritesPane& pane) : pane_(pane) {}

    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        if (OffersItems(Data())) *effect = AcceptedEffect(*effect);
        POINT client{point.x, point.y};
        ScreenToClient(pane_.Window(), &client);
        TVHITTESTINFO hit{};
        hit.pt = client;
        auto item =
            reinterpret_cast<HTREEITEM>(SendMessageA(pane_.Window(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (!item || (hit.flags & TVHT_ONITEM) == 0) {
            Highlight(nullptr);
            return S_OK;
        }
        if (pane_.IsFavourite(item)) {
            Highlight(nullptr);
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        Highlight(item);
        return S_OK;
    }

private:
    HRESULT Left() override {
        Highlight(nullptr);
        return S_OK;
    }

    // The source is told nothing moved: a favourite is a reference to a folder, which stays where
    // it is.
    HRESULT Dropped(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        *effect = DROPEFFECT_NONE;
        HTREEITEM dragged = pane_.DraggedFavourite();
        Highlight(nullptr);
        POINT client{point.x, point.y};
        ScreenToClient(pane_.Window(), &client);
        HTREEITEM group = pane_.HitTestGroup(client);
        DroppedItems items;
        if (!group || !ReadDroppedItems(data, items)) return S_OK;
        pane_.PlayDropSound();
        int added = 0;
        for (const ItemIdList& child : items.children)
            added += pane_.AddFavourite(group, items.parent.Get(), child.Get()) ? 1 : 0;
        // The old place goes only once the new one is there, so that a favourite whose folder is
        // gone is not lost by dragging it.
        if (dragged && added > 0 && pane_.IsFavourite(dragged)) pane_.RemoveFavourite(dragged);
        return S_OK;
    }

    void Highlight(HTREEITEM item) {
        if (item == highlighted_) return;
        // Wine's control takes no null drop item while nothing is selected, so the lit item is
        // also put out by its state.
        if (highlighted_) TreeView_SetItemState(pane_.Window(), highlighted_, 0, TVIS_DROPHILITED);
        highlighted_ = item;
        SendMessageA(pane_.Window(), TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
    }

    FavouritesPane& pane_;
    HTREEITEM highlighted_ = nullptr;
};

}  // namespace

bool FavouritesPane::RegisterDropTarget() {
    return dropRegistration_.Register(window_, ComPtr<IDropTarget>(new FavouritesDropTarget(*this)));
}

void FavouritesPane::RevokeDropTarget() { dropRegistration_.Revoke(); }
