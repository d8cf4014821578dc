// The one top-level window of the program, and everything it owns: the layout of its panes, the
// self-drawn frame with its buttons, the bars, the lists, the trees and the tabs. Its work is
// split by concern over main_window.cpp (messages), lifecycle.cpp (creation and destruction),
// main_layout.cpp, chrome.cpp, frame_buttons.cpp, frame_paint.cpp, splitter.cpp,
// window_menus.cpp, handover_receiver.cpp, tab_host.cpp, navigation_host.cpp and
// list_watchers.cpp.
#pragma once
#include <windows.h>

#include <vector>

#include "app/app_context.h"
#include "app/bar_windows.h"
#include "app/chrome.h"
#include "app/frame_buttons.h"
#include "app/main_layout.h"
#include "app/settings_pages.h"
#include "app/tab_files.h"
#include "app/tray.h"
#include "panes/favourites/favourites_host.h"
#include "panes/favourites/favourites_pane.h"
#include "panes/list/list_lock.h"
#include "panes/list/list_pane.h"
#include "panes/list/thumbnail_cache.h"
#include "core/alias_table.h"
#include "core/tab_model.h"
#include "dnd/drop_registration.h"
#include "panes/list/list_host.h"
#include "panes/tabs/shell_tab_folder.h"
#include "panes/tabs/tab_bar.h"
#include "panes/tabs/tab_bar_host.h"
#include "panes/tree/folder_tree.h"
#include "panes/tree/tree_host.h"
#include "ui/theme.h"
#include "win/folder_watcher.h"

extern const char kMainWindowClass[];

// Posted by the change watchers: reload the list view given in lParam from its current folder.
constexpr UINT kReloadListMessage = WM_APP + 1;
// What the shell's menus send an owner window to find the browser that shows their items.
constexpr UINT kShellBrowserRequest = WM_USER + 7;

class MainWindow : private tabs::TabPanes,
                   private ListHost,
                   private TabBarHost,
                   private TreeHost,
                   private FavouritesHost {
public:
    explicit MainWindow(AppContext& context);
    // Destroys the window if it is still there; the object is unbound from it either way.
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    static bool RegisterClass(HINSTANCE instance);
    static void UnregisterClasses(HINSTANCE instance);
    // The object bound to a main window, or null.
    static MainWindow* FromHandle(HWND window);

    // Makes the window; the start paths are opened as tabs while it is created.
    bool Create(std::vector<ItemIdList> startPaths);
    HWND Handle() const { return window_; }

    AppContext& Context() { return context_; }
    Settings& Config() { return context_.settings; }
    Theme& Look() { return theme_; }
    MainLayout& Layout() { return layout_; }
    const ChromeState& Chrome() const { return chrome_; }
    BarWindows& Bars() { return bars_; }
    ListPane& MainList() { return mainList_; }
    ListPane& SubList() { return subList_; }
    ThumbnailCache& Thumbnails() { return thumbnails_; }
    FolderTreePane& Tree() { return tree_; }
    FavouritesPane& Favourites() { return favourites_; }
    tabs::TabModel& Tabs() { return tabModel_; }
    TabBar& Bar() { return tabBar_; }
    ListPane& ListOf(tabs::Pane pane) { return pane == tabs::Pane::Main ? mainList_ : subList_; }
    // The watcher of the list's folder on disk.
    FolderWatcher& WatcherOf(tabs::Pane pane) { return pane == tabs::Pane::Main ? mainWatcher_ : subWatcher_; }
    ListLock& Lock() { return listLock_; }
    FrameButtons& Buttons() { return buttons_; }

    // Set while the window is created when the settings ask for a maximised start; taken once.
    bool TakeStartMaximisedRequest();

    // Opens each converted path as a tab: the desktop as the desktop tab, anything else as the
    // last item of its parent. Returns the number of tabs opened.
    int OpenPathsAsTabs(const std::vector<ItemIdList>& paths);

    // Layout and modes.
    void ChooseStartLayout(bool subTabShown);
    void RecordLayoutSettings();
    void LayOut(bool invalidate);
    void ShowAllPanes();
    void HideAllPanes();
    void ToggleTreeMode();
    void ToggleFavouritesMode();
    void ToggleTwoPaneMode();
    void ToggleHiddenFiles();
    void ToggleExtendedTips();
    layout::Rect ClientArea() const;

    bool GesturesOn() const { return context_.gestures.Enabled(); }
    // The gesture button and a double-click on a list's empty space: the mouse gestures are switched
    // on or off and the button shows which.
    void ToggleGesturesOn();

    // The settings dialog; what the user confirms there takes effect at once.
    void OpenSettings();
    void ApplySettings(const SettingsDraft& draft);

    // The window's own behaviour in place of a system caption.
    void ToggleMaximise();
    void RollUp();
    void Unroll();
    void HideToTray();
    void RunFrameDoubleClick();
    void HandleTrayCallback(WPARAM iconId, LPARAM mouseMessage);
    void HandleHotKey(WPARAM hotKeyId);
    // Opens HELP\top.html beside the program, or says that it is missing.
    void ShowHelp() override;
    // The rectangle and maximised flag the settings file keeps for the window.
    void WindowRectangleToSave(RECT& rect, bool& maximised) const;

    // The frame buttons.
    void CreateFrameButtons();
    void LayOutWindowButtons();
    void HideFrameButtons();
    void ShowFrameButtons();
    void ShowWindowButtons();
    void SetTitleActive(bool active);
    void RefreshMaximiseButton();
    void RefreshModeButtons();

    // The window menu (maximise or restore, tray, shade, close) and the caption menu (help,
    // version); the right-press menus of the left column.
    void ShowWindowMenu(int x, int y);
    void ShowCaptionMenu(int x, int y);
    void ShowSplitDirectionMenu(int x, int y);
    void ShowTooltipItemsMenu(int x, int y);

    // Does what a tab operation leaves to its caller: the sound, leaving the two-pane view, loading
    // the lists, running a file, opening an address and selecting an item.
    void Carry(const tabs::Outcome& outcome) override;
    void Carry(const tabs::OpenOutcome& outcome);
    // The list shows its tab: the tab's view state, then its folder.
    void LoadPane(tabs::Pane pane) override;

    // The notification-area icon, added once the window is shown.
    void AddTrayIcon();

    // Items dropped on the window or the tab bar open as tabs at `position` (-1 the end, where the
    // main list then shows the last one; anywhere else both lists keep their tabs).
    void OpenDroppedItems(IShellFolder* parent, const std::vector<ItemIdList>& children, int position) override;
    // The drop targets of the window and its panes, registered after the panes are made and
    // revoked before they go (frame_drop.cpp).
    void RegisterDropTargets();
    void RevokeDropTargets();
    IDropTarget* FrameDropTarget() const { return frameDrop_.Target(); }

    // WM_COPYDATA from a second start: opens each handed-over path as a tab of the main list.
    LRESULT ReceiveHandOver(const COPYDATASTRUCT* record);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleRolledUp(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    void RunCreationSequence();
    void RunDestructionSequence();
    // Writes every file that holds what the user would lose with the process, leaving the windows
    // as they are: the destruction runs it, and so does the end of the session, after which the
    // process may be ended at any moment or may go on.
    void SaveAll();

    // The change watchers of the two lists (list_watchers.cpp).
    void StartListWatchers();
    void StopWatchers();
    // The folder the list shows now, or none for the sub list outside the two-pane view.
    void WatchShownFolder(tabs::Pane pane);
    // A watcher's posted message for the list window.
    void ReloadForWatcher(HWND list);
    void RecordWindowState();
    // The tabs that the lists show at start, the two-pane view with them, and the duplicates gone
    // when the settings ask for it.
    void ChooseShownTabs(bool anyTabOpened, const RestoredTabs& restored);

    LRESULT FrameHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT RolledUpHitTest(LPARAM lParam);
    bool SetSplitterCursor();
    void PaintFrame();
    void PaintRolledUpFrame();
    void BeginSplitterDrag(POINT clientPoint);
    void FollowSplitterDrag(POINT clientPoint);
    void EndSplitterDrag();
    void InvertDragBar();
    void RememberNormalRectangle();
    void ShowTrayMenu();
    void AfterModeSwitch(const layout::SwitchResult& result);
    void Place(HWND window, const layout::Box& box);

    // What the tab bar asks of the window.
    void SwitchTwoPaneOn() override;
    void PlaySound(tabs::Sound sound) override { context_.sounds.PlayEventSound(static_cast<int>(sound)); }
    bool TwoPaneShown() const override { return TwoPane(); }
    ShellExecutor& Executor() override { return *context_.executor; }
    void RefreshTwoPaneButtons() override { RefreshModeButtons(); }

    // The lists' part in the tab operations.
    bool TwoPane() const override { return layout_.modes.mode == layout::kTwoPane; }
    int ViewStyle(tabs::Pane pane) const override;
    tabs::SortOrder Sort(tabs::Pane pane) const override;
    int ColumnWidth(tabs::Pane pane, int column) const override;
    void ShowTab(tabs::Pane pane, const tabs::TabRecord& tab) override;

    // What the lists ask of the window.
    void OpenItem(ListPane& list, ComPtr<IShellFolder> folder, ItemIdList item, bool rememberFolder) override;
    bool TabLocked(const ListPane& list) const override;
    void OpenItemsAsTabs(ListPane& list, ComPtr<IShellFolder> parent, std::vector<ItemIdList> items) override;
    void ToggleGestures(ListPane& list) override;
    void GoUp(ListPane& list) override;
    void GoBack(ListPane& list) override;
    std::vector<ComPtr<IShellFolder>> BackHistory(const ListPane& list) const override;
    void GoToHistoryEntry(ListPane& list, int entry) override;
    void ShowFolder(ListPane& list, ComPtr<IShellFolder> folder, bool rememberFolder) override;
    void OpenFolderAsNewTab(ComPtr<IShellFolder> folder) override;
    bool ShowNextTab(ListPane& list) override;
    void MoveFocusOn(ListPane& list) override;
    void CopyToOtherList(ListPane& list, bool move) override;
    void PlayDragSound() override { context_.sounds.PlayEventSound(SoundEvent::DRAG); }
    void PlayStrokeSound(int direction) override;
    void PlayDropSound() override { context_.sounds.PlayEventSound(SoundEvent::DROP); }
    void ToggleTwoPaneView() override { ToggleTwoPaneMode(); }
    void ToggleTreePane() override { ToggleTreeMode(); }

    // What the folder tree asks of the window.
    IShellFolder* MainListFolder() override { return mainList_.Model().Folder(); }
    void ShowInMainList(ComPtr<IShellFolder> folder) override;
    void FocusMainList() override { SetFocus(mainList_.Window()); }
    void PlayTreeSound(TreeSound sound) override;

    // What the favourites ask of the window.
    void OpenFavouriteTabs(const std::vector<tabs::FolderPtr>& folders) override;
    void FocusFolderTree() override { SetFocus(tree_.Window()); }
    // The favourites pane is made once the tabs are restored and the start paths opened; its
    // startup group's folders then become the first tabs.
    void StartFavourites();
    void StartTree();

    tabs::Pane PaneOf(const ListPane& list) const { return &list == &subList_ ? tabs::Pane::Sub : tabs::Pane::Main; }
    const ListPane& ListOf(tabs::Pane pane) const { return pane == tabs::Pane::Main ? mainList_ : subList_; }
    tabs::ItemPtr ItemOf(IShellFolder* parent, PCUITEMID_CHILD child) const;
    void Run(const tabs::ItemPtr& item);
    void SelectInMainList(const tabs::ItemPtr& item);

    AppContext& context_;
    HWND window_ = nullptr;
    std::vector<ItemIdList> startPaths_;
    bool startMaximisedRequest_ = false;
    // The settings dialog opens on the page it was left on, for the rest of the run.
    int settingsPage_ = 1;

    Theme theme_;
    MainLayout layout_;
    ChromeState chrome_;
    TrayIcon tray_;
    BarWindows bars_;
    ListLock listLock_;
    AliasTable aliases_;
    search::SearchState listSearch_;
    // Before the tab model, which lays it out.
    TabBar tabBar_;
    tabs::TabModel tabModel_;
    // Before the lists, which draw from it and forget it as they go.
    ThumbnailCache thumbnails_;
    ListPane mainList_{kMainListId, listLock_};
    ListPane subList_{kSubListId, listLock_};
    // Declared after the lists, so that they go first: a thread still running ends before the
    // lists do, at the latest here.
    FolderWatcher mainWatcher_;
    FolderWatcher subWatcher_;
    FolderTreePane tree_;
    FavouritesPane favourites_;
    DropRegistration frameDrop_;
    // Last, so that the buttons go first: their actions refer to everything above.
    FrameButtons buttons_;
};
