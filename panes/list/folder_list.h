// The model behind one folder list: the shell folder shown, its items' identifiers in display
// order with their names, and the total of their sizes. The list view itself is virtual and asks
// this model for everything it shows, so the model stays thin: an identifier and a name an item.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/list_view_state.h"
#include "panes/list/list_lock.h"
#include "win/owners.h"

// An item's size from its find data: both halves, or the disk's answer when the shell marked the
// size as too large for its own record.
uint64_t FindDataSize(IShellFolder* folder, PCUITEMID_CHILD item, const WIN32_FIND_DATAA& found);

class FolderList {
public:
    // The items are sorted by the sort order of the list's view, which the list owns.
    FolderList(ListLock& lock, const SortState& sort);
    FolderList(const FolderList&) = delete;
    FolderList& operator=(const FolderList&) = delete;

    // The list view the model stands behind, the window that owns the shell's prompts while a
    // folder is read, and the font the names are measured in.
    void Attach(HWND list, HWND promptOwner, HFONT font);
    void SetShowHidden(bool shown) { showHidden_ = shown; }
    // Run when the folder shown can no longer be read: the tab that shows it is closed.
    void SetUnreadableAction(std::function<void()> action) { unreadable_ = std::move(action); }

    // Shows a folder from its first row. False, with the previous contents kept, when the folder
    // cannot be read.
    bool Fill(ComPtr<IShellFolder> folder);
    // Reads the shown folder again into new contents and only then swaps them in, keeping the
    // scroll position. Asked for while the contents are in use, it runs once that use ends.
    bool Reload();
    // Puts the items in the order of the sort state; the same items stay selected.
    bool Resort();
    // Drops the selected rows whose items are gone, as after a delete that the shell carried out
    // for only some of them.
    void RemoveItems();
    // A new folder or file stays the last row until the next fill, reload or re-sort.
    void AppendItem(ItemIdList item, std::string name);

    IShellFolder* Folder() const { return folder_.Get(); }
    size_t Count() const { return items_.size(); }
    PCUITEMID_CHILD Item(size_t row) const;
    // Empty for a row beyond the end.
    const std::string& Name(size_t row) const;
    uint64_t TotalSize() const { return totalSize_; }
    int WidestName() const { return widestName_; }
    const SortState& Sort() const { return sort_; }
    // Signalled just before the list changes its folder's contents itself, so that the change
    // watcher does not reload it for that change.
    HANDLE OwnChangeEvent() const { return ownChange_.Get(); }

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
        std::vector<ItemIdList> items;
        std::vector<std::string> names;
        uint64_t totalSize = 0;
        int widestName = 0;
    };

    bool StartEnumeration(IShellFolder* folder, ComPtr<IEnumIDList>& enumerator);
    bool Read(IShellFolder* folder, Contents& read);
    void TakeContents(Contents& read);
    void Sort(IShellFolder* folder, std::vector<ItemIdList>& items) const;
    void NameAndMeasure(IShellFolder* folder, Contents& contents) const;
    void FolderUnreadable();
    bool ReloadNow();
    void ClearItemStates();

    ListLock& lock_;
    HWND list_ = nullptr;
    HWND promptOwner_ = nullptr;
    HFONT font_ = nullptr;
    bool showHidden_ = false;
    std::function<void()> unreadable_;

    ComPtr<IShellFolder> folder_;
    std::vector<ItemIdList> items_;
    std::vector<std::string> names_;
    uint64_t totalSize_ = 0;
    int widestName_ = 0;
    const SortState& sort_;
    Handle ownChange_;

    int uses_ = 0;
    bool reloadWaiting_ = false;
};
