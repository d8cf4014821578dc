#include "panes/list/folder_list.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <utility>

#include "core/character_widths.h"
#include "core/item_order.h"
#include "core/run_sort.h"
#include "shell/shell_services.h"
#include "win/system_text.h"

namespace {

constexpr SHCONTF kFolderContents = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS;

// A fresh copy of the shell's list goes into the arena and the shell's own is freed at once, so
// that a folder of many items never holds two copies of them.
PCUITEMID_CHILD KeepIn(ItemListArena& arena, ItemIdList item) {
    return reinterpret_cast<PCUITEMID_CHILD>(arena.Add(reinterpret_cast<const unsigned char*>(item.Get())));
}

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

// Raised for a scope and then put back as it was: a fill can start another, when a folder that
// cannot be read closes its tab and the list shows the next.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~RaisedFlag() { flag_ = was_; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

bool ItemFindData(IShellFolder* folder, PCUITEMID_CHILD item, WIN32_FIND_DATAA& found) {
    return SUCCEEDED(SHGetDataFromIDListA(folder, item, SHGDFIL_FINDDATA, &found, sizeof found));
}

uint64_t ItemSize(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    return ItemFindData(folder, item, found) ? FindDataSize(folder, item, found) : 0;
}

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

PCUITEMID_CHILD FolderList::Item(size_t row) const {
    return row < contents_.rows.size() ? contents_.rows[row] : nullptr;
}

int FolderList::RowOf(PCUITEMID_CHILD item) const {
    if (!item || !folder_) return -1;
    const std::vector<PCUITEMID_CHILD>& rows = contents_.rows;
    size_t size = ItemListSize(item);
    // The same bytes are the same item, and the shell need not be asked a hundred thousand times.
    for (size_t row = 0; row < rows.size(); ++row)
        if (ItemListSize(rows[row]) == size && std::memcmp(rows[row], item, size) == 0) return static_cast<int>(row);
    for (size_t row = 0; row < rows.size(); ++row)
        if (HRESULT_CODE(folder_->CompareIDs(0, rows[row], item)) == 0) return static_cast<int>(row);
    return -1;
}

std::string FolderList::Name(size_t row) const {
    PCUITEMID_CHILD item = Item(row);
    if (!item) return std::string();
    for (const auto& given : contents_.givenNames)
        if (given.first == item) return given.second;
    WIN32_FIND_DATAA found{};
    if (ItemFindData(folder_.Get(), item, found)) return found.cFileName;
    return DisplayName(folder_.Get(), item);
}

FolderList::Use::Use(FolderList& list) : list_(list) { ++list_.uses_; }

FolderList::Use::~Use() {
    if (--list_.uses_ > 0 || !list_.reloadWaiting_) return;
    list_.reloadWaiting_ = false;
    list_.ReloadNow();
}

SHCONTF FolderList::ContentFlags() const { return kFolderContents | (showHidden_ ? SHCONTF_INCLUDEHIDDEN : 0); }

// Only S_OK gives contents: some folders answer S_FALSE without an enumerator, and a prompt the
// user cancelled is no folder either.
bool FolderList::StartEnumeration(IShellFolder* folder, ComPtr<IEnumIDList>& enumerator) {
    // A folder gone from the disk is unreadable too, although some shells still enumerate it empty.
    if (!folder || !ItemExists(folder)) return false;
    HRESULT result = folder->EnumObjects(promptOwner_, ContentFlags(), enumerator.Put());
    if (result == S_OK && enumerator) return true;
    enumerator.Reset();
    return false;
}

template <typename T, typename ItemOf>
void FolderList::SortRows(IShellFolder* folder, std::vector<T>& rows, ItemOf itemOf) const {
    const LPARAM column = sort_.column;
    const int direction = sort_.Direction();
    runsort::Sort(rows, [&](const T& a, const T& b) {
        HRESULT result = folder->CompareIDs(column, itemOf(a), itemOf(b));
        return items::SortsBefore(static_cast<int32_t>(result), direction);
    });
}

// Every name is measured, but through the widths of its characters, each measured once: a call
// into the font system a name would cost more than reading the whole folder's find data.
void FolderList::Survey(IShellFolder* folder, Contents& contents) const {
    WindowDC dc(list_);
    SelectedObject selected(dc.Get(), font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    if (dc.Get()) GetTextMetricsA(dc.Get(), &metrics);
    dbcs::CharacterWidths widths(
        [&dc](const char* text, size_t bytes) {
            SIZE extent{};
            GetTextExtentPoint32A(dc.Get(), text, static_cast<int>(bytes), &extent);
            return static_cast<int>(extent.cx);
        },
        metrics.tmOverhang, IsSystemLeadByte);
    contents.totalSize = 0;
    contents.widestName = 0;
    for (PCUITEMID_CHILD item : contents.rows) {
        WIN32_FIND_DATAA found{};
        int width = 0;
        if (ItemFindData(folder, item, found)) {
            contents.totalSize += FindDataSize(folder, item, found);
            if (dc.Get()) width = widths.Width(found.cFileName, std::strlen(found.cFileName));
        } else if (dc.Get()) {
            width = widths.Width(DisplayName(folder, item));
        }
        contents.widestName = std::max(contents.widestName, width);
    }
}

void FolderList::FolderUnreadable() {
    if (unreadable_) unreadable_();
}

void FolderList::ContentsChanged() {
    if (contentsChanged_) contentsChanged_();
}

void FolderList::ClearItemStates() {
    LVITEMA state{};
    state.stateMask = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

// The folder's items read, sorted and measured aside, so that the model never shows a half-read
// folder. False, with the tab's closing asked for, when the folder cannot be read.
bool FolderList::Read(IShellFolder* folder, Contents& read) {
    ComPtr<IEnumIDList> enumerator;
    if (!StartEnumeration(folder, enumerator)) {
        FolderUnreadable();
        return false;
    }
    PITEMID_CHILD item = nullptr;
    while (enumerator->Next(1, &item, nullptr) == S_OK) read.rows.push_back(KeepIn(read.lists, ItemIdList(item)));
    enumerator.Reset();
    SortRows(folder, read.rows, [](PCUITEMID_CHILD row) { return row; });
    Survey(folder, read);
    return true;
}

// The control places the icons of a virtual list only when it arranges them, and invalidates each
// icon it moves on the way, one call into the window system an icon: with a hundred thousand
// items that takes seconds. Arranged while the list does not draw, they cost only their
// positions, and the control finds them in place when it arranges them itself before it first
// draws.
void FolderList::ShowCount(DWORD flags) {
    LONG_PTR layout = GetWindowLongPtrA(list_, GWL_STYLE) & LVS_TYPEMASK;
    if (layout != LVS_ICON && layout != LVS_SMALLICON) {
        SendMessageA(list_, LVM_SETITEMCOUNT, contents_.rows.size(), flags);
        return;
    }
    RedrawHeld held(list_);
    SendMessageA(list_, LVM_SETITEMCOUNT, contents_.rows.size(), flags);
    SendMessageA(list_, LVM_ARRANGE, LVA_DEFAULT, 0);
}

bool FolderList::Fill(ComPtr<IShellFolder> folder) {
    ListLock::Scope locked(lock_);
    WaitCursor waiting;
    Use inUse(*this);
    Contents read;
    if (!Read(folder.Get(), read)) return false;
    RaisedFlag refilling(refilling_);
    ++reads_;
    folder_ = std::move(folder);
    contents_ = std::move(read);
    ClearItemStates();
    lastSingleSelection = -1;
    ShowCount(LVSICF_NOSCROLL);
    SendMessageA(list_, LVM_ENSUREVISIBLE, 0, FALSE);
    ContentsChanged();
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
    RaisedFlag refilling(refilling_);
    ++reads_;
    contents_ = std::move(read);
    ShowCount(LVSICF_NOSCROLL);
    ClearItemStates();
    lastSingleSelection = -1;
    ContentsChanged();
    return true;
}

bool FolderList::Resort() {
    ListLock::Scope locked(lock_);
    WaitCursor waiting;
    Use inUse(*this);
    if (!ContentsCanBeRead(folder_.Get(), promptOwner_, ContentFlags())) {
        FolderUnreadable();
        return false;
    }

    struct Row {
        PCUITEMID_CHILD item;
        bool selected;
    };
    std::vector<Row> rows;
    rows.reserve(contents_.rows.size());
    for (PCUITEMID_CHILD item : contents_.rows) rows.push_back(Row{item, false});
    for (int row = -1; (row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1;)
        if (static_cast<size_t>(row) < rows.size()) rows[static_cast<size_t>(row)].selected = true;
    RaisedFlag refilling(refilling_);
    IShellFolder* folder = folder_.Get();
    SortRows(folder, rows, [](const Row& row) { return row.item; });
    for (size_t i = 0; i < rows.size(); ++i) contents_.rows[i] = rows[i].item;
    // Sorted in, appended items go by their find data's names like every other row; the total
    // stays the one the folder was read with.
    contents_.givenNames.clear();
    uint64_t total = contents_.totalSize;
    Survey(folder, contents_);
    contents_.totalSize = total;

    ShowCount(LVSICF_NOSCROLL);
    ClearItemStates();
    LVITEMA selected{};
    selected.stateMask = LVIS_SELECTED;
    selected.state = LVIS_SELECTED;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].selected) SendMessageA(list_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&selected));
    ContentsChanged();
    return true;
}

size_t FolderList::RemoveItems() {
    std::unordered_set<PCUITEMID_CHILD> gone;
    for (int row = -1; (row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1;) {
        PCUITEMID_CHILD item = Item(static_cast<size_t>(row));
        if (item && !ItemExists(folder_.Get(), item)) gone.insert(item);
    }
    if (!gone.empty()) {
        auto isGone = [&gone](PCUITEMID_CHILD item) { return gone.count(item) != 0; };
        std::vector<PCUITEMID_CHILD>& rows = contents_.rows;
        rows.erase(std::remove_if(rows.begin(), rows.end(), isGone), rows.end());
        auto& given = contents_.givenNames;
        given.erase(std::remove_if(given.begin(), given.end(), [&](const auto& name) { return isGone(name.first); }),
                    given.end());
        ShowCount(LVSICF_NOINVALIDATEALL);
        LVITEMA cleared{};
        cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&cleared));
    }
    InvalidateRect(list_, nullptr, TRUE);
    SetFocus(list_);
    ContentsChanged();
    return gone.size();
}

void FolderList::AppendItem(ItemIdList item, std::string name) {
    if (!item) return;
    PCUITEMID_CHILD kept = KeepIn(contents_.lists, std::move(item));
    contents_.rows.push_back(kept);
    contents_.givenNames.emplace_back(kept, std::move(name));
    ShowCount(LVSICF_NOINVALIDATEALL);
    ContentsChanged();
}
