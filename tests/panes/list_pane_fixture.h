// A folder list on a test window as the main window makes it: the shared theme, settings and
// comments, the shell services, the notifications of its control routed to it, and a host that
// records what the list asks of the tabs instead of doing it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/comments.h"
#include "core/settings_table.h"
#include "panes/list/list_host.h"
#include "panes/list/list_lock.h"
#include "panes/list/list_pane.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/ui/control_test_host.h"
#include "ui/theme.h"
#include "win/subclass.h"

LOGFONTA ListFont();

class RecordingListHost : public ListHost {
public:
    struct Opening {
        // The item's full path.
        std::string path;
        bool rememberFolder;
    };

    void OpenItem(ListPane& list, ComPtr<IShellFolder> folder, ItemIdList item, bool rememberFolder) override;
    bool TabLocked(const ListPane&) const override { return locked; }
    void OpenItemsAsTabs(ListPane& list, ComPtr<IShellFolder> parent, std::vector<ItemIdList> items) override;
    void ToggleGestures(ListPane&) override { ++gestureToggles; }
    void GoUp(ListPane&) override { ++upRequests; }
    void GoBack(ListPane&) override { ++backRequests; }
    std::vector<ComPtr<IShellFolder>> BackHistory(const ListPane&) const override { return {}; }
    void GoToHistoryEntry(ListPane&, int) override {}
    void ShowFolder(ListPane& list, ComPtr<IShellFolder> folder, bool rememberFolder) override;
    void OpenFolderAsNewTab(ComPtr<IShellFolder> folder) override;
    bool ShowNextTab(ListPane&) override {
        ++nextTabRequests;
        return nextTabAnswer;
    }
    void MoveFocusOn(ListPane&) override { ++focusMoves; }
    void ToggleTwoPaneView() override { ++twoPaneToggles; }
    void ToggleTreePane() override { ++treeToggles; }
    void ShowHelp() override { ++helpRequests; }
    void CopyToOtherList(ListPane&, bool move) override { otherListCopies.push_back(move); }
    void PlayDragSound() override { ++dragSounds; }
    void PlayStrokeSound(int direction) override { strokeSounds.push_back(direction); }

    bool locked = false;
    std::vector<Opening> openings;
    // The full paths of the items of each call, in the order given.
    std::vector<std::vector<std::string>> tabCalls;
    int gestureToggles = 0;
    bool nextTabAnswer = true;
    int upRequests = 0, backRequests = 0;
    // Whether each copy to the other list was a move.
    std::vector<bool> otherListCopies;
    // The folders that the header bar's menus show in the list or open as new tabs, by full path.
    std::vector<Opening> shownFolders;
    std::vector<std::string> newTabs;
    int nextTabRequests = 0, focusMoves = 0, twoPaneToggles = 0, treeToggles = 0, helpRequests = 0;
    int dragSounds = 0;
    std::vector<int> strokeSounds;
};

// Passes the WM_NOTIFY messages of a list's control on its parent to the list, as the main
// window does.
class NotifyRouter {
public:
    NotifyRouter(HWND parent, ListPane& list);
    NotifyRouter(const NotifyRouter&) = delete;
    NotifyRouter& operator=(const NotifyRouter&) = delete;

private:
    static LRESULT Route(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    ListPane& list_;
    Subclass subclass_;
};

class ListPaneFixture : public ShellFixture {
protected:
    void SetUp() override;

    ListPaneShared Shared() { return ListPaneShared{theme_, settings_, comments_, search_, *shell_}; }
    // Makes the list in a style, sized to the host, with its notifications and host.
    void CreateList(int style);
    ComPtr<IShellFolder> FolderAt(const std::string& path) const { return BindFolder(ShellListOf(path).Get()); }
    bool ShowFolder(const std::string& relative) { return pane_.Show(FolderAt(PathOf(relative))); }

    HWND List() const { return pane_.Window(); }
    int RowOf(const std::string& name);
    void Select(int row, bool selected = true);
    bool Selected(int row) const;
    std::string ItemText(int row, int column) const;
    // The centre of a row's cell in a column, in the control's client coordinates.
    POINT CellCentre(int row, int column) const;
    // The left button at a point of the control, as the system delivers a click or a double-click.
    void Click(POINT point);
    void DoubleClick(POINT point);
    // A key typed on the keyboard into the window with the focus, with its messages handled.
    void Type(WORD key);
    void Pump();

    Theme theme_;
    Settings settings_ = DefaultSettings();
    CommentTable comments_;
    search::SearchState search_;
    ControlTestHost host_;
    ListLock lock_;
    ListPane pane_{kMainListId, lock_};
    RecordingListHost listHost_;
    NotifyRouter router_{host_.Window(), pane_};
};
