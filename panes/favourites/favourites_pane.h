// The favourites tree of the left pane: user-made groups of favourite folders under one root, with
// the startup group whose folders become the first tabs at every start. Clicking a favourite opens
// its folder in a new tab. The pane owns its control's items and their records, the bar above it
// with the new-group button, its own image list of the root's and the groups' icons, and
// favorite.dat. Its work is split over favourites_pane.cpp (the control, its messages and its
// drawing), favourites_items.cpp (groups, favourites and what other panes read),
// favourites_commands.cpp (opening, keys, label edits and menus) and favourites_file.cpp (the
// file).
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "core/favourite_file.h"
#include "core/settings_table.h"
#include "core/tab_model.h"
#include "dnd/drop_registration.h"
#include "panes/favourites/favourite_entries.h"
#include "panes/favourites/favourites_bar.h"
#include "panes/favourites/favourites_host.h"
#include "panes/list/wheel_offer.h"
#include "shell/shell_services.h"
#include "ui/theme.h"
#include "win/owners.h"
#include "win/subclass.h"

constexpr int kFavouritesTreeId = 3100;
constexpr char kFavouritesFileName[] = "favorite.dat";
// The group whose favourites are opened as the first tabs at start; it is never renamed or deleted.
constexpr char kStartupGroupName[] = "スタートアップ";

// What the favourites share with the program, all of it living longer than the pane.
struct FavouritesShared {
    const Settings& settings;
    const Theme& theme;
    ShellServices& shell;
    HINSTANCE instance;
    // The plain interface font that the tree shows its labels in.
    HFONT font;
};

class FavouritesPane : public FavouriteSource {
public:
    FavouritesPane() = default;
    // The control gives up the pane's font and procedure, and its items their records.
    ~FavouritesPane() override;
    FavouritesPane(const FavouritesPane&) = delete;
    FavouritesPane& operator=(const FavouritesPane&) = delete;

    // Makes the control and the bar's button, loads the file, and without a favourite in it builds
    // the default groups.
    void Start(FavouritesHost& host, const FavouritesShared& shared, HWND mainWindow, HWND bar, WheelOffer* wheel,
               std::string file);
    // Writes the favourites to their file, replacing it whole; false when it was not replaced or
    // the pane has not started.
    bool SaveFile() const;
    // Lets every item go with its record; the file is the owner's to save first.
    void Shutdown();
    HWND Window() const { return window_; }
    // The root's and the groups' icons; the popup menus draw groups with them too.
    HIMAGELIST GroupIcons() const { return groupIcons_.Get(); }
    FavouritesBar& Bar() { return bar_; }

    // Every WM_NOTIFY of the control.
    LRESULT OnNotify(NMHDR* header);

    HTREEITEM Root() const;
    // The first top-level group of the startup group's name; null when there is none.
    HTREEITEM StartupGroup() const;
    // The folders of the startup group's favourites in its order.
    std::vector<tabs::FolderPtr> StartupFolders() const;
    // A group at the end of the root; an empty name gives "新規グループ".
    HTREEITEM NewFavouritesGroup(const std::string& name = std::string());
    // Adds what the child of the parent folder is as a favourite, last under the parent item (a
    // group or the root): a folder itself, the folder a shortcut leads to, the folder that holds a
    // file. A child that no longer exists adds nothing. True when a favourite was added.
    bool AddFavourite(HTREEITEM parentItem, IShellFolder* parentFolder, PCUITEMID_CHILD child);
    // Deletes a favourite, or a group with its favourites.
    void RemoveFavourite(HTREEITEM item);
    // The group or root under a point of the control's client area, the root over empty space, and
    // null over a favourite, which takes no favourites.
    HTREEITEM HitTestGroup(POINT client) const;

    bool IsFavourite(HTREEITEM item) const { return RecordOf(item) != nullptr; }
    // The favourite's folder; null for a group, the root, or a folder that no longer binds.
    IShellFolder* FolderOf(HTREEITEM item) const;
    std::string TextOf(HTREEITEM item) const;
    std::vector<HTREEITEM> ChildrenOf(HTREEITEM item) const;

    std::vector<FavouriteEntry> TopLevelEntries() const override;

    // The tree's drop target (favourites_drag.cpp): dropped items become favourites of the group
    // under the drop, and a favourite dragged out of the tree onto a group moves there.
    bool RegisterDropTarget();
    void RevokeDropTarget();
    IDropTarget* DropTarget() const { return dropRegistration_.Target(); }
    // The favourite that the tree itself is dragging out, while it does; null otherwise.
    HTREEITEM DraggedFavourite() const { return draggedFavourite_; }
    void PlayDropSound() {
        if (host_) host_->PlayDropSound();
    }

private:
    // What a favourite's item owns: the fields of a tab's record that the file keeps, and the
    // bytes of its folder's absolute list as they were read or made, which are written back as
    // they are even when the folder can no longer be bound.
    struct Record {
        tabs::FolderPtr folder;
        favfile::IdList list;
        std::string title;
        bool locked = false;
        ListViewState view;
    };

    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HTREEITEM ParentOf(HTREEITEM item) const;
    HTREEITEM Selected() const;
    static Record* RecordOf(LPARAM parameter) { return reinterpret_cast<Record*>(parameter); }
    Record* RecordOf(HTREEITEM item) const;
    bool IsGroup(HTREEITEM item) const { return item && item != Root() && !IsFavourite(item); }
    bool IsStartupGroup(HTREEITEM item) const { return item && item == StartupGroup(); }
    // The item under the cursor's label, icon or state icon; null elsewhere.
    HTREEITEM ItemAtCursor(POINT& screen) const;

    // Groups and favourites (favourites_items.cpp).
    HTREEITEM InsertGroup(const std::string& name, HTREEITEM after);
    HTREEITEM InsertFavourite(HTREEITEM parentItem, Record* record, const std::string& label);
    // The folder step: a favourite for a bound folder, labelled with its display name.
    bool AddFolder(HTREEITEM parentItem, ComPtr<IShellFolder> folder);
    bool AddItem(HTREEITEM parentItem, IShellFolder* parentFolder, PCUITEMID_CHILD child, int hops);
    void BuildDefaultGroups();
    void DeleteChildren(HTREEITEM item);
    void SupplyIcons(NMTVDISPINFOA& info) const;

    // Opening, keys, label edits and menus (favourites_commands.cpp).
    void OnSelectionChanged(const NMTREEVIEWA& change);
    // True when the click opened the favourite that was selected already.
    bool OnClick();
    void Open(HTREEITEM item);
    void OpenGroup(HTREEITEM group);
    bool BeginLabelEditRefused(const NMTVDISPINFOA& info) const;
    bool EndLabelEdit(const NMTVDISPINFOA& info);
    bool OnKey(WORD key);
    void ShowContextMenu();
    LRESULT OnCustomDraw(const NMTVCUSTOMDRAW& draw) const;
    // Either button drags the favourite's folder out.
    void OnBeginDrag(const NMTREEVIEWA& drag);

    // favorite.dat (favourites_file.cpp).
    void Load();

    HWND window_ = nullptr;
    HWND mainWindow_ = nullptr;
    Subclass subclass_;
    FavouritesHost* host_ = nullptr;
    const Settings* settings_ = nullptr;
    ShellServices* shell_ = nullptr;
    HINSTANCE instance_ = nullptr;
    WheelOffer* wheel_ = nullptr;
    std::string file_;
    ImageList groupIcons_;
    FavouritesBar bar_;
    bool started_ = false;
    // The item that was selected when the left button last went down: a click on it changes no
    // selection, so the click itself opens it again.
    HTREEITEM selectedAtPress_ = nullptr;
    HTREEITEM draggedFavourite_ = nullptr;
    DropRegistration dropRegistration_;
};
