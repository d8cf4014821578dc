// The header bar above a folder list: back, up, view-style and favourites buttons and a path box
// that shows the list's folder and takes a typed path. It takes over the list's bar window
// (CtrlListMain or CtrlListSub) and offers the list's navigation: back through the tab's history,
// up to the parent, the menus of the ancestors, the history, the styles and the favourites. Its
// work is split over header_bar.cpp (the bar, its painting, back, up and the typed path) and
// header_menus.cpp (the four menus).
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "panes/favourites/favourite_entries.h"
#include "panes/list/list_host.h"
#include "ui/skinned_button.h"
#include "ui/theme.h"
#include "win/owners.h"
#include "win/subclass.h"

class ListPane;

// The controls of one bar; the two bars differ only in these.
struct HeaderBarIds {
    int back, up, style, favourites, pathBox;
};
constexpr HeaderBarIds kMainHeaderIds{1200, 1201, 1202, 1204, 1203};
constexpr HeaderBarIds kSubHeaderIds{1800, 1801, 1802, 1804, 1803};

// Where the bar draws the separator between its buttons and the path box.
constexpr int kHeaderSeparatorLeft = 109;
constexpr int kHeaderSeparatorRight = 111;
// The black line along the bar's bottom edge.
constexpr int kHeaderBottomLine = 2;

class HeaderBar {
public:
    explicit HeaderBar(ListPane& list) : list_(list) {}
    ~HeaderBar();
    HeaderBar(const HeaderBar&) = delete;
    HeaderBar& operator=(const HeaderBar&) = delete;

    // Takes the bar window over and makes the buttons and the path box, whose text is drawn in
    // pathFont. Until then the bar's operations do nothing.
    void Attach(HWND bar, const HeaderBarIds& ids, const Theme& theme, HFONT pathFont, ListHost& host,
                const FavouriteSource& favourites);

    HWND Window() const { return window_; }
    HWND PathBox() const { return pathBox_; }
    SkinnedButton* BackButton() const { return back_.get(); }
    SkinnedButton* UpButton() const { return up_.get(); }
    SkinnedButton* StyleButton() const { return style_.get(); }
    SkinnedButton* FavouritesButton() const { return favourites_.get(); }

    // The path box shows the path of the list's folder, and back and up are enabled by what there
    // is to go to.
    void ShowPath();

    void GoBack();
    void GoUp();
    void ShowAncestorMenu();
    void ShowHistoryMenu();
    // The path box's text: a folder is shown in the list, anything else is opened as the list
    // opens its items.
    void GoToTypedPath();
    void ShowStyleMenu();
    void ShowFavouritesMenu();

    // The bar painted into any DC (WM_PAINT through a buffer, WM_PRINTCLIENT directly).
    void PaintInto(HDC dc, const RECT& client) const;

private:
    static LRESULT BarProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT PathBoxProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PlacePathBox();
    void EnableButtons();
    HWND MenuOwner() const;

    ListPane& list_;
    ListHost* host_ = nullptr;
    const Theme* theme_ = nullptr;
    const FavouriteSource* favouriteSource_ = nullptr;
    HWND window_ = nullptr;
    HWND pathBox_ = nullptr;
    std::unique_ptr<SkinnedButton> back_, up_, style_, favourites_;
    Subclass barSubclass_;
    Subclass pathBoxSubclass_;
};
