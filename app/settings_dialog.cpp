#include "app/settings_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <memory>

#include "app/app_context.h"
#include "res/ids.h"
#include "ui/dialog_background.h"
#include "ui/dialog_state.h"
#include "ui/skinned_button.h"
#include "ui/theme.h"
#include "ui/title_menu.h"
#include "win/owners.h"
#include "win/subclass.h"

namespace {

constexpr int kDefaultsCommand = 2003;
constexpr int kCloseButton = 2010, kTitleButton = 2011, kOkButton = 2012, kDefaultsButton = 2013;
constexpr int kCancelButton = 2014, kFirstPageButton = 2020, kPageArea = 2030;
constexpr int kDialogWidth = 400, kDialogHeight = 480;
constexpr RECT kPageArea_{5, 80, 395, 440};
constexpr POINT kPageButtons[kSettingsPageCount] = {{40, 20},  {150, 20}, {260, 20}, {40, 40},
                                                    {150, 40}, {260, 40}, {40, 60}};
// The least opacity the dialog takes from the window's translucency, so that it stays readable.
constexpr int kLeastDialogOpacity = 220;
// Where the Tab hook finds the open dialog's state from the window that has the focus.
const char kStateProperty[] = "TessarySettingsDialog";

using PageMaker = std::unique_ptr<SettingsPage> (*)(SettingsPageContext&);
constexpr PageMaker kPageMakers[kSettingsPageCount] = {MakeGeneralPage, MakeStylePage, MakeItemColourPage, MakeTabPage,
                                                       MakeTreePage,    MakeListPage,  MakeRenamePage};

struct SettingsDialogState {
    SettingsDialogState(const Theme& look, AppContext& context, SettingsDraft& edited, int& shownPage)
        : theme(look), app(context), draft(edited), page(shownPage) {}

    const Theme& theme;
    AppContext& app;
    SettingsDraft& draft;
    int& page;
    HWND dialog = nullptr;
    HWND area = nullptr;
    CustomColours customColours{};
    std::unique_ptr<SettingsPageContext> pageContext;
    std::array<std::unique_ptr<SettingsPage>, kSettingsPageCount> pages;
    std::unique_ptr<SkinnedButton> close, title, ok, defaults, cancel;
    std::array<std::unique_ptr<SkinnedButton>, kSettingsPageCount> pageButtons;
    Subclass areaSubclass;
    HHOOK tabHook = nullptr;
    bool shown = false;
};

SettingsPage& CurrentPage(SettingsDialogState& state) { return *state.pages[static_cast<size_t>(state.page - 1)]; }

// A page is made and filled the first time it is shown; a page never shown keeps the draft's
// values, which OK then hands back unchanged.
void ShowPage(SettingsDialogState& state, int page) {
    if (state.shown && page == state.page) return;
    auto& shown = state.pages[static_cast<size_t>(page - 1)];
    if (!shown) {
        shown = kPageMakers[page - 1](*state.pageContext);
        shown->Fill(state.draft);
    }
    for (auto& other : state.pages)
        if (other && other != shown) other->Show(false);
    shown->Show(true);
    state.page = page;
    state.shown = true;
    for (auto& button : state.pageButtons) button->UpdateLook();
    RedrawWindow(state.dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Tab goes on to the next control of the page that can take the focus; Ctrl+Tab to the next page.
void OnTabKey(SettingsDialogState& state, bool ctrlHeld) {
    if (ctrlHeld) {
        ShowPage(state, state.page % kSettingsPageCount + 1);
        return;
    }
    const std::vector<HWND>& stops = CurrentPage(state).TabStops();
    if (stops.empty()) return;
    HWND focus = GetFocus();
    auto at = std::find_if(stops.begin(), stops.end(),
                           [focus](HWND stop) { return stop == focus || (focus && IsChild(stop, focus)); });
    size_t start = at == stops.end() ? stops.size() - 1 : static_cast<size_t>(at - stops.begin());
    for (size_t step = 1; step <= stops.size(); ++step) {
        HWND next = stops[(start + step) % stops.size()];
        if (IsWindowEnabled(next) && IsWindowVisible(next)) {
            SetFocus(next);
            return;
        }
    }
}

// Only while the focus is in the settings dialog itself: the colour, font and file choosers and
// the message boxes it opens keep their own Tab key.
LRESULT CALLBACK TabKeyHook(int code, WPARAM key, LPARAM flags) {
    if (code == HC_ACTION && key == VK_TAB) {
        HWND focus = GetFocus();
        HWND root = focus ? GetAncestor(focus, GA_ROOT) : nullptr;
        auto* state = root ? static_cast<SettingsDialogState*>(GetPropA(root, kStateProperty)) : nullptr;
        if (state) {
            const bool keyDown = (static_cast<DWORD>(flags) & 0x80000000u) == 0;
            if (keyDown) OnTabKey(*state, GetKeyState(VK_CONTROL) < 0);
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, key, flags);
}

// The page controls are children of the area; what they tell their parent goes on to the dialog.
LRESULT AreaProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = static_cast<SettingsDialogState*>(context);
    switch (message) {
    // A static lets clicks through to the dialog, which would take them for a drag of the dialog.
    case WM_NCHITTEST: return HTCLIENT;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PaintDC paint(window);
        FillRect(paint.Get(), &paint.Dirty(), GetSysColorBrush(COLOR_BTNFACE));
        if (state->shown) CurrentPage(*state).PaintGroups(paint.Get());
        return 0;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return SendMessageA(state->dialog, message, wParam, lParam);
    default: return Subclass::CallNext(window, message, wParam, lParam);
    }
}

std::unique_ptr<SkinnedButton> PlaceButton(SettingsDialogState& state, ButtonKind kind, ButtonActions actions, int x,
                                           int y, int id) {
    auto button = std::make_unique<SkinnedButton>(state.theme, kind, std::move(actions));
    button->Place(state.dialog, x, y, id, nullptr);
    return button;
}

void PlaceButtons(SettingsDialogState& state) {
    HWND dialog = state.dialog;
    RECT client{};
    GetClientRect(dialog, &client);
    state.close =
        PlaceButton(state, ButtonKind::Close, {CommandAction(dialog, IDCANCEL)}, client.right - 24, 2, kCloseButton);
    state.title = std::make_unique<SkinnedButton>(state.theme, ButtonKind::SettingsTitle);
    SkinnedButton& title = *state.title;
    title.SetActions({[dialog, &title] {
        if (ChooseCloseFromTitleMenu(dialog, title)) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }});
    title.Place(dialog, 122, 2, kTitleButton, nullptr);
    const int row = client.bottom - 30;
    state.ok = PlaceButton(state, ButtonKind::Ok, {CommandAction(dialog, IDOK)}, 20, row, kOkButton);
    state.defaults =
        PlaceButton(state, ButtonKind::Defaults, {CommandAction(dialog, kDefaultsCommand)}, 150, row, kDefaultsButton);
    state.cancel = PlaceButton(state, ButtonKind::Cancel, {CommandAction(dialog, IDCANCEL)}, client.right - 120, row,
                               kCancelButton);
    for (int page = 1; page <= kSettingsPageCount; ++page) {
        SettingsDialogState* shared = &state;
        ButtonActions actions([shared, page] { ShowPage(*shared, page); }, nullptr,
                              [shared, page] { return PageState(shared->page == page); });
        POINT at = kPageButtons[page - 1];
        state.pageButtons[static_cast<size_t>(page - 1)] =
            PlaceButton(state, static_cast<ButtonKind>(static_cast<int>(ButtonKind::Page1) + page - 1),
                        std::move(actions), at.x, at.y, kFirstPageButton + page - 1);
    }
}

void Initialise(HWND dialog, SettingsDialogState& state) {
    state.dialog = dialog;
    SetPropA(dialog, kStateProperty, &state);
    state.tabHook = SetWindowsHookExA(WH_KEYBOARD, TabKeyHook, nullptr, GetCurrentThreadId());
    RECT main{};
    GetWindowRect(GetWindow(dialog, GW_OWNER), &main);
    SetWindowPos(dialog, nullptr, main.left + 50, main.top, kDialogWidth, kDialogHeight, SWP_NOZORDER);

    state.area = CreateWindowExA(
        WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, kPageArea_.left,
        kPageArea_.top, kPageArea_.right - kPageArea_.left, kPageArea_.bottom - kPageArea_.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPageArea)), GetModuleHandleA(nullptr), nullptr);
    state.areaSubclass.Attach(state.area, &AreaProcedure, &state);
    // The ground is painted in one piece, which must not cover the page area's controls.
    SetWindowLongPtrA(dialog, GWL_STYLE, GetWindowLongPtrA(dialog, GWL_STYLE) | WS_CLIPCHILDREN);
    PlaceButtons(state);

    auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    state.pageContext = std::make_unique<SettingsPageContext>(
        SettingsPageContext{dialog, state.area, font, state.theme, state.app, state.customColours});
    ShowPage(state, std::clamp(state.page, 1, kSettingsPageCount));

    const Settings& settings = state.app.settings;
    if (settings.tranpUse && state.app.platform == Platform::Nt) {
        SetWindowLongPtrA(dialog, GWL_EXSTYLE, GetWindowLongPtrA(dialog, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(
            dialog, 0, static_cast<BYTE>(std::clamp(settings.tranpAlpha, kLeastDialogOpacity, 255)), LWA_ALPHA);
    }
}

void TearDown(SettingsDialogState& state) {
    if (state.tabHook) UnhookWindowsHookEx(state.tabHook);
    state.tabHook = nullptr;
    RemovePropA(state.dialog, kStateProperty);
    state.areaSubclass.Detach();
    for (auto& page : state.pages) page.reset();
    for (auto& button : state.pageButtons) button.reset();
    state.close.reset();
    state.title.reset();
    state.ok.reset();
    state.defaults.reset();
    state.cancel.reset();
}

bool OnCommand(SettingsDialogState& state, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    switch (id) {
    case IDOK:
        for (auto& page : state.pages)
            if (page) page->Read(state.draft);
        EndDialog(state.dialog, 1);
        return true;
    case IDCANCEL: EndDialog(state.dialog, 0); return true;
    case kDefaultsCommand: CurrentPage(state).Fill(DefaultDraft()); return true;
    default: break;
    }
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!control) return false;
    // Controls tell of their changes while their page is still being made.
    for (auto& page : state.pages)
        if (page && page->OnCommand(control, id, HIWORD(wParam))) return true;
    return false;
}

INT_PTR CALLBACK SettingsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<SettingsDialogState>(dialog, message, lParam);
    if (!state) return FALSE;
    if (message == WM_INITDIALOG) {
        Initialise(dialog, *state);
        return TRUE;
    }
    INT_PTR result = FALSE;
    if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
    if (HandleDialogGround(dialog, state->theme, state->title.get(), message, wParam, result)) return result;
    switch (message) {
    case WM_COMMAND: return OnCommand(*state, wParam, lParam) ? TRUE : FALSE;
    case WM_HSCROLL:
        for (auto& page : state->pages)
            if (page) page->OnScroll(reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        for (auto& page : state->pages)
            if (page && page->OnOwnerItem(message, lParam)) return TRUE;
        return FALSE;
    case kPatternAddedMessage:
        for (auto& page : state->pages)
            if (page) page->OnPatternAdded(reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // The page controls stand on the area's face.
        if (GetParent(reinterpret_cast<HWND>(lParam)) != state->area) return FALSE;
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DESTROY: TearDown(*state); return FALSE;
    default: return FALSE;
    }
}

}  // namespace

bool RunSettingsDialog(HWND owner, const Theme& theme, AppContext& app, SettingsDraft& draft, int& page) {
    SettingsDraft edited = draft;
    SettingsDialogState state(theme, app, edited, page);
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), owner,
                                     SettingsProcedure, reinterpret_cast<LPARAM>(&state));
    if (result != 1) return false;
    draft = std::move(edited);
    return true;
}
