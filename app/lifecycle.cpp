// What the main window sets up when it is created and takes down when it is destroyed, in order.
#include "app/main_window.h"

#include <commctrl.h>

#include "app/comment_file.h"
#include "app/gesture_data.h"
#include "app/hotkey.h"
#include "app/settings_file.h"
#include "app/tab_files.h"
#include "app/translucency.h"
#include "core/startup_tabs.h"

namespace {

void InitialiseCommonControls() {
    InitCommonControls();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_USEREX_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
}

}  // namespace

void MainWindow::ChooseShownTabs(bool anyTabOpened, const RestoredTabs& restored) {
    const Settings& settings = context_.settings;
    if (!anyTabOpened && tabModel_.Count() == 0) {
        tabModel_.NewDesktopTab();
        ChooseStartLayout(false);
        return;
    }
    tabs::Selections shown{1, -1};
    if (settings.tabRemind) {
        tabs::Selections found = FindTabsOfFolders(tabModel_, restored.mainFolder, restored.subFolder);
        shown = tablist::StartSelections(found.main, found.sub);
    }
    tabModel_.Select(tabs::Pane::Main, shown.main);
    tabModel_.Select(tabs::Pane::Sub, shown.sub);
    ChooseStartLayout(shown.sub != -1);
    // Every restored tab was the main list's in turn; the lists take the chosen ones before the
    // duplicates go, since closing tabs first saves what the lists hold into their tabs.
    tabModel_.ApplyTabsToPanes();
    if (settings.tabRemindNotDuplicated && tabModel_.CloseTabs(tabs::CloseKind::Duplicates).leaveTwoPane)
        ChooseStartLayout(false);
}

void MainWindow::RecordWindowState() {
    RECT rect{};
    bool maximised = false;
    WindowRectangleToSave(rect, maximised);
    Settings& settings = context_.settings;
    settings.windowX = rect.left;
    settings.windowY = rect.top;
    settings.windowWidth = rect.right - rect.left;
    settings.windowHeight = rect.bottom - rect.top;
    settings.windowMaximized = maximised ? 1 : 0;
    settings.mainListStyle = mainList_.SavedStyle();
    settings.subListStyle = subList_.SavedStyle();
}

int MainWindow::OpenPathsAsTabs(const std::vector<ItemIdList>& paths) {
    int opened = 0;
    // A thousand paths would otherwise lay the bar out a thousand times.
    TabBar::LayoutHold hold(tabBar_);
    for (const ItemIdList& path : paths) {
        if (!path) continue;
        if (IsDesktopList(path.Get())) {
            opened += tabModel_.NewDesktopTab().done;
            continue;
        }
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        if (!SplitItemList(path.Get(), parent, child)) continue;
        // Files are not run from a start path: their folder opens with them selected.
        tabs::OpenOutcome outcome = tabModel_.OpenItemAsTab(ItemOf(parent.Get(), child.Get()), false, false, -1);
        opened += outcome.done;
    }
    return opened;
}

void MainWindow::StartFavourites() {
    favourites_.Start(
        *this,
        FavouritesShared{context_.settings, theme_, context_.shell, context_.instance, theme_.normal13Second.Get()},
        window_, bars_.favouritesHeader, &tabBar_, context_.folder.DataFile(kFavouritesFileName));
    theme_.favouritesIcons = favourites_.GroupIcons();
    std::vector<tabs::FolderPtr> startup = favourites_.StartupFolders();
    if (startup.empty()) return;
    // Moving a tab first saves what the main list holds into the tab it shows; the list has not
    // taken that tab's view yet.
    tabModel_.ApplyTabsToPanes();
    tabs::PlaceStartupTabs(tabModel_, startup);
}

void MainWindow::RunCreationSequence() {
    Settings& settings = context_.settings;
    CreateDirectoryA(context_.folder.DataFolder().c_str(), nullptr);
    CreateDirectoryA(context_.folder.PatternFolder().c_str(), nullptr);
    LoadSettingsFile(context_.folder, settings, context_.fonts);
    InitialiseCommonControls();
    tree_.Create(window_, context_.fonts.tree);
    tree_.LoadHiddenFolders(context_.folder.DataFile(kTreeHideFileName));
    theme_.CreateImageLists();
    theme_.CreateBrushes(window_, settings, context_.folder.PatternFolder());
    theme_.CreateFonts();
    theme_.CreateBitmapStrips(context_.instance);
    theme_.CreateMenuLook(context_.instance);
    theme_.buttonSound = [this] { context_.sounds.PlayEventSound(SoundEvent::BTN); };
    ListPaneShared listShared{theme_, settings, context_.comments, listSearch_, context_.shell};
    mainList_.Create(window_, listShared, context_.fonts.list, settings.mainListStyle);
    subList_.Create(window_, listShared, context_.fonts.list, settings.subListStyle);
    context_.comments = LoadComments(context_.folder.DataFile(kCommentFileName));
    LoadGestures(context_.folder.DataFile(kGestureFileName), context_.gestures);
    for (tabs::Pane pane : {tabs::Pane::Main, tabs::Pane::Sub}) {
        ListPane& list = ListOf(pane);
        list.SetHost(this);
        list.SetGestures(&context_.gestures);
        list.SetWheelOffer(&tabBar_);
        list.SetThumbnails(&thumbnails_);
        list.Model().SetShowHidden(settings.showHidden != 0);
        list.Model().SetUnreadableAction([this, pane] { Carry(tabModel_.CloseSelectedTab(pane)); });
    }
    StartListWatchers();
    tabModel_.SetDefaultStyle(settings.listDefaultStyle);
    // The aliases come first, so that the restored tabs take their titles from them.
    aliases_ = LoadTabAliases(context_.folder.DataFile(kTabAliasFileName));
    RestoredTabs restored;
    if (settings.tabRemind)
        restored =
            LoadTabList(context_.folder.DataFile(kTabListFileName), settings.tabRemindOnlyLocked != 0, tabModel_);
    bars_.Create(window_, context_.instance);
    mainList_.AttachInfoStrip(bars_.mainInfo);
    subList_.AttachInfoStrip(bars_.subInfo);
    tabBar_.Create(bars_.tabBar, tabModel_, *this, context_.fonts.tab, context_.folder.DataFile(kLauncherFileName));
    CreateFrameButtons();
    mainList_.AttachHeaderBar(bars_.mainHeader, favourites_);
    subList_.AttachHeaderBar(bars_.subHeader, favourites_);

    bool anyTabOpened = OpenPathsAsTabs(startPaths_) > 0;
    startPaths_.clear();
    StartFavourites();
    ChooseShownTabs(restored.added || anyTabOpened, restored);
    tabBar_.SetDisplayedRow(1);

    RefreshModeButtons();
    SetWindowPos(window_, nullptr, settings.windowX, settings.windowY, settings.windowWidth, settings.windowHeight,
                 SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    LayOut(false);
    LoadPane(tabs::Pane::Main);
    if (tabModel_.Selection(tabs::Pane::Sub) != -1) LoadPane(tabs::Pane::Sub);
    RegisterDropTargets();
    startMaximisedRequest_ = settings.windowMaximized != 0;
    tree_.SetTextColour(static_cast<COLORREF>(settings.treeTextColour));
    SetFocus(mainList_.Window());
    ListView_EnsureVisible(mainList_.Window(), 0, FALSE);
    EventSounds& sounds = context_.sounds;
    bool useSound = settings.useSound != 0;
    sounds.EnableSounds(true);
    sounds.LoadEventSounds();
    sounds.EnableSounds(useSound);
    if (settings.tranpUse) ApplyTranslucency(window_, context_.platform, true, settings.tranpAlpha);
    sounds.PlayEventSound(SoundEvent::SHOW);
}

void MainWindow::SaveAll() {
    RecordWindowState();
    RecordLayoutSettings();
    SaveSettingsFile(context_.folder, context_.settings, context_.fonts);
    SaveComments(context_.folder.DataFile(kCommentFileName), context_.comments);
    SaveGestures(context_.folder.DataFile(kGestureFileName), context_.gestures);
    // The file keeps what the lists show now, so their views go into their tabs first.
    tabModel_.SaveViewState(tabs::Pane::Main);
    tabModel_.SaveViewState(tabs::Pane::Sub);
    SaveTabAliases(context_.folder.DataFile(kTabAliasFileName), aliases_);
    SaveTabList(context_.folder.DataFile(kTabListFileName), tabModel_, TwoPane());
    tree_.SaveHiddenFolders();
    favourites_.SaveFile();
    tabBar_.SaveLauncher();
}

void MainWindow::RunDestructionSequence() {
    StopWatchers();
    thumbnails_.Shutdown();
    // The targets refer to the panes, which go below.
    RevokeDropTargets();
    SaveAll();
    tree_.Shutdown();
    theme_.favouritesIcons = nullptr;
    favourites_.Shutdown();
    tabBar_.Destroy();
    buttons_ = FrameButtons{};
    tray_.Remove();
    UnregisterProgramHotKey(window_);
    if (context_.instanceMutex.Valid()) {
        ReleaseMutex(context_.instanceMutex.Get());
        context_.instanceMutex.Reset();
    }
    context_.sounds.FreeEventSounds();
}

void MainWindow::AddTrayIcon() { tray_.Add(window_, context_.instance); }
