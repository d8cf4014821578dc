// The groups and favourites of the tree: making, adding and deleting them, their icons, and what
// the other panes read of them.
#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "core/dbcs_text.h"
#include "panes/favourites/favourites_pane.h"
#include "panes/tabs/shell_tab_folder.h"
#include "win/system_text.h"

namespace {

constexpr char kNewGroupName[] = "新規グループ";
constexpr char kLikelyFoldersGroupName[] = "よく使いそうなフォルダ";
// A shortcut may lead to another shortcut; a ring of them must not be followed for ever.
constexpr int kMaxShortcutHops = 8;

favfile::IdList BytesOf(PCIDLIST_ABSOLUTE list) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(list);
    return list ? favfile::IdList(bytes, bytes + ItemListSize(list)) : favfile::IdList();
}

}  // namespace

HTREEITEM FavouritesPane::InsertGroup(const std::string& name, HTREEITEM after) {
    std::string label = dbcs::CutToFit(name, favfile::kLongestLabel, &IsSystemLeadByte);
    TVINSERTSTRUCTA insert{};
    insert.hParent = Root();
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(label.c_str());
    insert.item.cChildren = 1;
    return TreeView_InsertItem(window_, &insert);
}

HTREEITEM FavouritesPane::NewFavouritesGroup(const std::string& name) {
    if (!started_) return nullptr;
    HTREEITEM group = InsertGroup(name.empty() ? kNewGroupName : name, TVI_LAST);
    TreeView_Expand(window_, Root(), TVE_EXPAND);
    return group;
}

HTREEITEM FavouritesPane::InsertFavourite(HTREEITEM parentItem, Record* record, const std::string& label) {
    std::unique_ptr<Record> owned(record);
    std::string text = dbcs::CutToFit(label, favfile::kLongestLabel, &IsSystemLeadByte);
    TVINSERTSTRUCTA insert{};
    insert.hParent = parentItem;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.lParam = reinterpret_cast<LPARAM>(owned.get());
    HTREEITEM item = TreeView_InsertItem(window_, &insert);
    // From here on the item owns its record and lets it go when it is deleted.
    if (item) owned.release();
    return item;
}

bool FavouritesPane::AddFolder(HTREEITEM parentItem, ComPtr<IShellFolder> folder) {
    if (!folder || !parentItem) return false;
    ItemIdList own = OwnItemList(folder.Get());
    if (!own) return false;
    auto record = std::make_unique<Record>();
    record->list = BytesOf(own.Get());
    std::string name = DisplayName(folder.Get());
    record->title = name;
    record->view = NewTabViewState(settings_ ? settings_->listDefaultStyle : 0);
    record->folder = std::make_shared<ShellTabFolder>(std::move(folder));
    if (!InsertFavourite(parentItem, record.release(), name)) return false;
    TreeView_Expand(window_, parentItem, TVE_EXPAND);
    return true;
}

bool FavouritesPane::AddFavourite(HTREEITEM parentItem, IShellFolder* parentFolder, PCUITEMID_CHILD child) {
    if (!started_ || !parentItem || IsFavourite(parentItem)) return false;
    return AddItem(parentItem, parentFolder, child, 0);
}

bool FavouritesPane::AddItem(HTREEITEM parentItem, IShellFolder* parentFolder, PCUITEMID_CHILD child, int hops) {
    if (!parentFolder || !child || !ItemExists(parentFolder, child)) return false;
    if (IsFolderItem(parentFolder, child)) {
        return AddFolder(parentItem, BindFolderItem(parentFolder, child));
    }
    if (!IsShortcutItem(parentFolder, child)) {
        // A file: the folder that holds it.
        return AddFolder(parentItem, ComPtr<IShellFolder>::Share(parentFolder));
    }
    ComPtr<IShellFolder> targetFolder;
    ItemIdList targetChild;
    std::string url;
    if (!ResolveShortcut(*shell_, parentFolder, child, targetFolder, targetChild, url)) {
        return AddFolder(parentItem, DesktopFolder());
    }
    if (!targetChild) {
        return AddFolder(parentItem, std::move(targetFolder));
    }
    return hops < kMaxShortcutHops && AddItem(parentItem, targetFolder.Get(), targetChild.Get(), hops + 1);
}

void FavouritesPane::BuildDefaultGroups() {
    HTREEITEM startup = InsertGroup(kStartupGroupName, TVI_FIRST);
    HTREEITEM likely = InsertGroup(kLikelyFoldersGroupName, startup ? startup : TVI_FIRST);
    if (!likely) return;
    AddFolder(likely, DesktopFolder());
    for (int special : {CSIDL_DRIVES, CSIDL_PERSONAL, CSIDL_PROGRAM_FILES, CSIDL_SENDTO}) {
        ItemIdList list = SpecialFolderList(special);
        if (list) AddFolder(likely, BindFolder(list.Get()));
    }
}

void FavouritesPane::RemoveFavourite(HTREEITEM item) {
    if (!started_ || !item || item == Root()) return;
    // Deleting an item deletes its children first; each deletion lets its record go.
    TreeView_DeleteItem(window_, item);
}

void FavouritesPane::DeleteChildren(HTREEITEM item) {
    for (HTREEITEM child : ChildrenOf(item)) TreeView_DeleteItem(window_, child);
}

void FavouritesPane::SupplyIcons(NMTVDISPINFOA& info) const {
    TVITEMA& item = info.item;
    if (!(item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE))) return;
    item.iImage = item.iSelectedImage = 0;
    Record* record = RecordOf(item.lParam);
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    if (record && !record->list.empty() &&
        SplitItemList(reinterpret_cast<PCIDLIST_ABSOLUTE>(record->list.data()), parent, child)) {
        item.iImage = IconIndex(parent.Get(), child.Get(), 0, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        item.iSelectedImage =
            IconIndex(parent.Get(), child.Get(), GIL_OPENICON, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
        if (item.iImage < 0) item.iImage = 0;
        if (item.iSelectedImage < 0) item.iSelectedImage = item.iImage;
    }
    item.mask |= TVIF_DI_SETITEM;
}

IShellFolder* FavouritesPane::FolderOf(HTREEITEM item) const {
    Record* record = RecordOf(item);
    return record ? ShellTabFolder::ShellFolderOf(record->folder) : nullptr;
}

std::vector<tabs::FolderPtr> FavouritesPane::StartupFolders() const {
    std::vector<tabs::FolderPtr> folders;
    for (HTREEITEM favourite : ChildrenOf(StartupGroup()))
        if (Record* record = RecordOf(favourite)) folders.push_back(record->folder);
    return folders;
}

std::vector<FavouriteEntry> FavouritesPane::TopLevelEntries() const {
    std::vector<FavouriteEntry> entries;
    for (HTREEITEM node : ChildrenOf(Root())) {
        FavouriteEntry entry;
        entry.label = TextOf(node);
        entry.group = !IsFavourite(node);
        if (!entry.group) entry.folder = ComPtr<IShellFolder>::Share(FolderOf(node));
        for (HTREEITEM favourite : entry.group ? ChildrenOf(node) : std::vector<HTREEITEM>()) {
            if (!IsFavourite(favourite)) continue;
            entry.children.push_back(
                FavouriteEntry{TextOf(favourite), false, ComPtr<IShellFolder>::Share(FolderOf(favourite)), {}});
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}
