#include "app/lifecycle.h"

#include <commctrl.h>

#include "app/chrome.h"
#include "app/fonts.h"
#include "app/frame_buttons.h"
#include "app/hotkey.h"
#include "app/main_layout.h"
#include "app/panes.h"
#include "win/program_folder.h"
#include "app/settings_file.h"
#include "ui/theme.h"
#include "app/startup.h"
#include "app/translucency.h"
#include "app/tray.h"
#include "shell/clipboard_formats.h"
#include "panes/favourites/favourites_tree.h"
#include "panes/list/list_lock.h"
#include "panes/list/list_views.h"
#include "shell/shell_services.h"
#include "app/sounds.h"
#include "panes/tabs/tab_model.h"
#include "panes/tree/folder_tree.h"
#include "ui/menu_look.h"

HWND g_mainWindow = nullptr;

namespace {

std::vector<ItemIdList> g_startPaths;
bool g_ntPlatform = false;
bool g_startMaximisedRequest = false;

void InitialiseCommonControls() {
    InitCommonControls();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_USEREX_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
}

void ChooseShownTabs(bool anyTabOpened) {
    if (!anyTabOpened && TabCount() == 0) {
        SetShownTabs(OpenDesktopTab(), -1);
        return;
    }
    SetShownTabs(1, -1);
}

void RecordWindowState(HWND mainWindow) {
    RECT rect{};
    bool maximised = false;
    WindowRectangleToSave(mainWindow, rect, maximised);
    g_settings.windowX = rect.left;
    g_settings.windowY = rect.top;
    g_settings.windowWidth = rect.right - rect.left;
    g_settings.windowHeight = rect.bottom - rect.top;
    g_settings.windowMaximized = maximised ? 1 : 0;
    g_settings.mainListStyle = SavedListStyle(g_mainList);
    g_settings.subListStyle = SavedListStyle(g_subList);
}

}  // namespace

void SetStartPaths(std::vector<ItemIdList> paths) { g_startPaths = std::move(paths); }

void SetNtPlatform(bool nt) { g_ntPlatform = nt; }
bool IsNtPlatform() { return g_ntPlatform; }

bool TakeStartMaximisedRequest() {
    bool requested = g_startMaximisedRequest;
    g_startMaximisedRequest = false;
    return requested;
}

int OpenPathsAsTabs(const std::vector<ItemIdList>& paths) {
    int opened = 0;
    for (const ItemIdList& path : paths) {
        if (!path) continue;
        if (IsDesktopList(path.Get())) {
            opened += OpenDesktopTab() != 0;
            continue;
        }
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        if (SplitItemList(path.Get(), parent, child)) opened += OpenItemAsTab(parent.Get(), child.Get()) != 0;
    }
    return opened;
}

void RunCreationSequence(HWND mainWindow, HINSTANCE instance) {
    g_mainWindow = mainWindow;
    ResetChrome();
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    CreateDirectoryA(PatternFolder().c_str(), nullptr);
    LoadSettingsFile();
    ClearTabs();
    RegisterShellIdListFormat();
    InitialiseCommonControls();
    CreateFolderTreeControl(mainWindow);
    CreateSharedImageLists();
    InitialiseListLock();
    CreateSharedBrushes(mainWindow);
    CreateSharedFonts();
    CreateSharedBitmapStrips(instance);
    CreateMenuLook(instance);
    CreateFolderListViews(mainWindow);
    CreatePaneWindows(mainWindow, instance);
    CreateFrameButtons(mainWindow);
    CreateFavouritesTreeControl(mainWindow);

    bool anyTabOpened = OpenPathsAsTabs(g_startPaths) > 0;
    g_startPaths.clear();
    ChooseShownTabs(anyTabOpened);

    ChooseStartLayout(SubListTab() != -1);
    RefreshModeButtons();
    SetWindowPos(mainWindow, nullptr, g_settings.windowX, g_settings.windowY, g_settings.windowWidth,
                 g_settings.windowHeight, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    LayOut(mainWindow, false);
    g_startMaximisedRequest = g_settings.windowMaximized != 0;
    TreeView_SetTextColor(g_folderTree, static_cast<COLORREF>(g_settings.treeTextColour));
    SetFocus(g_mainList);
    ListView_EnsureVisible(g_mainList, 0, FALSE);
    bool useSound = g_settings.useSound != 0;
    EnableSounds(true);
    LoadEventSounds();
    EnableSounds(useSound);
    if (g_settings.tranpUse) ApplyTranslucency(mainWindow, true, g_settings.tranpAlpha);
    PlayEventSound(SoundEvent::SHOW);
}

void RunDestructionSequence(HWND mainWindow) {
    RecordWindowState(mainWindow);
    RecordLayoutSettings();
    SaveSettingsFile();
    DestroyFrameButtons();
    DestroyFolderListResources();
    DestroyFolderTreeResources();
    DeleteMenuLook();
    DeleteSharedGdi();
    ClearTabs();
    StopShellServices();
    DeleteListLock();
    RemoveTrayIcon(mainWindow);
    UnregisterProgramHotKey(mainWindow);
    ReleaseInstanceMutex();
    FreeEventSounds();
}
