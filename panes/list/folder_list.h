// The model behind one folder list: the shell folder shown, its items' identifiers in display
// order, the width of the widest name and the total of their sizes. The list view itself is
// virtual and asks this model for everything it shows, so the model stays thin: a copy of each
// identifier in one arena and a pointer to it a row, about a hundred bytes an item.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/item_list_arena.h"
#include "core/list_view_state.h"
#include "panes/list/list_lock.h"
#include "win/owners.h"

// An item's size from its find data: both halves, or the disk's answer when the shell marked the
// size as too large for its own record.
uint64_t FindDataSize(IShellFolder* folder, PCUITEMID_CHILD item, const WIN32_FIND_DATAA& found);
// The shell's find data of an item; false, with found left as it was, for an item without.
bool ItemFindData(IShellFolder* folder, PCUITEMID_CHILD item, WIN32_FIND_DATAA& found);
// What an item adds to a total: its find data's size, or nothing when it has no find data.
uint64_t ItemSize(IShellFolder* folder, PCUITEMID_CHILD item);

class FolderList {
public:
    // The items are sorted by the sort order of the list's view, which the list owns.
    FolderList(ListLock& lock, const SortState& sort);
    FolderList(const FolderList&) = delete;
    FolderList& operator=(const FolderList&) = delete;

    // The list view the model stands behind, the window that owns the shell's prompts while a
    // folder is read, and the font the names are measured in.
    void Attach(HWND list, HWND promptOwner, HFONT font);
    void SetFont(HFONT font) { font_ = font; }
    void SetShowHidden(bool shown) { showHidden_ = shown; }
    // Run when the folder shown can no longer be read: the tab that shows it is closed.
    void SetUnreadableAction(std::function<void()> action) { unreadable_ = std::move(action); }
    // Run whenever the rows have been replaced, sorted, removed or added, once they are in place.
    void SetContentsChangedAction(std::function<void()> action) { contentsChanged_ = std::move(action); }

    // Shows a folder from its first row. False, with the previous contents kept, when the folder
    // cannot be read.
    bool Fill(ComPtr<IShellFolder> folder);
    // Reads the shown folder again into new contents and only then swaps them in, keeping the
    // scroll position. Asked for while the contents are in use, it runs once that use ends.
    bool Reload();
    // Puts the items in the order of the sort state; the same items stay selected.
    bool Resort();
    // Drops the selected rows whose items are gone, as after a delete that the shell carried out
    // for only some of them; the number of rows dropped.
    size_t RemoveItems();
    // A new folder or file stays the last row until the next fill, reload or re-sort.
    void AppendItem(ItemIdList item, std::string name);

    IShellFolder* Folder() const { return folder_.Get(); }
    size_t Count() const { return contents_.rows.size(); }
    // Stays good until the contents are replaced by a fill or a reload.
    PCUITEMID_CHILD Item(size_t row) const;
    // The file name of the item's find data, the shell's display name for an item without find
    // data, or the name an appended item came with. Empty for a row beyond the end.
    std::string Name(size_t row) const;
    // The row of an item of the shown folder, found by its identifier; -1 when it has none. An
    // identifier taken before the contents were read again still finds its item's new row.
    int RowOf(PCUITEMID_CHILD item) const;
    uint64_t TotalSize() const { return contents_.totalSize; }
    int WidestName() const { return contents_.widestName; }
    const SortState& Sort() const { return sort_; }
    // True while a fill, reload or re-sort puts the rows in place: the item states that the
    // control reports changing meanwhile are the model's doing, not the user's.
    bool Refilling() const { return refilling_; }
    // Signalled just before the list changes its folder's contents itself, so that the change
    // watcher does not reload it for that change.
    HANDLE OwnChangeEvent() const { return ownChange_.Get(); }
    // How many times the list has read a folder into its rows, by fills and reloads alike.
    size_t Reads() const { return reads_; }

    // Held while a caller reads or walks the contents across calls that may pump messages (a shell
    // menu, a verb, a prompt): a reload asked for meanwhile waits until the last holder is done.
    class Use {
    public:
        explicit Use(FolderList& list);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        FolderList& list_;
    };

    int lastSingleSelection = -1;

private:
    struct Contents {
        // Every row's identifier list, freed all at once with the contents.
        ItemListArena lists;
        std::vector<PCUITEMID_CHILD> rows;
        // Appended items keep the names they came with, which need not be their find data's.
        std::vector<std::pair<PCUITEMID_CHILD, std::string>> givenNames;
        uint64_t totalSize = 0;
        int widestName = 0;
    };

    SHCONTF ContentFlags() const;
    bool StartEnumeration(IShellFolder* folder, ComPtr<IEnumIDList>& enumerator);
    bool Read(IShellFolder* folder, Contents& read);
    template <typename T, typename ItemOf>
    void SortRows(IShellFolder* folder, std::vector<T>& rows, ItemOf itemOf) const;
    // The widest name and the total size of the rows.
    void Survey(IShellFolder* folder, Contents& contents) const;
    void ShowCount(DWORD flags);
    void ContentsChanged();
    void FolderUnreadable();
    bool ReloadNow();
    void ClearItemStates();

    ListLock& lock_;
    HWND list_ = nullptr;
    HWND promptOwner_ = nullptr;
    HFONT font_ = nullptr;
    bool showHidden_ = false;
    std::function<void()> unreadable_;
    std::function<void()> contentsChanged_;

    ComPtr<IShellFolder> folder_;
    Contents contents_;
    const SortState& sort_;
    Handle ownChange_;

    size_t reads_ = 0;
    int uses_ = 0;
    bool reloadWaiting_ = false;
    bool refilling_ = false;
};
