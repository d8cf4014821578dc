#include "panes/list/header_bar.h"

#include <string>

#include "core/dbcs_text.h"
#include "panes/list/list_pane.h"
#include "shell/folder_binding.h"
#include "shell/item_names.h"
#include "shell/typed_paths.h"
#include "win/buffered_paint.h"
#include "win/system_text.h"

namespace {

constexpr int kButtonTop = 1;
constexpr int kBackLeft = 5;
constexpr int kUpLeft = 30;
constexpr int kStyleLeft = 55;
constexpr int kFavouritesLeft = 80;
constexpr int kPathBoxLeft = 114;
constexpr int kPathBoxTop = 2;
constexpr int kPathBoxHeight = 16;
// The box ends this far short of the bar's width measured from the bar's left edge.
constexpr int kPathBoxWidthShortfall = 117;

void FrameBlack(HDC dc, RECT box) { FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }

}  // namespace

HeaderBar::~HeaderBar() {
    pathBoxSubclass_.Detach();
    barSubclass_.Detach();
    if (pathBox_ && IsWindow(pathBox_)) SendMessageA(pathBox_, WM_SETFONT, 0, FALSE);
}

void HeaderBar::Attach(HWND bar, const HeaderBarIds& ids, const Theme& theme, HFONT pathFont, ListHost& host,
                       const FavouriteSource& favourites) {
    window_ = bar;
    theme_ = &theme;
    host_ = &host;
    favouriteSource_ = &favourites;
    back_ = std::make_unique<SkinnedButton>(theme, ButtonKind::Back,
                                            ButtonActions([this] { GoBack(); }, [this] { ShowHistoryMenu(); }));
    back_->Place(bar, kBackLeft, kButtonTop, ids.back, "戻る");
    up_ = std::make_unique<SkinnedButton>(theme, ButtonKind::Up,
                                          ButtonActions([this] { GoUp(); }, [this] { ShowAncestorMenu(); }));
    up_->Place(bar, kUpLeft, kButtonTop, ids.up, "上へ");
    style_ = std::make_unique<SkinnedButton>(theme, ButtonKind::ViewStyle, ButtonActions([this] { ShowStyleMenu(); }));
    style_->Place(bar, kStyleLeft, kButtonTop, ids.style, "表示スタイル変更");
    favourites_ = std::make_unique<SkinnedButton>(theme, ButtonKind::FavouritesMenu,
                                                  ButtonActions([this] { ShowFavouritesMenu(); }));
    favourites_->Place(bar, kFavouritesLeft, kButtonTop, ids.favourites, "お気に入り");
    pathBox_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, kPathBoxLeft, kPathBoxTop, 0,
                               kPathBoxHeight, bar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids.pathBox)), nullptr,
                               nullptr);
    SendMessageA(pathBox_, WM_SETFONT, reinterpret_cast<WPARAM>(pathFont), FALSE);
    pathBoxSubclass_.Attach(pathBox_, &HeaderBar::PathBoxProcedure, this);
    barSubclass_.Attach(bar, &HeaderBar::BarProcedure, this);
    PlacePathBox();
    ShowPath();
}

HWND HeaderBar::MenuOwner() const { return GetAncestor(window_, GA_ROOT); }

void HeaderBar::PlacePathBox() {
    RECT client{};
    GetClientRect(window_, &client);
    SetWindowPos(pathBox_, nullptr, kPathBoxLeft, kPathBoxTop, client.right - kPathBoxWidthShortfall, kPathBoxHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void HeaderBar::ShowPath() {
    if (!window_) return;
    IShellFolder* folder = list_.Model().Folder();
    SetWindowTextA(pathBox_, folder ? ItemPath(folder).c_str() : "");
    EnableButtons();
}

void HeaderBar::EnableButtons() {
    if (!window_) return;
    IShellFolder* folder = list_.Model().Folder();
    back_->SetEnabled(!host_->BackHistory(list_).empty());
    up_->SetEnabled(folder && !IsDesktopItem(folder));
}

// The host plays the button sound and carries the navigation out; the buttons follow whatever
// came of it, since a folder that cannot be read leaves everything as it was.
void HeaderBar::GoBack() {
    if (!window_) return;
    host_->GoBack(list_);
    EnableButtons();
}

void HeaderBar::GoUp() {
    if (!window_) return;
    host_->GoUp(list_);
    EnableButtons();
}

void HeaderBar::GoToTypedPath() {
    if (!window_) return;
    char text[dbcs::kTextBufferBytes] = {};
    GetWindowTextA(pathBox_, text, sizeof text);
    std::string typed = dbcs::DropTrailingBackslash(text, &IsSystemLeadByte);
    IShellFolder* shown = list_.Model().Folder();
    if (shown && typed == ItemPath(shown)) return;
    ItemIdList absolute = PathToItemList(typed.c_str());
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    if (!absolute || !SplitItemList(absolute.Get(), parent, child) || !child) return;
    bool folder = IsFolderItem(parent.Get(), child.Get());
    list_.OpenItemInList(parent.Get(), child.Get(), folder);
    // A file was only started: the box shows the list's folder again, which a folder shown in the
    // list has already done.
    if (!folder) ShowPath();
}

void HeaderBar::PaintInto(HDC dc, const RECT& client) const {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameBlack(dc, RECT{client.left, client.bottom - kHeaderBottomLine, client.right, client.bottom});
    FrameBlack(dc, RECT{kHeaderSeparatorLeft, client.top, kHeaderSeparatorRight, client.bottom});
}

LRESULT HeaderBar::BarProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<HeaderBar*>(context);
    if (HandleBufferedPaint(window, message, wParam,
                            [self](HDC dc, const RECT& client) { self->PaintInto(dc, client); }))
        return PaintAnswer(message);
    switch (message) {
    case WM_SIZE: self->PlacePathBox(); break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}

LRESULT HeaderBar::PathBoxProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<HeaderBar*>(context);
    switch (message) {
    // Posted, so that the box selects its whole text after the click that focused it has placed
    // the caret.
    case WM_SETFOCUS: PostMessageA(window, EM_SETSEL, 0, -1); break;
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) break;
        self->GoToTypedPath();
        return 0;
    // The box would beep at the Enter it cannot take.
    case WM_CHAR:
        if (wParam == '\r') return 0;
        break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
