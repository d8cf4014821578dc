// The header bar's menus: the ancestors of the list's folder, the tab's back history, the view
// styles and the favourites. Each opens under its button and acts once it has closed.
#include "panes/list/header_bar.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "core/view_style_menu.h"
#include "panes/list/list_pane.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "ui/favourites_menu.h"
#include "ui/mark_menus.h"
#include "ui/system_icon_menus.h"

namespace {

constexpr UINT kSmallIconIndex = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;

const char* const kStyleMenuTexts[kStyleMenuItemCount] = {"アイコン", "並べて表示", "一覧",
                                                          "詳細",     "コメント",   "サムネイル"};

int SmallIconOf(IShellFolder* folder) {
    ComPtr<IShellFolder> parent;
    ItemIdList last;
    if (!folder || !ParentAndLast(folder, parent, last)) return -1;
    return IconIndex(parent.Get(), last.Get(), 0, kSmallIconIndex);
}

// The folders above a list's folder, from its parent up to the desktop.
std::vector<ItemIdList> AncestorsOf(IShellFolder* folder) {
    std::vector<ItemIdList> ancestors;
    ItemIdList own = OwnItemList(folder);
    ItemIdList level = ParentItemList(own.Get());
    while (level) {
        ItemIdList next = ParentItemList(level.Get());
        ancestors.push_back(std::move(level));
        level = std::move(next);
    }
    return ancestors;
}

}  // namespace

void HeaderBar::ShowAncestorMenu() {
    if (!window_ || !list_.Model().Folder()) return;
    std::vector<ItemIdList> ancestors = AncestorsOf(list_.Model().Folder());
    if (ancestors.empty()) return;
    ShellIconMenu menu(*theme_);
    UINT id = 1;
    for (const ItemIdList& ancestor : ancestors) {
        ComPtr<IShellFolder> parent;
        ItemIdList last;
        std::string name;
        int icon = -1;
        if (SplitItemList(ancestor.Get(), parent, last)) {
            name = last ? DisplayName(parent.Get(), last.Get()) : DisplayName(parent.Get());
            icon = IconIndex(parent.Get(), last.Get(), 0, kSmallIconIndex);
        }
        menu.AddItem(id++, name, icon);
    }
    POINT at = up_->BottomLeftOnScreen();
    int chosen = menu.Show(MenuOwner(), at.x, at.y);
    if (chosen >= 1 && static_cast<size_t>(chosen) <= ancestors.size()) {
        ComPtr<IShellFolder> folder = BindFolder(ancestors[static_cast<size_t>(chosen - 1)].Get());
        if (folder) host_->ShowFolder(list_, std::move(folder), true);
    }
    EnableButtons();
}

void HeaderBar::ShowHistoryMenu() {
    if (!window_) return;
    std::vector<ComPtr<IShellFolder>> history = host_->BackHistory(list_);
    if (history.empty()) return;
    HistoryMenu menu(*theme_);
    UINT id = 1;
    for (const ComPtr<IShellFolder>& folder : history)
        menu.AddItem(id++, DisplayName(folder.Get()), SmallIconOf(folder.Get()));
    POINT at = back_->BottomLeftOnScreen();
    int chosen = menu.Show(MenuOwner(), at.x, at.y);
    if (chosen > 0) host_->GoToHistoryEntry(list_, chosen);
    EnableButtons();
}

void HeaderBar::ShowStyleMenu() {
    if (!window_) return;
    auto layout = static_cast<ListLayout>(GetWindowLongPtrA(list_.Window(), GWL_STYLE) & LVS_TYPEMASK);
    RadioMenu menu(*theme_, StyleMenuMark(list_.CommentMode(), list_.ThumbnailMode(), layout));
    for (int item = 1; item <= kStyleMenuItemCount; ++item)
        menu.AddItem(static_cast<UINT>(item), kStyleMenuTexts[item - 1]);
    POINT at = style_->BottomLeftOnScreen();
    int style = 0;
    if (StyleOfMenuItem(menu.Show(MenuOwner(), at.x, at.y), style)) list_.SetViewStyle(style, false);
    // The control lays its items out anew only when it is told their number again.
    list_.SizeListColumns(list_.Model().WidestName());
    SendMessageA(list_.Window(), LVM_SETITEMCOUNT, list_.Model().Count(), 0);
}

void HeaderBar::ShowFavouritesMenu() {
    if (!window_) return;
    std::vector<FavouriteEntry> entries = favouriteSource_->TopLevelEntries();
    FavouritesMenu menu(*theme_);
    // The folder of each item by its number less one; the entries hold them while the menu is open.
    std::vector<IShellFolder*> folders;
    for (const FavouriteEntry& entry : entries) {
        if (!entry.group) {
            folders.push_back(entry.folder.Get());
            menu.AddItem(static_cast<UINT>(folders.size()), entry.label, SmallIconOf(entry.folder.Get()));
            continue;
        }
        if (entry.children.empty()) continue;
        HMENU submenu = menu.AddSubmenu(entry.label);
        if (!submenu) continue;
        for (const FavouriteEntry& favourite : entry.children) {
            folders.push_back(favourite.folder.Get());
            menu.AddSubmenuItem(submenu, static_cast<UINT>(folders.size()), favourite.label,
                                SmallIconOf(favourite.folder.Get()));
        }
    }
    if (folders.empty()) return;
    POINT at = favourites_->BottomLeftOnScreen();
    int chosen = menu.Show(MenuOwner(), at.x, at.y);
    if (chosen < 1 || static_cast<size_t>(chosen) > folders.size() || !folders[static_cast<size_t>(chosen - 1)]) return;
    // Shift is read as it is when the menu has closed.
    bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(folders[static_cast<size_t>(chosen - 1)]);
    if (shift) host_->OpenFolderAsNewTab(std::move(folder));
    else
        host_->ShowFolder(list_, std::move(folder), true);
    EnableButtons();
}
