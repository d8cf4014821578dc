// The list control never draws an item: every item, and in the details and comment styles every
// row, is drawn here from the item's shell data when the control asks, and the control is told
// to skip its own drawing.
#include "panes/list/list_pane.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "core/item_drawing.h"
#include "panes/list/item_details.h"
#include "shell/item_comments.h"
#include "shell/item_names.h"
#include "ui/comment_editor.h"

namespace {

constexpr COLORREF kDetailTextColour = 0x646464;
constexpr COLORREF kCaptionCommentColour = 0x3C3C3C;
constexpr COLORREF kCaptionStampColour = 0x1E1E1E;
constexpr UINT kNameFlags = DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kWrappedNameFlags = DT_NOPREFIX | DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS;
constexpr UINT kLineFlags = DT_NOPREFIX | DT_SINGLELINE | DT_END_ELLIPSIS;

RECT ToRect(const drawing::Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }
drawing::Rect FromRect(const RECT& rect) { return drawing::Rect{rect.left, rect.top, rect.right, rect.bottom}; }

void DrawTextIn(HDC dc, const std::string& text, RECT box, UINT flags) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, flags);
}

SIZE Extent(HDC dc, const std::string& text) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

void RoundedBox(HDC dc, const RECT& box, int corner) {
    RoundRect(dc, box.left, box.top, box.right, box.bottom, corner, corner);
}

// A folder with nothing in it but its own "." and "..". One that cannot be read counts as empty:
// it shows the user nothing either.
bool DirectoryIsEmpty(const std::string& path) {
    if (path.empty()) return true;
    std::string pattern = path;
    if (pattern.back() != '\\') pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return true;
    bool empty = true;
    do {
        if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) empty = false;
    } while (empty && FindNextFileA(search, &found));
    FindClose(search);
    return empty;
}

}  // namespace

LRESULT ListPane::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
        LONG_PTR layout = GetWindowLongPtrA(window_, GWL_STYLE) & LVS_TYPEMASK;
        if (layout == LVS_REPORT) return CDRF_NOTIFYSUBITEMDRAW;
        ItemPaint paint;
        if (!BeginItemPaint(draw, paint)) return CDRF_SKIPDEFAULT;
        if (layout == LVS_ICON && thumbnailMode_) DrawThumbnail(paint);
        if (layout == LVS_ICON && !thumbnailMode_) DrawIcon(paint);
        if (layout == LVS_SMALLICON) DrawTile(paint);
        if (layout == LVS_LIST) DrawList(paint);
        return CDRF_SKIPDEFAULT;
    }
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        ItemPaint paint;
        if (draw.iSubItem == 0 && BeginItemPaint(draw, paint)) {
            if (commentMode_) DrawCommentRow(paint);
            else
                DrawDetailsRow(paint);
        }
        return CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
    }
}

bool ListPane::BeginItemPaint(const NMLVCUSTOMDRAW& draw, ItemPaint& paint) {
    paint.row = static_cast<int>(draw.nmcd.dwItemSpec);
    if (!ShowsRow(paint.row)) return false;
    paint.dc = draw.nmcd.hdc;
    paint.folder = model_.Folder();
    paint.item = model_.Item(static_cast<size_t>(paint.row));
    UINT state = static_cast<UINT>(SendMessageA(window_, LVM_GETITEMSTATE, paint.row, LVIS_FOCUSED | LVIS_SELECTED));
    paint.highlight = paint.row == dropRow_          ? Highlight::Dropped
                      : (state & LVIS_SELECTED) != 0 ? Highlight::Selected
                      : (state & LVIS_FOCUSED) != 0  ? Highlight::Focused
                                                     : Highlight::None;
    paint.icon = IconIndex(paint.folder, paint.item, 0, SHGFI_SYSICONINDEX);
    paint.iconStyle = IconDrawStyle(paint);
    paint.textColour = ItemTextColour(paint.folder, paint.item);
    paint.iconBox = ItemRect(paint.row, LVIR_ICON);
    paint.bounds = ItemRect(paint.row, LVIR_BOUNDS);
    paint.label = ItemRect(paint.row, LVIR_LABEL);
    SetBkMode(paint.dc, TRANSPARENT);
    return true;
}

void ListPane::SetDropHighlight(int row) {
    if (row == dropRow_) return;
    if (dropRow_ >= 0) SendMessageA(window_, LVM_REDRAWITEMS, dropRow_, dropRow_);
    dropRow_ = row;
    if (dropRow_ >= 0) SendMessageA(window_, LVM_REDRAWITEMS, dropRow_, dropRow_);
}

RECT ListPane::ItemRect(int row, int part) const {
    RECT rect{};
    rect.left = part;
    SendMessageA(window_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

UINT ListPane::IconDrawStyle(const ItemPaint& paint) const {
    UINT style = ILD_TRANSPARENT;
    if (paint.highlight == Highlight::Dropped || paint.highlight == Highlight::Selected) style |= ILD_BLEND50;
    SFGAOF attributes = SFGAO_SHARE | SFGAO_LINK | SFGAO_GHOSTED;
    PCUITEMID_CHILD items[] = {paint.item};
    if (FAILED(paint.folder->GetAttributesOf(1, items, &attributes))) return style;
    if (attributes & SFGAO_SHARE) return style | INDEXTOOVERLAYMASK(1);
    if (attributes & SFGAO_LINK) return style | INDEXTOOVERLAYMASK(2);
    return style;
}

COLORREF ListPane::ItemTextColour(IShellFolder* folder, PCUITEMID_CHILD item) const {
    if (!ColoursItems(*settings_)) return static_cast<COLORREF>(settings_->listTextColour);
    WIN32_FIND_DATAA found{};
    uint32_t attributes = 0;
    if (SUCCEEDED(SHGetDataFromIDListA(folder, item, SHGDFIL_FINDDATA, &found, sizeof found)))
        attributes = found.dwFileAttributes;
    return static_cast<COLORREF>(drawing::ItemTextColour(
        *settings_, attributes, [folder, item] { return DirectoryIsEmpty(ItemPath(folder, item)); }));
}

HBRUSH ListPane::SelectionBrush() const { return theme_->listSelection.Get(); }

HFONT ListPane::DetailFont() const { return theme_->normal13 ? theme_->normal13.Get() : font_.Get(); }

void ListPane::DrawSmallIcon(const ItemPaint& paint, int x, int y) const {
    ImageList_Draw(theme_->systemSmall, paint.icon, paint.dc, x, y, paint.iconStyle);
}

void ListPane::DrawLargeIcon(const ItemPaint& paint, int x, int y) const {
    ImageList_Draw(theme_->systemLarge, paint.icon, paint.dc, x, y, paint.iconStyle);
}

void ListPane::DrawIcon(const ItemPaint& paint) {
    HDC dc = paint.dc;
    SelectedObject font(dc, font_.Get());
    SelectedObject pen(dc, paint.highlight == Highlight::Selected ? look_.nullPen.Get() : look_.dottedPen.Get());
    SelectedObject brush(dc, paint.highlight == Highlight::Focused ? GetStockObject(WHITE_BRUSH) : SelectionBrush());
    if (paint.highlight != Highlight::None) RoundedBox(dc, paint.label, 5);
    DrawLargeIcon(paint, paint.iconBox.left + 10, paint.iconBox.top + 3);
    std::string comment;
    if (GetComment(*comments_, paint.folder, paint.item, comment))
        ImageList_Draw(look_.commentMarks.Get(), 0, dc, paint.iconBox.right, paint.iconBox.top, ILD_TRANSPARENT);
    SetTextColor(dc, paint.textColour);
    DrawTextIn(dc, DisplayName(paint.folder, paint.item), paint.label, kWrappedNameFlags);
}

void ListPane::DrawTile(const ItemPaint& paint) {
    HDC dc = paint.dc;
    std::string name = DisplayName(paint.folder, paint.item);
    SelectedObject font(dc, font_.Get());
    int nameHeight = Extent(dc, name.empty() ? std::string("A") : name).cy;
    switch (paint.highlight) {
    case Highlight::Dropped: {
        SelectedObject pen(dc, look_.dottedPen.Get());
        SelectedObject brush(dc, SelectionBrush());
        Rectangle(dc, paint.bounds.left, paint.bounds.top, paint.bounds.right, paint.bounds.bottom);
        break;
    }
    case Highlight::Selected: FillRect(dc, &paint.bounds, SelectionBrush()); break;
    case Highlight::Focused: {
        SelectedObject pen(dc, look_.dottedPen.Get());
        SelectedObject brush(dc, look_.iconWell.Get());
        Rectangle(dc, paint.bounds.left, paint.bounds.top, paint.bounds.right, paint.bounds.bottom);
        RECT label{paint.label.left, paint.label.top + 1, paint.label.right - 1, paint.label.bottom - 1};
        FillRect(dc, &label, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        break;
    }
    case Highlight::None: FillRect(dc, &paint.iconBox, look_.iconWell.Get()); break;
    }
    DrawLargeIcon(paint, paint.iconBox.left + 3, paint.iconBox.top + 2);
    RECT line{paint.label.left + 2, paint.bounds.top, paint.label.right, paint.bounds.top + nameHeight};
    SetTextColor(dc, paint.textColour);
    DrawTextIn(dc, name, line, kLineFlags | DT_VCENTER);
    SelectedObject detailFont(dc, DetailFont());
    SetTextColor(dc, kDetailTextColour);
    const int steps[] = {nameHeight, 12, 12};
    const std::string details[] = {TypeText(paint.folder, paint.item), DateText(paint.folder, paint.item),
                                   SizeText(paint.folder, paint.item)};
    for (size_t detail = 0; detail < 3; ++detail) {
        OffsetRect(&line, 0, steps[detail]);
        DrawTextIn(dc, details[detail], line, kLineFlags | DT_VCENTER);
    }
}

void ListPane::DrawList(const ItemPaint& paint) {
    HDC dc = paint.dc;
    std::string name = DisplayName(paint.folder, paint.item);
    if (name.empty()) return;
    SelectedObject font(dc, font_.Get());
    int width = drawing::ListNameWidth(Extent(dc, name).cx, paint.label.right - paint.label.left);
    if (paint.highlight != Highlight::None) {
        SelectedObject pen(dc, paint.highlight == Highlight::Selected ? look_.nullPen.Get() : look_.dottedPen.Get());
        SelectedObject brush(dc,
                             paint.highlight == Highlight::Focused ? GetStockObject(WHITE_BRUSH) : SelectionBrush());
        RoundedBox(dc, RECT{paint.label.left, paint.label.top, paint.label.left + width + 5, paint.label.bottom}, 1);
    }
    DrawSmallIcon(paint, paint.iconBox.left, paint.iconBox.top);
    SetTextColor(dc, paint.textColour);
    DrawTextIn(dc, name, RECT{paint.label.left + 2, paint.label.top + 1, paint.label.right, paint.label.bottom + 1},
               kNameFlags | DT_WORDBREAK);
}

// Returns the brush of the row's own background.
HBRUSH ListPane::DrawRowBand(const ItemPaint& paint) {
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (settings_->listAlternateRows != 1) return white;
    HBRUSH band = drawing::AlternateRow(paint.row) ? look_.alternateRow.Get() : white;
    RECT client{};
    GetClientRect(window_, &client);
    RECT row{client.left, paint.bounds.top, client.right, paint.bounds.bottom};
    FillRect(paint.dc, &row, band);
    return band;
}

void ListPane::DrawRowName(const ItemPaint& paint) {
    DrawSmallIcon(paint, paint.bounds.left + 3, paint.bounds.top);
    SelectedObject font(paint.dc, font_.Get());
    SetTextColor(paint.dc, paint.textColour);
    RECT name = paint.label;
    OffsetRect(&name, 3, 1);
    DrawTextIn(paint.dc, DisplayName(paint.folder, paint.item), name, kLineFlags);
}

void ListPane::DrawDetailsRow(const ItemPaint& paint) {
    HDC dc = paint.dc;
    HBRUSH background = DrawRowBand(paint);
    if (paint.highlight != Highlight::None) {
        SelectedObject pen(dc, paint.highlight == Highlight::Selected ? look_.nullPen.Get() : look_.dottedPen.Get());
        SelectedObject brush(dc, paint.highlight == Highlight::Focused ? background : SelectionBrush());
        RoundedBox(dc, paint.bounds, 1);
    }
    DrawRowName(paint);
    int widths[kDetailsColumnCount];
    for (int column = 0; column < kDetailsColumnCount; ++column)
        widths[column] = static_cast<int>(SendMessageA(window_, LVM_GETCOLUMNWIDTH, column, 0));
    SelectedObject font(dc, DetailFont());
    SetTextColor(dc, kDetailTextColour);
    drawing::Rect name = FromRect(paint.label);
    for (int column = 1; column < kDetailsColumnCount; ++column) {
        RECT band = ToRect(drawing::ColumnBand(FromRect(paint.bounds), name, widths, column));
        DrawTextIn(dc, TextOf(paint.row, column), band, kLineFlags | (column == 1 ? DT_RIGHT : DT_LEFT));
    }
}

void ListPane::DrawCommentRow(const ItemPaint& paint) {
    HDC dc = paint.dc;
    HBRUSH background = DrawRowBand(paint);
    std::string name = DisplayName(paint.folder, paint.item);
    int width = 0;
    {
        SelectedObject font(dc, font_.Get());
        width = drawing::ListNameWidth(Extent(dc, name).cx, paint.label.right - paint.label.left);
    }
    if (paint.highlight != Highlight::None) {
        bool dropped = paint.highlight == Highlight::Dropped;
        SelectedObject pen(dc, paint.highlight == Highlight::Selected ? look_.nullPen.Get() : look_.dottedPen.Get());
        SelectedObject brush(dc, paint.highlight == Highlight::Focused ? background : SelectionBrush());
        RECT box{dropped ? paint.bounds.left : paint.label.left, dropped ? paint.bounds.top : paint.label.top,
                 paint.label.left + width + 5, dropped ? paint.bounds.bottom : paint.label.bottom};
        RoundedBox(dc, box, 1);
    }
    DrawRowName(paint);
    int widths[kCommentColumnCount];
    for (int column = 0; column < kCommentColumnCount; ++column)
        widths[column] = static_cast<int>(SendMessageA(window_, LVM_GETCOLUMNWIDTH, column, 0));
    SelectedObject font(dc, DetailFont());
    SetTextColor(dc, kDetailTextColour);
    RECT band = ToRect(drawing::ColumnBand(FromRect(paint.bounds), FromRect(paint.label), widths, 1));
    // Unlike the size column the comment runs to the column's edge.
    band.right = paint.bounds.left + widths[0] + widths[1];
    std::string comment;
    GetComment(*comments_, paint.folder, paint.item, comment);
    DrawTextIn(dc, comment, band, kLineFlags);
}

void ListPane::DrawThumbnail(const ItemPaint& paint) {
    HDC dc = paint.dc;
    bool polaroid = settings_->listPolaroid != 0;
    HBITMAP picture = thumbnails_ ? thumbnails_->Ready(*this, paint.folder, paint.item, paint.row) : nullptr;
    if (paint.highlight != Highlight::None) {
        SelectedObject pen(dc, paint.highlight == Highlight::Selected ? look_.nullPen.Get() : look_.dottedPen.Get());
        SelectedObject brush(dc,
                             paint.highlight == Highlight::Focused ? GetStockObject(WHITE_BRUSH) : SelectionBrush());
        Rectangle(dc, paint.label.left, paint.label.top, paint.label.right, paint.label.bottom);
        if (paint.highlight == Highlight::Selected)
            Rectangle(dc, paint.iconBox.left, paint.iconBox.top, paint.iconBox.right, paint.iconBox.bottom);
    }
    drawing::Rect icon = FromRect(paint.iconBox);
    BITMAP size{};
    if (picture && GetObjectA(picture, sizeof size, &size)) {
        layout::Point place = drawing::PicturePlace(icon, size.bmWidth, size.bmHeight);
        MemoryDC source(dc);
        SelectedObject selected(source.Get(), picture);
        BitBlt(dc, place.x, place.y, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
        DrawSmallIcon(paint, icon.right - 20, icon.top + drawing::kPictureHeight - 15);
    } else {
        Brush tint(CreateSolidBrush(drawing::LightTint(paint.textColour)));
        RECT placeholder = ToRect(drawing::PlaceholderBox(icon, polaroid));
        FillRect(dc, &placeholder, tint.Get());
        DrawLargeIcon(paint, icon.left + 56, icon.top + 33);
    }
    FrameRect(dc, &paint.iconBox, look_.frame.Get());
    SelectedObject font(dc, font_.Get());
    SetTextColor(dc, paint.textColour);
    DrawTextIn(dc, DisplayName(paint.folder, paint.item), paint.label, kWrappedNameFlags);
    if (polaroid) DrawCaption(paint);
}

// The rows may have been read again or sorted anew since the picture was asked for; a row that
// shows another item now is left alone, and the item gets its picture wherever it is drawn next.
void ListPane::ThumbnailMade(const std::string& path, int row) {
    if (!thumbnailMode_ || !ShowsRow(row)) return;
    if (FileSystemPath(model_.Folder(), model_.Item(static_cast<size_t>(row))) != path) return;
    SendMessageA(window_, LVM_REDRAWITEMS, row, row);
}

void ListPane::DrawCaption(const ItemPaint& paint) {
    HDC dc = paint.dc;
    drawing::Caption caption = drawing::CaptionOf(FromRect(paint.iconBox));
    SelectedObject font(dc, theme_->small10 ? theme_->small10.Get() : DetailFont());
    std::string comment;
    if (GetComment(*comments_, paint.folder, paint.item, comment)) {
        SetTextColor(dc, kCaptionCommentColour);
        DrawTextIn(dc, comment, ToRect(caption.comment), DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_WORDBREAK);
    }
    std::string stamp = DateText(paint.folder, paint.item);
    std::string size = SizeText(paint.folder, paint.item);
    if (!size.empty()) stamp += "[" + size + "]";
    SetTextColor(dc, kCaptionStampColour);
    DrawTextIn(dc, stamp, ToRect(caption.stamp), DT_NOPREFIX | DT_SINGLELINE | DT_RIGHT | DT_PATH_ELLIPSIS);
    for (const drawing::Rect& rule : caption.rules) {
        RECT line = ToRect(rule);
        FillRect(dc, &line, look_.frame.Get());
    }
}

void ListPane::OpenCaptionComment(int row, POINT clickPoint) {
    if (!thumbnailMode_ || !settings_->listPolaroid || !ShowsRow(row)) return;
    RECT icon = ItemRect(row, LVIR_ICON);
    if (!drawing::OnCaption(FromRect(icon), clickPoint.x, clickPoint.y)) return;
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(model_.Folder());
    ItemIdList item = CloneItemList(model_.Item(static_cast<size_t>(row)));
    if (!item) return;
    POINT corner{icon.left, icon.bottom + 3};
    ClientToScreen(window_, &corner);
    std::string comment;
    GetComment(*comments_, folder.Get(), item.Get(), comment);
    if (RunCommentEditor(GetParent(window_), corner, comment) == 1) {
        SetComment(*comments_, folder.Get(), item.Get(), comment);
        // The box pumps messages, and the rows may have been read again meanwhile.
        bool sameRow = ShowsRow(row) && model_.Folder() == folder.Get() &&
                       HRESULT_CODE(folder->CompareIDs(0, model_.Item(static_cast<size_t>(row)), item.Get())) == 0;
        if (sameRow) SendMessageA(window_, LVM_UPDATE, row, 0);
        else
            InvalidateRect(window_, nullptr, TRUE);
    }
    SetFocus(window_);
}
