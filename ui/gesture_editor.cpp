#include "ui/gesture_editor.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

namespace {

constexpr char kCheckText[] = "マウスジェスチャーを使う";
constexpr char kActionColumn[] = "アクション";
constexpr char kGestureColumn[] = "ジェスチャー";
constexpr int kActionColumnWidth = 130;
constexpr int kGestureColumnWidth = 123;
constexpr char kPadText[] = "　ここを　　　ドラッグ";
constexpr char kClearText[] = "取り消し";
constexpr char kPrompt[] = "右上の領域をドラッグしてジェスチャーを入力してください";
constexpr char kDuplicateText[] = "は既に登録されています";
constexpr char kDuplicateCaption[] = "登録済みのジェスチャー";

// Where a control stands in the page's client area, and its size.
struct Place {
    int x, y, width, height;
};

HWND MakeChild(HWND page, DWORD exStyle, const char* className, const char* text, DWORD style, Place place, int id,
               HFONT font) {
    HWND child = CreateWindowExA(exStyle, className, text, WS_CHILD | style, place.x, place.y, place.width,
                                 place.height, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(page, GWLP_HINSTANCE)), nullptr);
    if (child && font) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

POINT ScreenPointOf(HWND window, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace

GestureEditor::GestureEditor(GestureRecognizer& working, std::function<void(int direction)> strokeSound)
    : working_(working), strokeSound_(std::move(strokeSound)) {}

GestureEditor::~GestureEditor() {
    padSubclass_.Detach();
    pageSubclass_.Detach();
}

bool GestureEditor::Create(HWND page, HFONT font, const GestureEditorIds& ids) {
    page_ = page;
    check_ =
        MakeChild(page, 0, "BUTTON", kCheckText, BS_AUTOCHECKBOX | WS_TABSTOP, Place{37, 75, 200, 20}, ids.check, font);
    list_ = MakeChild(page, WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                      LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP, Place{27, 100, 270, 80}, ids.list,
                      font);
    pad_ = MakeChild(page, 0, "BUTTON", kPadText, BS_PUSHBUTTON | BS_FLAT | BS_MULTILINE | WS_TABSTOP,
                     Place{300, 100, 70, 50}, ids.pad, font);
    clear_ =
        MakeChild(page, 0, "BUTTON", kClearText, BS_PUSHBUTTON | WS_TABSTOP, Place{300, 155, 70, 20}, ids.clear, font);
    label_ = MakeChild(page, 0, "STATIC", kPrompt, SS_SUNKEN, Place{27, 180, 342, 20}, ids.label, font);
    if (!check_ || !list_ || !pad_ || !clear_ || !label_) return false;

    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const char* columns[] = {kActionColumn, kGestureColumn};
    const int widths[] = {kActionColumnWidth, kGestureColumnWidth};
    for (int index = 0; index < 2; ++index) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(columns[index]);
        column.cx = widths[index];
        column.iSubItem = index;
        SendMessageA(list_, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
    }
    for (int32_t action = gesture::kFirstAction; action <= gesture::kLastAction; ++action) {
        LVITEMA row{};
        row.mask = LVIF_TEXT;
        row.iItem = action - gesture::kFirstAction;
        row.pszText = const_cast<char*>(gesture::ActionName(action));
        SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    }
    padSubclass_.Attach(pad_, &GestureEditor::PadProcedure, this);
    pageSubclass_.Attach(page_, &GestureEditor::PageProcedure, this);
    return true;
}

std::vector<HWND> GestureEditor::Controls() const { return {check_, list_, pad_, clear_, label_}; }

void GestureEditor::Fill(const GestureRecognizer& live) {
    working_ = live;
    LVITEMA cleared{};
    cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&cleared));
    LVITEMA first{};
    first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
    ShowWorkingCopy();
}

void GestureEditor::Defaults() {
    working_.Reset();
    working_.SetEnabled(false);
    working_.ClearAssignments();
    ShowWorkingCopy();
}

void GestureEditor::ShowWorkingCopy() {
    for (int row = 0; row < gesture::kActionCount; ++row) SetRowGesture(row, std::string());
    for (const GestureRecognizer::Assignments::value_type& entry : working_.Table())
        if (gesture::IsAction(entry.second))
            SetRowGesture(entry.second - gesture::kFirstAction, gesture::ArrowText(static_cast<uint32_t>(entry.first)));
    SendMessageA(check_, BM_SETCHECK, working_.Enabled() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableControls();
}

void GestureEditor::EnableControls() {
    BOOL on = working_.Enabled() ? TRUE : FALSE;
    for (HWND control : {list_, pad_, clear_, label_}) EnableWindow(control, on);
}

void GestureEditor::SetRowGesture(int row, const std::string& text) {
    LVITEMA cell{};
    cell.iSubItem = 1;
    cell.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
}

std::string GestureEditor::RowGesture(int row) const {
    char text[64] = {};
    LVITEMA cell{};
    cell.iSubItem = 1;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    return text;
}

int GestureEditor::RowInQuestion() const {
    UINT which = SendMessageA(list_, LVM_GETSELECTEDCOUNT, 0, 0) == 1 ? LVNI_SELECTED : LVNI_FOCUSED;
    int row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which));
    return row >= 0 && row < gesture::kActionCount ? row : -1;
}

// The row's old gesture goes at once, so that drawing the same gesture again for it is no duplicate.
void GestureEditor::BeginDrawing(POINT screen) {
    padGesture_.Begin(screen.x, screen.y, nullptr);
    SetCapture(pad_);
    drawnRow_ = RowInQuestion();
    if (drawnRow_ == -1) return;
    working_.Unassign(drawnRow_ + gesture::kFirstAction);
    SetRowGesture(drawnRow_, std::string());
}

void GestureEditor::Draw(POINT screen) {
    int stroke = padGesture_.Move(screen.x, screen.y);
    if (stroke && strokeSound_) strokeSound_(stroke);
    SetWindowTextA(label_, gesture::ArrowText(padGesture_.Code()).c_str());
}

void GestureEditor::EndDrawing() {
    uint32_t code = padGesture_.TakeCode();
    int row = drawnRow_;
    drawnRow_ = -1;
    SetWindowTextA(label_, kPrompt);
    // Before the message box, which would otherwise find the pointer held by the pad.
    if (GetCapture() == pad_) ReleaseCapture();
    if (code == 0 || row == -1) return;
    if (working_.IsAssigned(code)) {
        std::string text = gesture::ArrowText(code) + kDuplicateText;
        MessageBoxA(nullptr, text.c_str(), kDuplicateCaption, MB_OK);
        return;
    }
    working_.Assign(code, row + gesture::kFirstAction);
    SetRowGesture(row, gesture::ArrowText(code));
}

void GestureEditor::AbandonDrawing() {
    padGesture_.TakeCode();
    drawnRow_ = -1;
    SetWindowTextA(label_, kPrompt);
}

void GestureEditor::ClearRow() {
    int row = RowInQuestion();
    if (row == -1) return;
    working_.Unassign(row + gesture::kFirstAction);
    SetRowGesture(row, std::string());
}

// A press of either button draws instead of pushing the button.
LRESULT GestureEditor::PadProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<GestureEditor*>(context);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: self->BeginDrawing(ScreenPointOf(window, lParam)); return 0;
    case WM_MOUSEMOVE:
        if (self->padGesture_.Active()) self->Draw(ScreenPointOf(window, lParam));
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (!self->padGesture_.Active()) break;
        self->EndDrawing();
        return 0;
    case WM_CAPTURECHANGED:
        if (self->padGesture_.Active() && reinterpret_cast<HWND>(lParam) != window) self->AbandonDrawing();
        break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}

LRESULT GestureEditor::PageProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<GestureEditor*>(context);
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        HWND from = reinterpret_cast<HWND>(lParam);
        if (from == self->check_) {
            self->working_.SetEnabled(SendMessageA(self->check_, BM_GETCHECK, 0, 0) == BST_CHECKED);
            self->EnableControls();
            return 0;
        }
        if (from == self->clear_) {
            self->ClearRow();
            return 0;
        }
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
