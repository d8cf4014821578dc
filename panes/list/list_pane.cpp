#include "panes/list/list_pane.h"

#include <shellapi.h>
#include <windowsx.h>

#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "core/dbcs_text.h"
#include "core/display_format.h"
#include "dnd/drag_items.h"
#include "panes/list/item_details.h"
#include "res/ids.h"
#include "shell/file_time_text.h"
#include "shell/item_comments.h"
#include "win/system_text.h"

namespace {

constexpr DWORD kListWindowStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | LVS_OWNERDATA | LVS_EDITLABELS | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;
constexpr DWORD kEditorStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL;
constexpr int kEditorHeight = 20;

static_assert(static_cast<int>(ListLayout::Icon) == LVS_ICON && static_cast<int>(ListLayout::Report) == LVS_REPORT &&
                  static_cast<int>(ListLayout::SmallIcon) == LVS_SMALLICON &&
                  static_cast<int>(ListLayout::List) == LVS_LIST,
              "the layouts are numbered as the control's style bits");
static_assert(kKeySpace == VK_SPACE && kKeyLeft == VK_LEFT && kKeyUp == VK_UP && kKeyRight == VK_RIGHT &&
                  kKeyDown == VK_DOWN,
              "the keys are numbered as the system's virtual keys");

struct Column {
    const char* text;
    int format;
};
const Column kDetailsColumns[kDetailsColumnCount] = {
    {"名前", LVCFMT_LEFT},     {"サイズ", LVCFMT_RIGHT}, {"ファイルタイプ", LVCFMT_LEFT},
    {"更新日時", LVCFMT_LEFT}, {"属性", LVCFMT_LEFT},
};
const Column kCommentColumns[kCommentColumnCount] = {{"名前", LVCFMT_LEFT}, {"コメント", LVCFMT_LEFT}};

constexpr COLORREF kIconWellColour = 0xE1E1E1;
constexpr COLORREF kFrameColour = 0xE6E6E6;
constexpr COLORREF kCommentMarkMask = 0;

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

int TextWidth(HDC dc, HFONT font, const std::string& text) {
    SelectedObject selected(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

}  // namespace

ListPane::ListPane(int controlId, ListLock& lock) : controlId_(controlId), model_(lock, state_.sort) {}

ListPane::~ListPane() {
    if (thumbnails_) thumbnails_->Forget(*this);
    if (editor_ && IsWindow(editor_)) SendMessageA(editor_, WM_SETFONT, 0, FALSE);
    if (window_ && IsWindow(window_)) SendMessageA(window_, WM_SETFONT, 0, FALSE);
}

void ListPane::Create(HWND mainWindow, const ListPaneShared& shared, const LOGFONTA& font, int style) {
    theme_ = &shared.theme;
    settings_ = &shared.settings;
    comments_ = &shared.comments;
    shell_ = &shared.shell;
    search_ = &shared.search;
    window_ = CreateWindowExA(0, WC_LISTVIEWA, "", kListWindowStyle, 0, 0, 0, 0, mainWindow,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)), nullptr, nullptr);
    int editorId = controlId_ == kSubListId ? kSubCommentEditId : kMainCommentEditId;
    editor_ = CreateWindowExA(0, "EDIT", "", kEditorStyle, 0, 0, 0, 0, window_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(editorId)), nullptr, nullptr);
    font_.Reset(CreateFontIndirectA(&font));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SendMessageA(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    controlProcedure_ = window_ ? reinterpret_cast<WNDPROC>(GetClassLongPtrA(window_, GCLP_WNDPROC)) : nullptr;
    listSubclass_.Attach(window_, &ListPane::ListProcedure, this);
    editorSubclass_.Attach(editor_, &ListPane::EditorProcedure, this);
    CreateLook(shared.settings);
    model_.Attach(window_, mainWindow, font_.Get());
    SetViewStyle(style, false);
    SetTipDelay();
}

void ListPane::ApplySettings(const LOGFONTA& font) {
    if (!window_) return;
    // The controls keep drawing with the old font until they have the new one.
    Font previous = std::move(font_);
    font_.Reset(CreateFontIndirectA(&font));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SendMessageA(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    model_.SetFont(font_.Get());
    SetTipDelay();
    SetViewStyle(state_.style, false);
    InvalidateRect(window_, nullptr, TRUE);
}

void ListPane::SetTipDelay() {
    HWND tooltips = reinterpret_cast<HWND>(SendMessageA(window_, LVM_GETTOOLTIPS, 0, 0));
    if (tooltips)
        SendMessageA(tooltips, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(static_cast<WORD>(settings_->tipDelay), 0));
}

void ListPane::CreateLook(const Settings& settings) {
    look_.fixedFont.Reset(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                      "ＭＳ Ｐゴシック"));
    look_.commentMarks.Reset(ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 8, 4));
    ImageList_SetBkColor(look_.commentMarks.Get(), 0);
    Bitmap mark(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_COMMENT_MARK)));
    if (mark) ImageList_AddMasked(look_.commentMarks.Get(), mark.Get(), kCommentMarkMask);
    LOGBRUSH black{BS_SOLID, RGB(0, 0, 0), 0};
    look_.dottedPen.Reset(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &black, 0, nullptr));
    look_.nullPen.Reset(CreatePen(PS_NULL, 0, 0));
    look_.alternateRow.Reset(CreateSolidBrush(static_cast<COLORREF>(settings.listAlternateColour)));
    look_.iconWell.Reset(CreateSolidBrush(kIconWellColour));
    look_.frame.Reset(CreateSolidBrush(kFrameColour));
}

void ListPane::AttachHeaderBar(HWND bar, const FavouriteSource& favourites) {
    header_.Attach(bar, controlId_ == kSubListId ? kSubHeaderIds : kMainHeaderIds, *theme_, look_.fixedFont.Get(),
                   *host_, favourites);
}

bool ListPane::Show(ComPtr<IShellFolder> folder) {
    CommitCommentEdit();
    if (!model_.Fill(std::move(folder))) return false;
    dropRow_ = -1;
    SetViewStyle(state_.style, false);
    SizeListColumns(model_.WidestName());
    header_.ShowPath();
    return true;
}

bool ListPane::Reload() {
    if (!model_.Reload()) return false;
    dropRow_ = -1;
    SizeListColumns(model_.WidestName());
    header_.ShowPath();
    return true;
}

bool ListPane::Resort() {
    if (!model_.Resort()) return false;
    SizeListColumns(model_.WidestName());
    return true;
}

bool ListPane::SortBy(const SortState& sort) {
    state_.sort = sort;
    return Resort();
}

// Whatever changed the rows, the strip then shows their new total and the order they are in; the
// order changes with the tab shown, a header click and the strip's own buttons.
void ListPane::AttachInfoStrip(HWND strip) {
    info_.Attach(strip, *theme_, controlId_ == kSubListId ? kSubSortButtonIds : kMainSortButtonIds);
    model_.SetContentsChangedAction([this] {
        info_.ShowTotalStatus();
        info_.RefreshSortButtons();
    });
}

// The widths the user gave the columns on screen belong to the style that shows them; they are
// kept before the columns go, so that each style finds its own again.
void ListPane::KeepColumnWidths() {
    int first = 0;
    int count = 0;
    if (columns_ == ListColumns::Details) count = kDetailsColumnCount;
    if (columns_ == ListColumns::Comment) {
        first = kFirstCommentWidth;
        count = kCommentColumnCount;
    }
    for (int column = 0; column < count; ++column)
        state_.columnWidths[static_cast<size_t>(first + column)] =
            static_cast<int>(SendMessageA(window_, LVM_GETCOLUMNWIDTH, column, 0));
}

void ListPane::InsertColumns(bool commentView) {
    const Column* columns = commentView ? kCommentColumns : kDetailsColumns;
    int count = commentView ? kCommentColumnCount : kDetailsColumnCount;
    int firstWidth = commentView ? kFirstCommentWidth : 0;
    for (int i = 0; i < count; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.cx = state_.columnWidths[static_cast<size_t>(firstWidth + i)];
        column.pszText = const_cast<char*>(columns[i].text);
        column.iSubItem = i;
        SendMessageA(window_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    columns_ = commentView ? ListColumns::Comment : ListColumns::Details;
}

void ListPane::SetLayout(ListLayout layout) {
    LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
    SetWindowLongPtrA(window_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | static_cast<int>(layout));
}

HIMAGELIST ListPane::SpacingList(SpacingCells cells) const {
    switch (cells) {
    case SpacingCells::LargeIcons: return theme_->largeIcons.Get();
    case SpacingCells::TileCells: return theme_->tileCells.Get();
    case SpacingCells::SmallCells: return theme_->smallCells.Get();
    case SpacingCells::SystemSmall: return theme_->systemSmall;
    case SpacingCells::PolaroidCells: return theme_->polaroidCells.Get();
    case SpacingCells::PlainThumbCells: return theme_->plainThumbCells.Get();
    }
    return nullptr;
}

void ListPane::SetViewStyle(int style, bool arrange) {
    // A change of layout moves every icon, and a drawing control invalidates each one it moves.
    RedrawHeld held(window_);
    KeepColumnWidths();
    ListViewState wanted = state_;
    wanted.style = style;
    state_.style = ShownViewState(wanted).style;
    StyleLayout layout = LayoutOfStyle(state_.style, settings_->listPolaroid != 0);
    for (int column = kDetailsColumnCount - 1; column >= 0; --column)
        SendMessageA(window_, LVM_DELETECOLUMN, column, 0);
    columns_ = ListColumns::None;
    DWORD extended = LVS_EX_INFOTIP | (layout.fullRowSelect ? LVS_EX_FULLROWSELECT : 0);
    SendMessageA(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended);
    SendMessageA(window_, LVM_SETIMAGELIST, layout.normalImages ? LVSIL_NORMAL : LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(SpacingList(layout.cells)));
    thumbnailMode_ = layout.thumbnailMode;
    if (layout.commentMode) {
        commentMode_ = true;
        InsertColumns(true);
        SetLayout(layout.layout);
        display_ = layout.display;
        return;
    }
    CommitCommentEdit();
    commentMode_ = false;
    if (layout.columns == ListColumns::Details) InsertColumns(false);
    if (arrange) SendMessageA(window_, LVM_ARRANGE, LVA_ALIGNLEFT, 0);
    SetLayout(layout.layout);
    display_ = layout.display;
    SizeListColumns(widestName_);
}

ListViewState ListPane::StateForTab() {
    CommitCommentEdit();
    KeepColumnWidths();
    return state_;
}

void ListPane::TakeViewState(const ListViewState& state) {
    CommitCommentEdit();
    // The columns on screen show the previous tab's widths, which that tab has already taken.
    columns_ = ListColumns::None;
    state_ = ShownViewState(state);
    SetViewStyle(state_.style, false);
}

void ListPane::SizeListColumns(int widestName) {
    widestName_ = widestName;
    if (state_.style == kListStyle) SendMessageA(window_, LVM_SETCOLUMNWIDTH, 0, ListColumnWidth(widestName));
    if (state_.style == kTileStyle)
        SendMessageA(window_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(-1), TileColumnWidth(widestName));
}

// The control asks for rows while a refill changes their number, and before any folder is shown.
void ListPane::SetThumbnails(ThumbnailSource* thumbnails) {
    if (thumbnails_) thumbnails_->Forget(*this);
    thumbnails_ = thumbnails;
}

bool ListPane::ShowsRow(int row) const {
    if (!model_.Folder() || row < 0) return false;
    int shown = static_cast<int>(SendMessageA(window_, LVM_GETITEMCOUNT, 0, 0));
    return row < shown && static_cast<size_t>(row) < model_.Count();
}

void ListPane::DisplayText(NMLVDISPINFOA& request) {
    LVITEMA& item = request.item;
    if (display_ == DisplayKind::Comment) FollowEditor();
    if (!ShowsRow(item.iItem)) return;
    // The program draws every item itself; the control only needs an image to reserve its cell.
    if (item.mask & LVIF_IMAGE) {
        item.iImage = 0;
        item.state = 0;
    }
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    std::string text =
        dbcs::CutToFit(TextOf(item.iItem, item.iSubItem), static_cast<size_t>(item.cchTextMax - 1), IsSystemLeadByte);
    std::memcpy(item.pszText, text.c_str(), text.size() + 1);
}

std::string ListPane::TextOf(int row, int column) {
    IShellFolder* folder = model_.Folder();
    PCUITEMID_CHILD item = model_.Item(static_cast<size_t>(row));
    if (column == 0) return display_ == DisplayKind::Tile ? TileText(folder, item) : DisplayName(folder, item);
    if (display_ == DisplayKind::Comment && column == 1) {
        std::string comment;
        GetComment(*comments_, folder, item, comment);
        return comment;
    }
    if (display_ != DisplayKind::Details) return std::string();
    switch (column) {
    case 1: return SizeText(folder, item);
    case 2: return TypeText(folder, item);
    case 3: return DateText(folder, item);
    case 4: return AttributeText(folder, item);
    default: return std::string();
    }
}

// The control sizes every tile cell for the text it is given; the tile shows the name in the list
// font and three detail lines in the detail font, so the widest of the four stands for them all.
std::string ListPane::TileText(IShellFolder* folder, PCUITEMID_CHILD item) {
    std::array<std::string, kTileLineCount> lines;
    lines[kTileName] = DisplayName(folder, item);
    lines[kTileSize] = SizeText(folder, item);
    lines[kTileType] = TypeText(folder, item);
    lines[kTileDate] = DateText(folder, item);
    WindowDC dc(window_);
    HFONT detailFont = theme_->normal13 ? theme_->normal13.Get() : font_.Get();
    std::array<int, kTileLineCount> widths{};
    for (size_t line = 0; line < kTileLineCount; ++line)
        widths[line] = TextWidth(dc.Get(), line == kTileName ? font_.Get() : detailFont, lines[line]);
    return lines[WidestTileLine(widths)];
}

int ListPane::RowAt(POINT clientPoint) const {
    LVHITTESTINFO hit{};
    hit.pt = clientPoint;
    return static_cast<int>(SendMessageA(window_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

int ListPane::SingleSelectedRow() const {
    if (SendMessageA(window_, LVM_GETSELECTEDCOUNT, 0, 0) != 1) return -1;
    return static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LRESULT ListPane::OnNotify(NMHDR* header) {
    switch (header->code) {
    case LVN_GETINFOTIPA: return OnGetInfoTip(*reinterpret_cast<NMLVGETINFOTIPA*>(header));
    case LVN_KEYDOWN: return OnKeyDown(*reinterpret_cast<NMLVKEYDOWN*>(header));
    // The program searches the names itself; the control's own search by typed characters finds
    // nothing.
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW: return -1;
    case LVN_GETDISPINFOA: DisplayText(*reinterpret_cast<NMLVDISPINFOA*>(header)); return 1;
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG: return OnBeginDrag(*reinterpret_cast<NMLISTVIEW*>(header));
    case LVN_COLUMNCLICK: OnColumnClick(*reinterpret_cast<NMLISTVIEW*>(header)); return 0;
    // The control's own label editor never opens: names are changed through the program's rename.
    case LVN_BEGINLABELEDITA: return 1;
    case LVN_ITEMCHANGED: OnItemChanged(*reinterpret_cast<NMLISTVIEW*>(header)); return 0;
    // A range selected with Shift comes as one notice of the whole range.
    case LVN_ODSTATECHANGED:
        if (!model_.Refilling()) info_.ShowSelectionStatus();
        return 0;
    case NM_CUSTOMDRAW: return OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(header));
    case NM_RCLICK: return OnRightClick(*reinterpret_cast<NMITEMACTIVATE*>(header));
    case NM_DBLCLK: OnDoubleClick(*reinterpret_cast<NMITEMACTIVATE*>(header)); return 0;
    case NM_CLICK: return OnClick(*reinterpret_cast<NMITEMACTIVATE*>(header));
    default:
        return DefWindowProcA(GetParent(window_), WM_NOTIFY, static_cast<WPARAM>(header->idFrom),
                              reinterpret_cast<LPARAM>(header));
    }
}

// The rows are copied into the request before the drag starts: while it runs, the list may be read
// again and its rows replaced.
LRESULT ListPane::OnBeginDrag(const NMLISTVIEW& drag) {
    if (!ShowsRow(drag.iItem)) return 0;
    std::vector<PCUITEMID_CHILD> items;
    for (int row : SelectedRows())
        if (static_cast<size_t>(row) < model_.Count()) items.push_back(model_.Item(static_cast<size_t>(row)));
    DragRequest request;
    if (items.empty() || !MakeDragRequest(window_, model_.Folder(), items, request)) return 0;
    draggingFromHere_ = true;
    StartFileDrag(std::move(request), [this] {
        if (host_) host_->PlayDragSound();
    });
    draggingFromHere_ = false;
    return 0;
}

// A selection of thousands of rows is walked with as many questions; asked past the procedures
// that watch the control's messages, each is a plain call (through the chain, under Wine, each
// would be a trip to the window system).
std::vector<int> ListPane::SelectedRows() const {
    std::vector<int> rows;
    auto ask = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return controlProcedure_ ? CallWindowProcA(controlProcedure_, window_, message, wParam, lParam)
                                 : SendMessageA(window_, message, wParam, lParam);
    };
    rows.reserve(static_cast<size_t>(ask(LVM_GETSELECTEDCOUNT, 0, 0)));
    for (int row = -1; (row = static_cast<int>(ask(LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) != -1;)
        rows.push_back(row);
    return rows;
}

LRESULT ListPane::OnRightClick(const NMITEMACTIVATE& click) {
    POINT screenPoint = click.ptAction;
    ClientToScreen(window_, &screenPoint);
    ShowContextMenu(screenPoint, RowAt(click.ptAction) == -1);
    return 0;
}

// Keys that reach the control: only the selection record is left to do, the key handling having
// passed them on.
LRESULT ListPane::OnKeyDown(const NMLVKEYDOWN& key) {
    RecordSelectionAfterKey(key.wVKey);
    return 0;
}

void ListPane::RecordSelectionAfterKey(WORD key) {
    switch (SelectionRecordForKey(key, KeyDown(VK_CONTROL), KeyDown(VK_MENU))) {
    case SelectionRecord::Now:
        model_.lastSingleSelection = SingleSelectedRow();
        recordAtNextChange_ = false;
        break;
    case SelectionRecord::AtNextChange: recordAtNextChange_ = true; break;
    case SelectionRecord::None: break;
    }
}

void ListPane::OnItemChanged(const NMLISTVIEW& change) {
    // A refill's own state changes end in the total text, which the refill shows itself.
    if (!model_.Refilling()) info_.ShowSelectionStatus();
    if (!recordAtNextChange_ || !(change.uChanged & LVIF_STATE)) return;
    int row = SingleSelectedRow();
    if (row == -1) return;
    model_.lastSingleSelection = row;
    recordAtNextChange_ = false;
}

LRESULT ListPane::OnClick(const NMITEMACTIVATE& click) {
    int row = RowAt(click.ptAction);
    // The first click selects a thumbnail; a second one on its caption edits the comment.
    if (row != -1 && row == model_.lastSingleSelection) OpenCaptionComment(row, click.ptAction);
    model_.lastSingleSelection = row;
    if (!commentMode_) return 0;
    CommitCommentEdit();
    LVHITTESTINFO hit{};
    hit.pt = click.ptAction;
    SendMessageA(window_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem >= 0 && hit.iSubItem == 1) BeginCommentEdit(hit.iItem);
    return 1;
}

void ListPane::OnDoubleClick(const NMITEMACTIVATE& click) {
    if (!host_) return;
    int row = RowAt(click.ptAction);
    if (row == -1) {
        host_->ToggleGestures(*this);
        return;
    }
    OpenRow(row, !host_->TabLocked(*this));
}

void ListPane::OnColumnClick(const NMLISTVIEW& click) {
    if (ClickColumn(state_, click.iSubItem)) Resort();
}

void ListPane::OpenRow(int row, bool rememberFolder) {
    if (ShowsRow(row)) OpenItemInList(model_.Folder(), model_.Item(static_cast<size_t>(row)), rememberFolder);
}

void ListPane::OpenSelection() {
    if (!host_ || !model_.Folder()) return;
    std::vector<int> rows;
    for (int row = -1; (row = static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1;)
        if (ShowsRow(row)) rows.push_back(row);
    if (rows.empty()) return;
    if (rows.size() == 1) {
        OpenRow(rows.front(), true);
        return;
    }
    CommitCommentEdit();
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(model_.Folder());
    std::vector<ItemIdList> items;
    for (int row : rows) items.push_back(CloneItemList(model_.Item(static_cast<size_t>(row))));
    host_->OpenItemsAsTabs(*this, std::move(folder), std::move(items));
    Reload();
}

void ListPane::OpenItemInList(IShellFolder* folder, PCUITEMID_CHILD item, bool rememberFolder) {
    if (!host_ || !folder || !item) return;
    // Copies: opening may pump messages, and a reload meanwhile would free the model's own.
    ItemIdList copy = CloneItemList(item);
    if (copy) host_->OpenItem(*this, ComPtr<IShellFolder>::Share(folder), std::move(copy), rememberFolder);
}

void ListPane::BeginCommentEdit(int row) {
    if (!commentMode_ || !ShowsRow(row)) return;
    CommitCommentEdit();
    editFolder_ = ComPtr<IShellFolder>::Share(model_.Folder());
    editItem_ = CloneItemList(model_.Item(static_cast<size_t>(row)));
    if (!editItem_) {
        editFolder_.Reset();
        return;
    }
    editActive_ = true;
    editPlace_.row = row;
    editPlace_.topRow = static_cast<int>(SendMessageA(window_, LVM_GETTOPINDEX, 0, 0));
    editPlace_.nameWidth = static_cast<int>(SendMessageA(window_, LVM_GETCOLUMNWIDTH, 0, 0));
    editPlace_.commentWidth = static_cast<int>(SendMessageA(window_, LVM_GETCOLUMNWIDTH, 1, 0));
    PlaceEditor();
    std::string comment;
    GetComment(*comments_, editFolder_.Get(), editItem_.Get(), comment);
    SetWindowTextA(editor_, comment.c_str());
    SendMessageA(editor_, EM_SETSEL, 0, -1);
    SetFocus(editor_);
}

// Over the comment cell of the edited row, or hidden while that row is above the top.
void ListPane::PlaceEditor() {
    if (editPlace_.row < editPlace_.topRow) {
        ShowWindow(editor_, SW_HIDE);
        return;
    }
    RECT cell{};
    cell.top = 1;
    cell.left = LVIR_LABEL;
    SendMessageA(window_, LVM_GETSUBITEMRECT, editPlace_.row, reinterpret_cast<LPARAM>(&cell));
    SetWindowPos(editor_, HWND_TOP, cell.left, cell.top, cell.right - cell.left, kEditorHeight, SWP_SHOWWINDOW);
}

void ListPane::FollowEditor() {
    if (!editActive_) return;
    int top = static_cast<int>(SendMessageA(window_, LVM_GETTOPINDEX, 0, 0));
    int nameWidth = static_cast<int>(SendMessageA(window_, LVM_GETCOLUMNWIDTH, 0, 0));
    int commentWidth = static_cast<int>(SendMessageA(window_, LVM_GETCOLUMNWIDTH, 1, 0));
    switch (FollowList(editPlace_, top, nameWidth, commentWidth)) {
    case EditorMove::Stay: break;
    case EditorMove::Hide: ShowWindow(editor_, SW_HIDE); break;
    case EditorMove::Place: PlaceEditor(); break;
    }
}

void ListPane::CommitCommentEdit() {
    if (!editActive_) return;
    char text[dbcs::kTextBufferBytes] = {};
    GetWindowTextA(editor_, text, sizeof text);
    editActive_ = false;
    SetComment(*comments_, editFolder_.Get(), editItem_.Get(), text);
    EndCommentEdit();
}

void ListPane::CancelCommentEdit() {
    if (!editActive_) return;
    editActive_ = false;
    EndCommentEdit();
}

void ListPane::EndCommentEdit() {
    ShowWindow(editor_, SW_HIDE);
    editFolder_.Reset();
    editItem_.Reset();
}

void ListPane::MoveCommentEdit(bool up) {
    if (!editActive_) return;
    int row = editPlace_.row;
    CommitCommentEdit();
    int next = up ? row - 1 : row + 1;
    if (!ShowsRow(next)) return;
    BeginCommentEdit(next);
    // The row one further on is brought at least partly into view, so that the next move is seen.
    int ahead = up ? next - 1 : next + 1;
    SendMessageA(window_, LVM_ENSUREVISIBLE, ShowsRow(ahead) ? ahead : next, TRUE);
}

bool ListPane::HandleEditorKey(UINT message, WPARAM key) {
    if (message == WM_CHAR) return key == '\r' || key == VK_ESCAPE;
    switch (key) {
    case VK_RETURN: CommitCommentEdit(); return true;
    case VK_ESCAPE: CancelCommentEdit(); return true;
    case VK_UP: MoveCommentEdit(true); return true;
    case VK_DOWN: MoveCommentEdit(false); return true;
    default: return false;
    }
}

LRESULT ListPane::EditorProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ListPane*>(context);
    if ((message == WM_KEYDOWN || message == WM_CHAR) && self->HandleEditorKey(message, wParam)) return 0;
    return Subclass::CallNext(window, message, wParam, lParam);
}

// An item of an inactive window can be clicked or dragged without bringing the window forward.
LRESULT ListPane::ListProcedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ListPane*>(context);
    if (message == WM_MOUSEWHEEL && OfferWheel(self->wheelOffer_, wParam, lParam)) return 0;
    if (self->OnGestureMouse(message, lParam)) return 0;
    if (message == WM_MOUSEACTIVATE) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(window, &cursor);
        if (self->RowAt(cursor) != -1) return MA_NOACTIVATE;
    }
    // The keys are handled before the control sees them, so that a handled key is not also acted
    // on by the control (its answer to its own key notification is not heeded).
    // With Alt held the keys come as system keys, which the control does not pass on at all.
    bool altKey = message == WM_SYSKEYDOWN && (wParam == VK_LEFT || wParam == VK_RETURN);
    if ((message == WM_KEYDOWN || altKey) && self->OnListKey(static_cast<WORD>(wParam))) {
        self->RecordSelectionAfterKey(static_cast<WORD>(wParam));
        return 0;
    }
    if (message == WM_TIMER && wParam == kSearchTimerId) {
        self->EndSearch();
        return 0;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
