// The window's own drop target, under the panes: dropped folders open as new tabs at the end.
#include "app/main_window.h"

#include "dnd/drop_target_base.h"
#include "dnd/dropped_items.h"
#include "dnd/forwarded_drop.h"

namespace {

class WindowDropTarget final : public DropTargetBase {
public:
    explicit WindowDropTarget(MainWindow& window) : window_(window) {}

    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        if (OffersItems(Data())) *effect = AcceptedEffect(*effect);
        return S_OK;
    }

private:
    // The items open as tabs; the source is told nothing was moved, so it never deletes them.
    HRESULT Dropped(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_NONE;
        DroppedItems items;
        if (ReadDroppedItems(data, items)) window_.OpenDroppedItems(items.parent.Get(), items.children, -1);
        return S_OK;
    }

    MainWindow& window_;
};

}  // namespace

void MainWindow::RegisterDropTargets() {
    frameDrop_.Register(window_, ComPtr<IDropTarget>(new WindowDropTarget(*this)));
    auto dropSound = [this] { context_.sounds.PlayEventSound(SoundEvent::DROP); };
    mainList_.RegisterDropTarget(dropSound);
    subList_.RegisterDropTarget(dropSound);
    tabBar_.RegisterDropTarget();
    tree_.RegisterDropTarget();
    favourites_.RegisterDropTarget();
}

void MainWindow::RevokeDropTargets() {
    frameDrop_.Revoke();
    mainList_.RevokeDropTarget();
    subList_.RevokeDropTarget();
    tabBar_.RevokeDropTarget();
    tree_.RevokeDropTarget();
    favourites_.RevokeDropTarget();
}
