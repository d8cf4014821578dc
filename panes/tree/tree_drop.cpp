// The tree's drop target: a drag over a folder of the tree goes to the shell's own target of that
// folder, which is lit while the drag is over it.
#include "panes/tree/folder_tree.h"

#include <commctrl.h>

#include "dnd/drop_target_base.h"
#include "dnd/dropped_items.h"
#include "dnd/forwarded_drop.h"

namespace {

class TreeDropTarget final : public DropTargetBase {
public:
    explicit TreeDropTarget(FolderTreePane& tree) : tree_(tree) {}

    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        HTREEITEM item = refused_ ? nullptr : ItemAt(point);
        if (!item) {
            Highlight(nullptr);
            forwarded_.Leave();
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        const auto spot = reinterpret_cast<uintptr_t>(item);
        if (!forwarded_.At(spot)) {
            Highlight(item);
            forwarded_.Enter(spot, FolderTarget(item), Data(), keyState, point, effect);
            return S_OK;
        }
        forwarded_.Over(keyState, point, effect);
        return S_OK;
    }

private:
    void Entered() override { refused_ = OffersBrokenItemArray(Data()); }

    HRESULT Left() override {
        Highlight(nullptr);
        return forwarded_.Leave();
    }

    HRESULT Dropped(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        if (forwarded_.HasTarget()) tree_.PlayDropSound();
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        Highlight(nullptr);
        forwarded_.Drop(data, keyState, point, effect);
        return S_OK;
    }

    HTREEITEM ItemAt(POINTL point) const {
        TVHITTESTINFO hit{};
        hit.pt = {point.x, point.y};
        ScreenToClient(tree_.Window(), &hit.pt);
        auto item =
            reinterpret_cast<HTREEITEM>(SendMessageA(tree_.Window(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        return item && (hit.flags & TVHT_ONITEM) ? item : nullptr;
    }

    // The desktop at the root is taken as the folder behind it, which has a parent to ask.
    ComPtr<IDropTarget> FolderTarget(HTREEITEM item) const {
        ItemIdList absolute = tree_.AbsoluteListOf(item);
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        if (!absolute || !SplitToDesktopDirectory(absolute.Get(), parent, child) || !child)
            return ComPtr<IDropTarget>();
        return ShellDropTargetOf(parent.Get(), child.Get(), tree_.Window());
    }

    void Highlight(HTREEITEM item) {
        if (item == highlighted_) return;
        // Wine's control takes no null drop item while nothing is selected, so the lit item is
        // also put out by its state.
        if (highlighted_) TreeView_SetItemState(tree_.Window(), highlighted_, 0, TVIS_DROPHILITED);
        highlighted_ = item;
        SendMessageA(tree_.Window(), TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
    }

    FolderTreePane& tree_;
    ForwardedDrop forwarded_;
    HTREEITEM highlighted_ = nullptr;
    bool refused_ = false;
};

}  // namespace

bool FolderTreePane::RegisterDropTarget() {
    return dropRegistration_.Register(window_, ComPtr<IDropTarget>(new TreeDropTarget(*this)));
}

void FolderTreePane::RevokeDropTarget() { dropRegistration_.Revoke(); }

void FolderTreePane::PlayDropSound() {
    if (host_) host_->PlayTreeSound(TreeSound::Drop);
}
