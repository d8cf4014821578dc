// Filling the folder tree: the root, an item's children when it is expanded, the way down to a
// folder, and the refresh that brings the filled part in line with the folders on disk.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>

#include "core/dbcs_text.h"
#include "core/run_sort.h"
#include "panes/tree/tree_item_data.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "win/system_text.h"

namespace {

constexpr char kDesktopText[] = "デスクトップ";
// An enumeration whose result has any of these bits did not start.
constexpr HRESULT kEnumerationFailureBits = 0x4C7;
// The longest a part of a refresh keeps the window from answering.
constexpr DWORD kRefreshSliceMs = 50;

struct ChildLook {
    std::string text;
    bool hasSubfolders = false;
    UINT state = 0;
};

ChildLook LookOf(IShellFolder* folder, PCUITEMID_CHILD child, bool marked) {
    ChildLook look;
    SFGAOF attributes = SFGAO_HASSUBFOLDER | SFGAO_SHARE | SFGAO_GHOSTED;
    if (FAILED(folder->GetAttributesOf(1, &child, &attributes))) attributes = 0;
    look.hasSubfolders = (attributes & SFGAO_HASSUBFOLDER) != 0;
    if (attributes & SFGAO_SHARE) look.state |= INDEXTOOVERLAYMASK(1);
    if (attributes & SFGAO_GHOSTED) look.state |= TVIS_CUT;
    look.text = FitTextBuffer((marked ? "*" : "") + DisplayName(folder, child));
    return look;
}

// A child as the level shows it: its identifier's bytes and its erased mark. Summed over a level it
// tells, with one reading of the folder, whether anything there changed since it was last shown.
uint64_t ShownFingerprint(PCUIDLIST_RELATIVE list, bool marked) {
    uint64_t hash = 14695981039346656037ull;
    const auto* bytes = reinterpret_cast<const unsigned char*>(list);
    for (size_t at = 0, size = list ? ItemListSize(list) : 0; at < size; ++at)
        hash = (hash ^ bytes[at]) * 1099511628211ull;
    return (hash ^ (marked ? 1u : 0u)) * 1099511628211ull;
}

std::string BytesOf(PCUIDLIST_RELATIVE list) {
    return std::string(reinterpret_cast<const char*>(list), ItemListSize(list));
}

// The first `count` items of a list, as a list of their own.
ItemIdList LeadingItems(PCIDLIST_ABSOLUTE list, size_t count) {
    const auto* start = reinterpret_cast<const BYTE*>(list);
    PCUIDLIST_RELATIVE at = list;
    for (size_t item = 0; item < count && at && at->mkid.cb; ++item)
        at = reinterpret_cast<PCUIDLIST_RELATIVE>(reinterpret_cast<const BYTE*>(at) + at->mkid.cb);
    size_t bytes = static_cast<size_t>(reinterpret_cast<const BYTE*>(at) - start);
    ItemIdList leading = AllocateItemList(bytes + sizeof(USHORT));
    if (leading) std::memcpy(leading.Get(), start, bytes);
    return leading;
}

}  // namespace

void FolderTreePane::FillRoot() {
    ItemIdList desktop = SpecialFolderList(CSIDL_DESKTOP);
    if (!desktop) return;
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(desktop.Get()), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    auto* data = new ItemData{std::move(desktop), false};
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(kDesktopText);
    insert.item.iImage = insert.item.iSelectedImage = info.iIcon;
    insert.item.cChildren = 1;
    insert.item.lParam = reinterpret_cast<LPARAM>(data);
    HTREEITEM root;
    {
        OwnChange change(*this);
        root = TreeView_InsertItem(window_, &insert);
    }
    if (!root) {
        delete data;
        return;
    }
    TreeView_Expand(window_, root, TVE_EXPAND);
    ItemIdList computer = SpecialFolderList(CSIDL_DRIVES);
    if (HTREEITEM drives = FindItem(computer.Get())) TreeView_Expand(window_, drives, TVE_EXPAND);
    TreeView_EnsureVisible(window_, root);
    SendMessageA(window_, WM_HSCROLL, SB_LEFT, 0);
}

void FolderTreePane::SupplyIcons(NMTVDISPINFOA& info) const {
    TVITEMA& item = info.item;
    if (!(item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE))) return;
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    item.iImage = item.iSelectedImage = 0;
    if (SplitItem(item.hItem, parent, child)) {
        item.iImage = IconIndex(parent.Get(), child.Get(), 0, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        item.iSelectedImage =
            IconIndex(parent.Get(), child.Get(), GIL_OPENICON, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
    }
    item.mask |= TVIF_DI_SETITEM;
}

bool FolderTreePane::EnumerateFolders(IShellFolder* folder, std::vector<ItemIdList>& children) const {
    SHCONTF flags = SHCONTF_FOLDERS | (settings_ && settings_->showHidden ? SHCONTF_INCLUDEHIDDEN : 0);
    ComPtr<IEnumIDList> contents;
    HRESULT result = folder->EnumObjects(mainWindow_, flags, contents.Put());
    if ((result & kEnumerationFailureBits) != 0 || !contents) return false;
    PITEMID_CHILD child = nullptr;
    ULONG fetched = 0;
    while (contents->Next(1, &child, &fetched) == S_OK && fetched == 1) children.emplace_back(child);
    return true;
}

HTREEITEM FolderTreePane::InsertChild(HTREEITEM parent, IShellFolder* folder, ItemIdList child, bool marked,
                                      HTREEITEM after) {
    ChildLook look = LookOf(folder, child.Get(), marked);
    auto* data = new ItemData{std::move(child), false};
    data->marked = marked;
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM | TVIF_STATE;
    insert.item.pszText = const_cast<char*>(look.text.c_str());
    // The icons are asked for once the item is first shown: a folder of thousands of folders
    // opens without asking the shell for thousands of icons nobody sees.
    insert.item.iImage = insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.cChildren = look.hasSubfolders ? 1 : 0;
    insert.item.lParam = reinterpret_cast<LPARAM>(data);
    insert.item.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
    insert.item.state = look.state;
    auto inserted = reinterpret_cast<HTREEITEM>(Control(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!inserted) delete data;
    return inserted;
}

void FolderTreePane::UpdateChild(HTREEITEM item, IShellFolder* folder, ItemIdList child, bool marked) {
    ItemData* data = DataOf(item);
    if (!data) return;
    ChildLook look = LookOf(folder, child.Get(), marked);
    data->list = std::move(child);
    data->marked = marked;
    char text[dbcs::kTextBufferBytes] = {};
    TVITEMA shown{};
    shown.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_STATE | TVIF_CHILDREN;
    shown.hItem = item;
    shown.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
    shown.pszText = text;
    shown.cchTextMax = sizeof text;
    if (!Control(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&shown))) return;
    text[sizeof text - 1] = '\0';
    // Setting an item makes the control lay out its visible items again, so an item that has
    // not changed, as nearly all have not, is left alone.
    TVITEMA update{};
    update.mask = TVIF_HANDLE;
    update.hItem = item;
    if (look.text != text) {
        update.mask |= TVIF_TEXT;
        update.pszText = const_cast<char*>(look.text.c_str());
    }
    if ((shown.state & (TVIS_OVERLAYMASK | TVIS_CUT)) != look.state) {
        update.mask |= TVIF_STATE;
        update.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
        update.state = look.state;
    }
    // An item whose children are listed keeps its button whatever the folder says.
    int children = look.hasSubfolders ? 1 : 0;
    bool listed = Control(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)) != 0;
    if (!listed && (shown.cChildren != 0) != (children != 0)) {
        update.mask |= TVIF_CHILDREN;
        update.cChildren = children;
    }
    if (update.mask != TVIF_HANDLE) TreeView_SetItem(window_, &update);
}

void FolderTreePane::DeleteChildren(HTREEITEM item) {
    OwnChange change(*this);
    for (HTREEITEM child : ChildrenOf(item)) Control(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
}

bool FolderTreePane::FillChildren(HTREEITEM item) {
    ItemData* data = DataOf(item);
    ItemIdList absolute = AbsoluteListOf(item);
    ComPtr<IShellFolder> folder = BindFolder(absolute.Get());
    std::vector<ItemIdList> found;
    if (!data || !folder || !EnumerateFolders(folder.Get(), found)) return false;
    OwnChange change(*this);
    DeleteChildren(item);
    data->filled = true;
    filledItems_.insert(item);
    // Inserted in the folder's order, which the shell's reading mostly has already.
    IShellFolder* order = folder.Get();
    runsort::Sort(found, [order](const ItemIdList& a, const ItemIdList& b) {
        HRESULT result = order->CompareIDs(0, a.Get(), b.Get());
        return SUCCEEDED(result) && static_cast<short>(HRESULT_CODE(result)) < 0;
    });
    std::vector<PCUITEMID_CHILD> erased = hidden_.Collect(absolute.Get());
    int shown = 0;
    uint64_t fingerprint = 0;
    bool everyChildShown = true;
    for (ItemIdList& child : found) {
        TreeChildShown how = ClassifyTreeChild(folder.Get(), child.Get(), erased, showErased_);
        if (how == TreeChildShown::Omitted) continue;
        bool marked = how == TreeChildShown::Marked;
        fingerprint += ShownFingerprint(child.Get(), marked);
        if (InsertChild(item, folder.Get(), std::move(child), marked)) ++shown;
        else
            everyChildShown = false;
    }
    data->shownFingerprint = fingerprint;
    data->fingerprintKnown = everyChildShown;
    if (shown == 0 && item != Root()) {
        TVITEMA update{};
        update.mask = TVIF_HANDLE | TVIF_CHILDREN;
        update.hItem = item;
        TreeView_SetItem(window_, &update);
    }
    return true;
}

HTREEITEM FolderTreePane::MatchingChild(HTREEITEM parent, IShellFolder* folder, PCUITEMID_CHILD wanted) const {
    for (HTREEITEM child : ChildrenOf(parent)) {
        ItemData* data = DataOf(child);
        if (data && data->list && folder->CompareIDs(0, data->list.Get(), wanted) == S_OK) return child;
    }
    return nullptr;
}

HTREEITEM FolderTreePane::FindItem(PCIDLIST_ABSOLUTE folder) {
    size_t levels = folder ? ItemListDepth(folder) - 1 : 0;
    HTREEITEM current = Root();
    if (levels == 0 || !current) return nullptr;
    for (size_t level = 1; level <= levels; ++level) {
        ItemIdList parentList = LeadingItems(folder, level - 1);
        ItemIdList throughLevel = LeadingItems(folder, level);
        ItemIdList wanted = LastItem(throughLevel.Get());
        ComPtr<IShellFolder> parent = BindFolder(parentList.Get());
        if (!parent || !wanted) return nullptr;
        HTREEITEM match = MatchingChild(current, parent.Get(), wanted.Get());
        // An item expanded once before is not filled by expanding it again; the level is read anew
        // when the folder sought is not among its children.
        if (!match && FillChildren(current)) match = MatchingChild(current, parent.Get(), wanted.Get());
        if (!match) return nullptr;
        current = match;
        if (level < levels && !IsExpanded(current)) TreeView_Expand(window_, current, TVE_EXPAND);
    }
    return current;
}

bool FolderTreePane::SelectFolder(PCIDLIST_ABSOLUTE folder) {
    HTREEITEM item = IsDesktopList(folder) ? Root() : FindItem(folder);
    if (!item) return false;
    OwnChange change(*this);
    TreeView_SelectItem(window_, item);
    return true;
}

void FolderTreePane::SyncToList(IShellFolder* shown) {
    if (!started_ || !settings_ || !settings_->treeSync || !shown) return;
    ItemIdList own = OwnItemList(shown);
    if (own) SelectFolder(own.Get());
}

// The filled levels are few beside the items, so they are sought from the filled ones upwards
// rather than by visiting every item under the ones asked for.
void FolderTreePane::MarkForRefresh(const std::vector<HTREEITEM>& tops) {
    auto open = [this](HTREEITEM item) { return item == Root() || IsExpanded(item); };
    auto isTop = [&tops](HTREEITEM item) { return std::find(tops.begin(), tops.end(), item) != tops.end(); };
    struct Due {
        size_t depth;
        HTREEITEM item;
    };
    std::vector<Due> due;
    for (HTREEITEM item : filledItems_) {
        size_t depth = 0;
        bool allOpen = true;
        HTREEITEM at = item;
        for (; at && !isTop(at); at = ParentOf(at), ++depth)
            if (!open(at)) allOpen = false;
        if (!at || !allOpen || (at != item && !open(at))) continue;
        due.push_back(Due{depth, item});
    }
    std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.depth < b.depth; });
    for (const Due& level : due) {
        ItemData* data = DataOf(level.item);
        if (!data || data->refreshDue) continue;
        data->refreshDue = true;
        dueLevels_.push_back(level.item);
    }
}

void FolderTreePane::ForgetDueLevel(HTREEITEM item) {
    dueLevels_.erase(std::remove(dueLevels_.begin(), dueLevels_.end(), item), dueLevels_.end());
}

void FolderTreePane::QueueRefreshSlice() {
    if (sliceQueued_ || dueLevels_.empty()) return;
    sliceQueued_ = PostMessageA(window_, kRefreshSliceMessage, 0, 0) != FALSE;
}

void FolderTreePane::RefreshSubtree(HTREEITEM item) {
    if (!started_ || !item) return;
    MarkForRefresh({item});
    QueueRefreshSlice();
}

// The levels go top down, so that a folder that has gone takes its due levels with it before they
// are read.
void FolderTreePane::RunRefreshSlice() {
    sliceQueued_ = false;
    if (!started_) return;
    // A slice that pumps messages posts the next one once it is over.
    if (refreshing_) return;
    refreshing_ = true;
    OwnChange change(*this);
    firstVisible_ = TreeView_GetFirstVisible(window_);
    SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
    DWORD start = GetTickCount();
    while (!dueLevels_.empty() && GetTickCount() - start < kRefreshSliceMs) {
        HTREEITEM item = dueLevels_.front();
        dueLevels_.pop_front();
        if (ItemData* data = DataOf(item)) data->refreshDue = false;
        MergeLevel(item);
    }
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    if (firstVisible_) TreeView_Select(window_, firstVisible_, TVGN_FIRSTVISIBLE);
    firstVisible_ = nullptr;
    refreshing_ = false;
    InvalidateRect(window_, nullptr, TRUE);
    QueueRefreshSlice();
}

void FolderTreePane::MergeLevel(HTREEITEM item) {
    ItemData* data = DataOf(item);
    if (!data || !data->filled) return;
    ItemIdList absolute = AbsoluteListOf(item);
    SHFILEINFOA info{};
    bool exists = absolute && SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute.Get()), 0, &info, sizeof info,
                                             SHGFI_PIDL | SHGFI_ATTRIBUTES) != 0;
    if (!exists) {
        DeleteChildren(item);
        data->fingerprintKnown = false;
        return;
    }
    ComPtr<IShellFolder> folder = BindFolder(absolute.Get());
    std::vector<ItemIdList> found;
    // A drive that is not ready, or a folder out of reach, keeps what it showed.
    if (!folder || !EnumerateFolders(folder.Get(), found)) return;
    std::vector<PCUITEMID_CHILD> erased = hidden_.Collect(absolute.Get());
    struct Found {
        ItemIdList list;
        bool marked;
    };
    std::vector<Found> shown;
    for (ItemIdList& child : found) {
        TreeChildShown how = ClassifyTreeChild(folder.Get(), child.Get(), erased, showErased_);
        if (how != TreeChildShown::Omitted) shown.push_back(Found{std::move(child), how == TreeChildShown::Marked});
    }
    uint64_t fingerprint = 0;
    for (const Found& child : shown) fingerprint += ShownFingerprint(child.list.Get(), child.marked);
    // The control answers each question about an item slowly on some systems, so a level that has
    // not changed is not asked about at all.
    if (data->fingerprintKnown && data->shownFingerprint == fingerprint) return;
    data->shownFingerprint = fingerprint;
    data->fingerprintKnown = true;
    // The items in the tree's order, which is the folder's own. The control finds an item only by
    // searching all of them on some systems, so each is asked for its data once.
    std::vector<HTREEITEM> order = ChildrenOf(item);
    std::vector<ItemData*> orderData;
    std::unordered_map<std::string, size_t> byBytes;
    for (HTREEITEM child : order) {
        ItemData* childData = DataOf(child);
        if (childData && childData->list) byBytes.emplace(BytesOf(childData->list.Get()), orderData.size());
        orderData.push_back(childData);
    }
    // A folder whose identifier is the same to the byte has not changed at all, nor has its name
    // or what it holds: the identifier carries its name, attributes and time. That is nearly every
    // folder of a level, so a level of thousands is matched without asking the shell about each.
    std::vector<bool> kept(order.size(), false);
    std::vector<Found> changed;
    for (Found& child : shown) {
        auto same = byBytes.find(BytesOf(child.list.Get()));
        if (same != byBytes.end() && orderData[same->second]->marked == child.marked) {
            kept[same->second] = true;
            byBytes.erase(same);
        } else {
            changed.push_back(std::move(child));
        }
    }
    IShellFolder* folderOrder = folder.Get();
    auto compare = [folderOrder](PCUITEMID_CHILD a, PCUITEMID_CHILD b) {
        HRESULT result = folderOrder->CompareIDs(0, a, b);
        return FAILED(result) ? 0 : static_cast<int>(static_cast<short>(HRESULT_CODE(result)));
    };
    // The rest are renamed, changed inside, new or gone: told apart by the folder's own comparison,
    // both sides in its order and walked side by side.
    struct Listed {
        HTREEITEM item;
        PCUITEMID_CHILD list;
    };
    std::vector<Listed> leftover;
    for (size_t at = 0; at < order.size(); ++at)
        if (!kept[at] && orderData[at]) leftover.push_back(Listed{order[at], orderData[at]->list.Get()});
    auto before = [&](PCUITEMID_CHILD a, PCUITEMID_CHILD b) { return a && b && compare(a, b) < 0; };
    runsort::Sort(changed, [&](const Found& a, const Found& b) { return before(a.list.Get(), b.list.Get()); });
    runsort::Sort(leftover, [&](const Listed& a, const Listed& b) { return before(a.list, b.list); });
    std::vector<HTREEITEM> gone;
    size_t old = 0;
    for (Found& child : changed) {
        while (old < leftover.size() && before(leftover[old].list, child.list.Get()))
            gone.push_back(leftover[old++].item);
        if (old < leftover.size() && leftover[old].list && compare(leftover[old].list, child.list.Get()) == 0) {
            UpdateChild(leftover[old++].item, folder.Get(), std::move(child.list), child.marked);
            continue;
        }
        // The new folder's place among the present ones, so that a level is not sorted whole for
        // each folder made in it.
        size_t low = 0, high = order.size();
        while (low < high) {
            size_t middle = (low + high) / 2;
            ItemData* middleData = orderData[middle];
            if (middleData && middleData->list && compare(middleData->list.Get(), child.list.Get()) < 0)
                low = middle + 1;
            else
                high = middle;
        }
        HTREEITEM after = low == 0 ? TVI_FIRST : order[low - 1];
        HTREEITEM inserted = InsertChild(item, folder.Get(), std::move(child.list), child.marked, after);
        if (!inserted) {
            data->fingerprintKnown = false;
            continue;
        }
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(low), inserted);
        orderData.insert(orderData.begin() + static_cast<std::ptrdiff_t>(low), DataOf(inserted));
    }
    while (old < leftover.size()) gone.push_back(leftover[old++].item);
    for (HTREEITEM child : gone) Control(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
}

void FolderTreePane::OnDrivesChanged() {
    uint32_t drives = driveWatcher_.TakeChangedDrives();
    if (!started_ || !drives) return;
    // The drives under the computer, and the folders at the top that live on a drive, such as the
    // documents.
    std::vector<HTREEITEM> tops = ChildrenOf(Root());
    ItemIdList computerList = SpecialFolderList(CSIDL_DRIVES);
    HTREEITEM computer =
        computerList ? MatchingChild(Root(), DesktopFolder().Get(), LastItem(computerList.Get()).Get()) : nullptr;
    if (computer) {
        std::vector<HTREEITEM> drivesShown = ChildrenOf(computer);
        tops.insert(tops.end(), drivesShown.begin(), drivesShown.end());
    }
    std::vector<HTREEITEM> changed;
    for (HTREEITEM top : tops) {
        if (top == computer) continue;
        ItemIdList absolute = AbsoluteListOf(top);
        char path[MAX_PATH] = {};
        if (absolute && SHGetPathFromIDListA(absolute.Get(), path) && (DriveBitOf(path) & drives))
            changed.push_back(top);
    }
    MarkForRefresh(changed);
    QueueRefreshSlice();
}
