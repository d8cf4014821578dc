// The TabBar pane: the 20-pixel strip above the lists that shows one row of tabs, or the launcher,
// with the new-tab and row/launcher buttons at its left end and the chevron at its right. It turns
// clicks, drags, the wheel and its menus into the tab operations, and lays the tabs out over the
// rows. Its work is split by concern over tab_bar.cpp (creation and messages), tab_bar_layout.cpp,
// tab_bar_paint.cpp, tab_bar_mouse.cpp, tab_bar_menus.cpp, tab_bar_chevron.cpp and
// tab_bar_tooltip.cpp.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/settings_table.h"
#include "core/tab_bar_layout.h"
#include "core/tab_model.h"
#include "dnd/drop_registration.h"
#include "panes/list/wheel_offer.h"
#include "panes/tabs/action_menu.h"
#include "panes/tabs/launcher.h"
#include "panes/tabs/tab_bar_host.h"
#include "ui/skinned_button.h"
#include "ui/theme.h"
#include "win/owners.h"
#include "win/subclass.h"

enum TabBarButtonId { kNewTabButtonId = 1801, kRowButtonId = 1802, kChevronButtonId = 1803 };

// The tip shows this long after the cursor came to rest on a tab.
constexpr UINT kTabTipDelayMs = 500;
constexpr UINT_PTR kTipTimer = 1;
// Posted to the bar to start the launches that a drop asked for.
constexpr UINT kRunQueuedLaunchesMessage = WM_APP + 23;

class TabBar : public tabs::TabBarView, public WheelOffer {
public:
    // The bar works for the model before its window exists (tabs restored at start); it lays out
    // nothing until then.
    TabBar(const Theme& theme, const Settings& settings, const ShellServices& shell);
    ~TabBar() override;
    TabBar(const TabBar&) = delete;
    TabBar& operator=(const TabBar&) = delete;

    // Takes the bar window over, makes the buttons, the lock images, the tab font and the tooltip,
    // and reads the launcher file.
    void Create(HWND barWindow, tabs::TabModel& model, TabBarHost& host, const LOGFONTA& tabFont,
                const std::string& launcherFile);
    // Writes the launcher's entries to their file, replacing it whole; false when it was not
    // replaced or the bar was never created.
    bool SaveLauncher() const;
    // Lets the window go; the launcher file is the owner's to save first.
    void Destroy();
    // The settings changed: the font, the outline colour and the number of rows are taken anew
    // and the bar is laid out and drawn again.
    void ApplySettings(const LOGFONTA& tabFont);

    // The model's view of the bar. While a LayoutHold lives the layouts asked for are put off and
    // made once when the last hold goes.
    void LayoutTabBar() override;
    void ShowRowOf(tabs::Pane pane) override;
    void Invalidate() override;
    bool LauncherMode() const override { return launcherMode_; }
    bool OnDisplayedRow(int position) const override;

    class LayoutHold {
    public:
        explicit LayoutHold(TabBar& bar) : bar_(bar) { ++bar_.layoutHolds_; }
        ~LayoutHold() { bar_.ReleaseLayoutHold(); }
        LayoutHold(const LayoutHold&) = delete;
        LayoutHold& operator=(const LayoutHold&) = delete;

    private:
        TabBar& bar_;
    };
    // How many layouts the bar has made since it was created.
    int LayoutsMade() const { return layoutsMade_; }

    // An OLE drag over the bar (tab_bar_drop.cpp): the tab under it is drawn in the drag colour,
    // or the insertion mark shows where dropped folders would go.
    void ShowDropSpot(POINT client);
    void ClearDropSpot();
    tabbar::DropSpot DropSpotNow() const { return {dropHover_, insertionMark_}; }
    // The menu of a drop on a tab: 1 copy here, 2 move here (offered only with canCopy), 3 add as
    // tabs, 4 or 0 cancel.
    enum DropChoice { kDropCopy = 1, kDropMove = 2, kDropAddTabs = 3, kDropCancel = 4 };
    int ShowDropMenu(POINT screen, bool canCopy);
    // Starts launcher entry `position` once for each set of parameters, after the drop that asked
    // for it has returned to the dragging program.
    void QueueLaunches(int position, std::vector<std::string> parameters);
    // The bar's drop target (tab_bar_drop.cpp).
    bool RegisterDropTarget();
    void RevokeDropTarget();
    IDropTarget* DropTarget() const { return dropRegistration_.Target(); }
    // A drop on the bar: on a launcher entry it starts the entry with each item; on a tab it offers
    // to copy or move the items into the tab's folder; otherwise, or when asked to, the items open
    // as tabs at the insertion mark. The effect is none unless the shell took the items.
    HRESULT TakeDrop(IDataObject* data, POINTL point, DWORD* effect);

    // The wheel turned over the bar switches its rows; a turn elsewhere is not taken.
    bool TakeWheel(POINT cursor, int delta) override;

    // Makes row n the displayed row (in tab mode) and lays out.
    void SetDisplayedRow(int row);
    void ToggleLauncherMode();
    int DisplayedRow() const { return displayedRow_; }
    int RowCount() const { return rowCount_; }
    const tabbar::BarLayout& Layout() const { return layout_; }

    // AddLauncherEntry of the tab operations in launcher mode: the item becomes an entry.
    bool AddLauncherEntry(IShellFolder* parent, PCUITEMID_CHILD item, int position);
    Launcher& Entries() { return launcher_; }

    // The shown tab (or entry) under a point of the bar's client area, or -1.
    int HitTestTab(int x, int y) const;
    // The path of a tab, or the display name of a launcher entry: what its tooltip shows.
    std::string TipTextOf(int position) const;

    HWND Window() const { return window_; }
    HWND Tooltip() const { return tooltip_; }
    const std::string& TipText() const { return tipText_; }
    int InsertionMarkNow() const { return insertionMark_; }
    SkinnedButton* NewTabButton() const { return newTab_.get(); }
    SkinnedButton* RowButton() const { return rowButton_.get(); }
    SkinnedButton* ChevronButton() const { return chevron_.get(); }

    // The bar painted into any DC (WM_PAINT through a buffer, WM_PRINTCLIENT directly).
    void PaintInto(HDC dc, const RECT& client);

private:
    static LRESULT Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    // Layout.
    void ReleaseLayoutHold();
    int ClientWidth() const;
    // The tabs' layout, whichever mode the bar is in: the row rules look at the tab rows.
    tabbar::BarLayout TabLayout();
    std::vector<tabbar::TabMeasure> MeasureTabs();
    // Shows the launcher or a row of tabs, lays out and updates the row button.
    void ShowView(tabbar::BarView view);
    void LayOutLauncherEntries();
    void ApplySizeRule(int newWidth);
    void PlaceChevron();
    void RefreshRowButton();
    tabbar::ShownRange Shown() const;

    // Painting.
    void PaintTabs(HDC dc);
    void PaintLauncher(HDC dc);
    void DrawSeparator(HDC dc, int left, bool marked);
    void DrawOutlinedText(HDC dc, int x, int y, const std::string& text, COLORREF colour);
    COLORREF TitleColour(int position) const;

    // Mouse.
    void OnLeftDown(POINT point);
    void OnMouseMove(POINT point);
    // Shift as it was held when the button came up.
    void OnLeftUp(POINT point, bool shift);
    void OnDoubleClick(POINT point);
    void OnRightDown(POINT point);
    void SelectTabAt(POINT point, bool shift);
    void SelectTab(int position, tabbar::ClickFor target, bool withSound);
    void CloseTabAsDoubleClick(int position);
    void RunEntry(int position);
    void ClearPress();
    HWND Owner() const;

    // Menus. The tab menu's actions, also offered by the chevron's list.
    enum TabMenuAction { kRename = 1, kToggleLock = 2, kClose = 3, kSubSelection = 4, kRemoveEntry = 1 };
    void FillTabMenu(ActionMenu& menu, int position) const;
    void ShowTabMenu(int position);
    void ShowNewTabMenu();
    void ShowRowMenu();
    void ShowChevronMenu();
    // A choice of the tab menu on the tab with that serial, wherever it stands now.
    void RunTabMenuChoice(unsigned serial, int choice);
    void RunLauncherMenuChoice(unsigned serial, int choice);
    void RenameTab(int position);

    // Tooltip.
    void CreateTooltip();
    void FollowTip(POINT point);
    void HideTip();
    void ShowTip();

    const Theme& theme_;
    const Settings& settings_;
    tabs::TabModel* model_ = nullptr;
    TabBarHost* host_ = nullptr;
    Launcher launcher_;
    std::string launcherFile_;

    HWND window_ = nullptr;
    Subclass subclass_;
    std::unique_ptr<SkinnedButton> newTab_, rowButton_, chevron_;
    ImageList lockImages_;
    Font tabFont_;
    Brush frameBrush_;
    HWND tooltip_ = nullptr;

    bool launcherMode_ = false;
    int rowCount_ = 3;
    int displayedRow_ = 1;
    // The layout of the present mode: tabs in tab mode, entries in launcher mode.
    tabbar::BarLayout layout_;
    // Measured widths of the shown titles, kept while the font stays.
    std::unordered_map<std::string, int> widthCache_;

    bool buttonDown_ = false;
    bool dragStarted_ = false;
    bool ignorePress_ = false;
    int pressed_ = -1;
    int insertionMark_ = 0;
    // The tab (or entry) under an OLE drag, or 0.
    int dropHover_ = 0;
    std::string tipText_;

    int layoutHolds_ = 0;
    bool layoutHeld_ = false;
    bool rowHeld_[2] = {false, false};
    int layoutsMade_ = 0;
    struct QueuedLaunch {
        unsigned entry = 0;
        std::string parameters;
    };
    std::vector<QueuedLaunch> queuedLaunches_;
    void RunQueuedLaunches();
    // False when the user chose to add the items as tabs instead.
    bool DropOnTab(int position, IDataObject* data, POINTL point, DWORD allowed, DWORD* effect);
    void LaunchWithDroppedItems(int position, IDataObject* data);
    DropRegistration dropRegistration_;
};
