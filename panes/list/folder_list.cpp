#include "panes/list/folder_list.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "core/item_order.h"
#include "shell/shell_services.h"

namespace {

constexpr SHCONTF kFolderContents = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS;

const std::string kNoName;

// The wait cursor for as long as a folder is read, then whatever was there before.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace

uint64_t FindDataSize(IShellFolder* folder, PCUITEMID_CHILD item, const WIN32_FIND_DATAA& found) {
    if (!items::NeedsDiskSize(found.nFileSizeLow)) return items::CombinedSize(found.nFileSizeHigh, found.nFileSizeLow);
    std::string path = ItemPath(folder, item);
    WIN32_FIND_DATAA onDisk{};
    HANDLE search = FindFirstFileA(path.c_str(), &onDisk);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    return items::CombinedSize(onDisk.nFileSizeHigh, onDisk.nFileSizeLow);
}

FolderList::FolderList(ListLock& lock, const SortState& sort)
    : lock_(lock), sort_(sort), ownChange_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

void FolderList::Attach(HWND list, HWND promptOwner, HFONT font) {
    list_ = list;
    promptOwner_ = promptOwner;
    font_ = font;
}

PCUITEMID_CHILD FolderList::Item(size_t row) const { return row < items_.size() ? items_[row].Get() : nullptr; }

const std::string& FolderList::Name(size_t row) const { return row < names_.size() ? names_[row] : kNoName; }

FolderList::Use::Use(FolderList& list) : list_(list) { ++list_.uses_; }

FolderList::Use::~Use() {
    if (--list_.uses_ > 0 || !list_.reloadWaiting_) return;
    list_.reloadWaiting_ = false;
    list_.ReloadNow();
}

// Only S_OK gives contents: some folders answer S_FALSE without an enumerator, and a prompt the
// user cancelled is no folder either.
bool FolderList::StartEnumeration(IShellFolder* folder, ComPtr<IEnumIDList>& enumerator) {
    // A folder gone from the disk is unreadable too, although some shells still enumerate it empty.
    if (!folder || !ItemExists(folder)) return false;
    SHCONTF flags = kFolderContents | (showHidden_ ? SHCONTF_INCLUDEHIDDEN : 0);
    HRESULT result = folder->EnumObjects(promptOwner_, flags, enumerator.Put());
    if (result == S_OK && enumerator) return true;
    enumerator.Reset();
    return false;
}

void FolderList::Sort(IShellFolder* folder, std::vector<ItemIdList>& items) const {
    const LPARAM column = sort_.column;
    const int direction = sort_.Direction();
    std::sort(items.begin(), items.end(), [&](const ItemIdList& a, const ItemIdList& b) {
        HRESULT result = folder->CompareIDs(column, a.Get(), b.Get());
        return items::SortsBefore(static_cast<int32_t>(result), direction);
    });
}

void FolderList::NameAndMeasure(IShellFolder* folder, Contents& contents) const {
    WindowDC dc(list_);
    SelectedObject selected(dc.Get(), font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    contents.names.clear();
    contents.names.reserve(contents.items.size());
    for (const ItemIdList& item : contents.items) {
        WIN32_FIND_DATAA found{};
        std::string name;
        if (SUCCEEDED(SHGetDataFromIDListA(folder, item.Get(), SHGDFIL_FINDDATA, &found, sizeof found))) {
            name = found.cFileName;
            contents.totalSize += FindDataSize(folder, item.Get(), found);
        } else {
            name = DisplayName(folder, item.Get());
        }
        SIZE extent{};
        if (dc.Get()) GetTextExtentPoint32A(dc.Get(), name.c_str(), static_cast<int>(name.size()), &extent);
        contents.widestName = std::max(contents.widestName, static_cast<int>(extent.cx));
        contents.names.push_back(std::move(name));
    }
}

void FolderList::FolderUnreadable() {
    if (unreadable_) unreadable_();
}

void FolderList::ClearItemStates() {
    LVITEMA state{};
    state.stateMask = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

// The folder's items read, sorted, named and measured aside, so that the model never shows a
// half-read folder. False, with the tab's closing asked for, when the folder cannot be read.
bool FolderList::Read(IShellFolder* folder, Contents& read) {
    ComPtr<IEnumIDList> enumerator;
    if (!StartEnumeration(folder, enumerator)) {
        FolderUnreadable();
        return false;
    }
    PITEMID_CHILD item = nullptr;
    while (enumerator->Next(1, &item, nullptr) == S_OK) read.items.emplace_back(item);
    enumerator.Reset();
    Sort(folder, read.items);
    NameAndMeasure(folder, read);
    return true;
}

void FolderList::TakeContents(Contents& read) {
    items_ = std::move(read.items);
    names_ = std::move(read.names);
    totalSize_ = read.totalSize;
    widestName_ = read.widestName;
}

bool FolderList::Fill(ComPtr<IShellFolder> folder) {
    ListLock::Scope locked(lock_);
    WaitCursor waiting;
    Use inUse(*this);
    Contents read;
    if (!Read(folder.Get(), read)) return false;
    folder_ = std::move(folder);
    TakeContents(read);
    ClearItemStates();
    lastSingleSelection = -1;
    SendMessageA(list_, LVM_SETITEMCOUNT, items_.size(), LVSICF_NOSCROLL);
    SendMessageA(list_, LVM_ENSUREVISIBLE, 0, FALSE);
    return true;
}

bool FolderList::Reload() {
    if (uses_ > 0) {
        reloadWaiting_ = true;
        return true;
    }
    return ReloadNow();
}

bool FolderList::ReloadNow() {
    ListLock::Scope locked(lock_);
    WaitCursor waiting;
    Use inUse(*this);
    Contents read;
    if (!Read(folder_.Get(), read)) return false;
    TakeContents(read);
    SendMessageA(list_, LVM_SETITEMCOUNT, items_.size(), LVSICF_NOSCROLL);
    ClearItemStates();
    lastSingleSelection = -1;
    return true;
}

bool FolderList::Resort() {
    ListLock::Scope locked(lock_);
    WaitCursor waiting;
    Use inUse(*this);
    ComPtr<IEnumIDList> proof;
    if (!StartEnumeration(folder_.Get(), proof)) {
        FolderUnreadable();
        return false;
    }
    proof.Reset();

    struct Row {
        ItemIdList item;
        bool selected;
    };
    std::vector<Row> rows;
    rows.reserve(items_.size());
    for (size_t i = 0; i < items_.size(); ++i) {
        UINT state = static_cast<UINT>(SendMessageA(list_, LVM_GETITEMSTATE, i, LVIS_SELECTED));
        rows.push_back(Row{std::move(items_[i]), (state & LVIS_SELECTED) != 0});
    }
    IShellFolder* folder = folder_.Get();
    const LPARAM column = sort_.column;
    const int direction = sort_.Direction();
    std::sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        HRESULT result = folder->CompareIDs(column, a.item.Get(), b.item.Get());
        return items::SortsBefore(static_cast<int32_t>(result), direction);
    });

    Contents sorted;
    for (Row& row : rows) sorted.items.push_back(std::move(row.item));
    NameAndMeasure(folder, sorted);
    items_ = std::move(sorted.items);
    names_ = std::move(sorted.names);
    widestName_ = sorted.widestName;

    SendMessageA(list_, LVM_SETITEMCOUNT, items_.size(), LVSICF_NOSCROLL);
    ClearItemStates();
    LVITEMA selected{};
    selected.stateMask = LVIS_SELECTED;
    selected.state = LVIS_SELECTED;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].selected) SendMessageA(list_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&selected));
    return true;
}

void FolderList::RemoveItems() {
    std::vector<size_t> gone;
    for (int row = -1; (row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1;) {
        if (static_cast<size_t>(row) < items_.size() && !ItemExists(folder_.Get(), items_[row].Get()))
            gone.push_back(static_cast<size_t>(row));
    }
    // Highest first, so that no index moves before it is used.
    std::sort(gone.rbegin(), gone.rend());
    for (size_t row : gone) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(row));
        names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(row));
        SendMessageA(list_, LVM_SETITEMCOUNT, items_.size(), LVSICF_NOINVALIDATEALL);
        LVITEMA cleared{};
        cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&cleared));
    }
    InvalidateRect(list_, nullptr, TRUE);
    SetFocus(list_);
}

void FolderList::AppendItem(ItemIdList item, std::string name) {
    if (!item) return;
    items_.push_back(std::move(item));
    names_.push_back(std::move(name));
    SendMessageA(list_, LVM_SETITEMCOUNT, items_.size(), LVSICF_NOINVALIDATEALL);
}
