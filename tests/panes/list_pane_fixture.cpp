#include "tests/panes/list_pane_fixture.h"

#include <cstring>

#include "shell/shell_services.h"

LOGFONTA ListFont() {
    LOGFONTA font{};
    font.lfHeight = -13;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(font.lfFaceName, "ＭＳ Ｐゴシック");
    return font;
}

void RecordingListHost::OpenItem(ListPane&, ComPtr<IShellFolder> folder, ItemIdList item, bool rememberFolder) {
    openings.push_back(Opening{ItemPath(folder.Get(), item.Get()), rememberFolder});
}

void RecordingListHost::OpenItemsAsTabs(ListPane&, ComPtr<IShellFolder> parent, std::vector<ItemIdList> items) {
    std::vector<std::string> paths;
    for (const ItemIdList& item : items) paths.push_back(ItemPath(parent.Get(), item.Get()));
    tabCalls.push_back(paths);
}

void RecordingListHost::ShowFolder(ListPane&, ComPtr<IShellFolder> folder, bool rememberFolder) {
    shownFolders.push_back(Opening{ItemPath(folder.Get()), rememberFolder});
}

void RecordingListHost::OpenFolderAsNewTab(ComPtr<IShellFolder> folder) { newTabs.push_back(ItemPath(folder.Get())); }

NotifyRouter::NotifyRouter(HWND parent, ListPane& list) : list_(list) {
    subclass_.Attach(parent, &NotifyRouter::Route, this);
}

LRESULT NotifyRouter::Route(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<NotifyRouter*>(context);
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom && header->hwndFrom == self->list_.Window()) return self->list_.OnNotify(header);
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}

void ListPaneFixture::SetUp() {
    ShellFixture::SetUp();
    theme_.CreateImageLists();
    theme_.CreateFonts();
}

void ListPaneFixture::CreateList(int style) {
    pane_.Create(host_.Window(), Shared(), ListFont(), style);
    RECT client;
    GetClientRect(host_.Window(), &client);
    MoveWindow(pane_.Window(), 0, 0, client.right, client.bottom, TRUE);
    pane_.SetHost(&listHost_);
    SetForegroundWindow(host_.Window());
    SetFocus(pane_.Window());
    Pump();
}

int ListPaneFixture::RowOf(const std::string& name) {
    for (size_t row = 0; row < pane_.Model().Count(); ++row)
        if (pane_.Model().Name(row) == name) return static_cast<int>(row);
    return -1;
}

void ListPaneFixture::Select(int row, bool selected) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    state.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

bool ListPaneFixture::Selected(int row) const {
    return (SendMessageA(List(), LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

std::string ListPaneFixture::ItemText(int row, int column) const {
    char text[MAX_PATH] = "unanswered";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(List(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

POINT ListPaneFixture::CellCentre(int row, int column) const {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    SendMessageA(List(), column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

void ListPaneFixture::Click(POINT point) {
    MoveMouse(List(), point.x, point.y);
    PressLeft(List());
    ReleaseLeft(List());
    Pump();
}

void ListPaneFixture::DoubleClick(POINT point) {
    MoveMouse(List(), point.x, point.y);
    PressLeft(List());
    ReleaseLeft(List());
    SendMessageA(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ReleaseLeft(List());
    Pump();
}

void ListPaneFixture::Type(WORD key) {
    INPUT strokes[2] = {};
    strokes[0].type = INPUT_KEYBOARD;
    strokes[0].ki.wVk = key;
    strokes[1] = strokes[0];
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
    Pump();
}

void ListPaneFixture::Pump() {
    DWORD end = GetTickCount() + 2000;
    int quiet = 0;
    while (quiet < 3 && GetTickCount() < end) {
        MSG message;
        bool any = false;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            any = true;
        }
        quiet = any ? 0 : quiet + 1;
        if (!any) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
