// The folder tree of the left pane: the shell namespace from the desktop down, folders only,
// filled as items are expanded. Selecting a folder shows it in the main list; with the SYNC
// setting the tree follows the main list. The pane owns its control's items, the bar above it, the
// list of folders erased from it and the watcher of the fixed drives, whose changes refresh it.
// Its work is split over folder_tree.cpp (the control and its messages), tree_fill.cpp (filling,
// finding and refreshing), tree_commands.cpp (selection, keys, rename, menu, colours) and
// tree_hiding.cpp (the hide mode and the erased folders).
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/settings_table.h"
#include "dnd/drop_registration.h"
#include "panes/list/wheel_offer.h"
#include "panes/tree/hidden_folders.h"
#include "panes/tree/tree_bar.h"
#include "panes/tree/tree_host.h"
#include "shell/shell_services.h"
#include "ui/theme.h"
#include "win/owners.h"
#include "win/drive_watcher.h"
#include "win/subclass.h"

constexpr int kFolderTreeId = 1110;
// Posted to the tree by itself: an erased item goes once its selection notification is over.
constexpr UINT kRemoveErasedItemMessage = WM_APP + 20;
// Posted to the tree by its drive watcher: folders changed on the drives it names.
constexpr UINT kDrivesChangedMessage = WM_APP + 21;
// Posted to the tree by itself: the next part of a refresh is due.
constexpr UINT kRefreshSliceMessage = WM_APP + 22;

// What the tree shares with the program, all of it living longer than the tree.
struct TreeShared {
    const Settings& settings;
    const Theme& theme;
    ShellServices& shell;
    HINSTANCE instance;
};

class FolderTreePane {
public:
    FolderTreePane() = default;
    // The control keeps neither the pane's font nor its procedure, and its items let go of their
    // identifier lists.
    ~FolderTreePane();
    FolderTreePane(const FolderTreePane&) = delete;
    FolderTreePane& operator=(const FolderTreePane&) = delete;

    // The tree shows its items in the tree font the user chose.
    void Create(HWND mainWindow, const LOGFONTA& font);
    // The settings changed: the font and the text colour are taken anew and the tree redrawn.
    void ApplySettings(const LOGFONTA& font, COLORREF textColour);
    void SetTextColour(COLORREF colour);
    HWND Window() const { return window_; }

    // The erased folders are read at the program's start and written at each save, whether or not
    // the tree was ever shown.
    void LoadHiddenFolders(std::string file);
    // Fills the root with the desktop and opens it and the computer.
    void Start(TreeHost& host, const TreeShared& shared, HWND bar, WheelOffer* wheel);
    bool Started() const { return started_; }
    // Writes the erased folders to their file, replacing it whole; false when it was not replaced
    // or none was loaded.
    bool SaveHiddenFolders() const;
    // Removes every item; the erased folders are the owner's to save first.
    void Shutdown();
    // The drive watcher ends: asked first, so that it ends with the program's other workers, then
    // waited for.
    void AskWatcherToStop() { driveWatcher_.AskToStop(); }
    bool StopWatcher(DWORD timeoutMs) { return driveWatcher_.Stop(timeoutMs); }

    // Every WM_NOTIFY of the control.
    LRESULT OnNotify(NMHDR* header);

    // The tree's drop target (tree_drop.cpp), which hands drags over its folders to the shell.
    bool RegisterDropTarget();
    void RevokeDropTarget();
    IDropTarget* DropTarget() const { return dropRegistration_.Target(); }
    void PlayDropSound();

    HTREEITEM Root() const;
    // The item of a folder, expanding the way down; null for the desktop and when any level is
    // missing.
    HTREEITEM FindItem(PCIDLIST_ABSOLUTE folder);
    // Selects the folder's item without showing it in the main list; false when there is none.
    bool SelectFolder(PCIDLIST_ABSOLUTE folder);
    // Brings the expanded part of the tree under the item in line with the folders. The work is
    // done a few levels at a time from posted messages, so that the window answers throughout
    // however much there is; asked again meanwhile, the levels asked for are simply added.
    // Collapsed levels are read anew when they are expanded.
    void RefreshSubtree(HTREEITEM item);
    void Refresh() { RefreshSubtree(Root()); }
    // Levels are waiting to be refreshed.
    bool RefreshPending() const { return !dueLevels_.empty(); }
    // After the main list has loaded a folder: selected in the tree when the settings say so.
    void SyncToList(IShellFolder* shown);
    // The label under a point on the screen goes into editing.
    void EditLabelAt(POINT screenPoint);

    // The absolute list of an item's folder; null when there is none.
    ItemIdList AbsoluteListOf(HTREEITEM item) const;
    std::string TextOf(HTREEITEM item) const;

    // The hide mode and the erased folders.
    bool HideMode() const { return hideMode_; }
    bool ShowsErased() const { return showErased_; }
    void ToggleHideMode();
    void ToggleMagnifier();
    void ShowHiddenFoldersMenu();
    const HiddenFolders& Hidden() const { return hidden_; }
    TreeBar& Bar() { return bar_; }

private:
    struct ItemData;
    // Selections, insertions and deletions that the tree makes itself, during which its
    // notifications do not act.
    class OwnChange;

    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Asks the control itself, past the procedures that watch its messages: a tree that is read or
    // filled item by item sends thousands of messages, and where the subclass chain costs a trip
    // to the window system for each (as under Wine, some 50 µs), that would be most of the time.
    LRESULT Control(UINT message, WPARAM wParam, LPARAM lParam) const;
    bool IsExpanded(HTREEITEM item) const;
    static ItemData* DataOf(LPARAM parameter) { return reinterpret_cast<ItemData*>(parameter); }
    ItemData* DataOf(HTREEITEM item) const;
    HTREEITEM ParentOf(HTREEITEM item) const;
    std::vector<HTREEITEM> ChildrenOf(HTREEITEM item) const;
    HTREEITEM Selected() const;
    // The item's parent folder and a copy of its own relative list; false for the root.
    bool SplitItem(HTREEITEM item, ComPtr<IShellFolder>& parent, ItemIdList& child) const;

    // Filling and refreshing (tree_fill.cpp).
    void FillRoot();
    bool FillChildren(HTREEITEM item);
    bool EnumerateFolders(IShellFolder* folder, std::vector<ItemIdList>& children) const;
    HTREEITEM InsertChild(HTREEITEM parent, IShellFolder* folder, ItemIdList child, bool marked,
                          HTREEITEM after = TVI_LAST);
    void UpdateChild(HTREEITEM item, IShellFolder* folder, ItemIdList child, bool marked);
    void SupplyIcons(NMTVDISPINFOA& info) const;
    void DeleteChildren(HTREEITEM item);
    HTREEITEM MatchingChild(HTREEITEM parent, IShellFolder* folder, PCUITEMID_CHILD wanted) const;
    // Marks the filled levels at and under the items, down through open items only.
    void MarkForRefresh(const std::vector<HTREEITEM>& tops);
    void QueueRefreshSlice();
    void RunRefreshSlice();
    void ForgetDueLevel(HTREEITEM item);
    void MergeLevel(HTREEITEM item);
    void OnDrivesChanged();

    // What the notifications and keys do (tree_commands.cpp).
    void OnSelectionChanged(const NMTREEVIEWA& change);
    bool BeginLabelEditRefused(const NMTVDISPINFOA& info) const;
    void EndLabelEdit(const NMTVDISPINFOA& info);
    bool OnKey(WORD key, bool altHeld);
    void InvokeVerbOnSelected(const char* verb);
    // Either button drags the folder of the item, unless it is the root.
    void DragOut(HTREEITEM item);
    void ShowContextMenu();
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW& draw) const;

    // The hide mode's side of the selection (tree_hiding.cpp).
    void EraseOrRestore(HTREEITEM item);
    void RemoveErasedItem(HTREEITEM item);
    bool OnSetCursor() const;

    HWND window_ = nullptr;
    WNDPROC controlProcedure_ = nullptr;
    HWND mainWindow_ = nullptr;
    Font font_;
    Subclass subclass_;
    TreeHost* host_ = nullptr;
    DropRegistration dropRegistration_;
    const Settings* settings_ = nullptr;
    const Theme* theme_ = nullptr;
    ShellServices* shell_ = nullptr;
    HINSTANCE instance_ = nullptr;
    WheelOffer* wheel_ = nullptr;
    std::string hiddenFile_;
    HiddenFolders hidden_;
    TreeBar bar_;
    DriveWatcher driveWatcher_;
    bool started_ = false;
    int ownChanges_ = 0;
    // A part of a refresh is running, or one is posted.
    bool refreshing_ = false;
    bool sliceQueued_ = false;
    // The filled levels that a refresh under way has still to read, parents before children.
    std::deque<HTREEITEM> dueLevels_;
    // The items whose children have been listed.
    std::unordered_set<HTREEITEM> filledItems_;
    // The top item before a refresh, cleared should the refresh delete it.
    HTREEITEM firstVisible_ = nullptr;
    bool hideMode_ = false;
    bool showErased_ = false;
};
