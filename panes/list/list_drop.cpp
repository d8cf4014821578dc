// The list's drop target: a drag over a row goes to the shell's target of that item, a drag over
// the empty space to the target of the list's folder, so copying, moving, linking, the shell's own
// right-drag menu and the effect chosen by the keys are the shell's. A left drag of the list's own
// items over its empty space drops nothing.
#include "panes/list/list_pane.h"

#include <commctrl.h>

#include "dnd/drop_target_base.h"
#include "dnd/dropped_items.h"
#include "dnd/forwarded_drop.h"

namespace {

// The spot of the list's own folder; the rows are spots 1 and up.
constexpr uintptr_t kFolderSpot = 0;

class ListDropTarget final : public DropTargetBase {
public:
    ListDropTarget(ListPane& list, std::function<void()> dropSound) : list_(list), dropSound_(std::move(dropSound)) {}

    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        if (refused_) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        int row = RowAt(point);
        if (row < 0 && list_.DragFromHere() && keyState == MK_LBUTTON) {
            Highlight(-1);
            forwarded_.Leave();
            hoveredRow_ = kNotHovered;
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        if (row != hoveredRow_) {
            hoveredRow_ = row;
            if (row >= 0) {
                ComPtr<IDropTarget> item = ShellDropTargetOf(
                    list_.Model().Folder(), list_.Model().Item(static_cast<size_t>(row)), list_.Window());
                if (item) {
                    Highlight(row);
                    if (FAILED(forwarded_.Enter(static_cast<uintptr_t>(row) + 1, std::move(item), Data(), keyState,
                                                point, effect)))
                        Highlight(-1);
                    return S_OK;
                }
            }
            Highlight(-1);
            if (!forwarded_.At(kFolderSpot)) {
                forwarded_.Enter(kFolderSpot, FolderTarget(), Data(), keyState, point, effect);
                return S_OK;
            }
        }
        forwarded_.Over(keyState, point, effect);
        return S_OK;
    }

private:
    static constexpr int kNotHovered = -2;

    void Entered() override {
        hoveredRow_ = kNotHovered;
        refused_ = OffersBrokenItemArray(Data());
    }

    HRESULT Left() override {
        Highlight(-1);
        hoveredRow_ = kNotHovered;
        return forwarded_.Leave();
    }

    HRESULT Dropped(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        Highlight(-1);
        hoveredRow_ = kNotHovered;
        const bool taken = forwarded_.HasTarget();
        forwarded_.Drop(data, keyState, point, effect);
        if (taken && dropSound_) dropSound_();
        return S_OK;
    }

    int RowAt(POINTL point) const {
        LVHITTESTINFO hit{};
        hit.pt = {point.x, point.y};
        ScreenToClient(list_.Window(), &hit.pt);
        int row = static_cast<int>(SendMessageA(list_.Window(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (row < 0 || (hit.flags & LVHT_ONITEM) == 0) return -1;
        if (static_cast<size_t>(row) >= list_.Model().Count()) return -1;
        return row;
    }

    // The shell's target of the list's folder, asked of the folder's parent; the desktop is taken
    // as the folder behind it, which has a parent to ask.
    ComPtr<IDropTarget> FolderTarget() const {
        ItemIdList own = OwnItemList(list_.Model().Folder());
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        if (!own || !SplitToDesktopDirectory(own.Get(), parent, child) || !child) return ComPtr<IDropTarget>();
        return ShellDropTargetOf(parent.Get(), child.Get(), list_.Window());
    }

    void Highlight(int row) { list_.SetDropHighlight(row); }

    ListPane& list_;
    std::function<void()> dropSound_;
    ForwardedDrop forwarded_;
    int hoveredRow_ = kNotHovered;
    bool refused_ = false;
};

}  // namespace

bool ListPane::RegisterDropTarget(std::function<void()> dropSound) {
    return dropRegistration_.Register(window_, ComPtr<IDropTarget>(new ListDropTarget(*this, std::move(dropSound))));
}

void ListPane::RevokeDropTarget() { dropRegistration_.Revoke(); }
