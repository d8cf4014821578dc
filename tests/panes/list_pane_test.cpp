#include "panes/list/list_pane.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/list_view_state.h"
#include "shell/file_time_text.h"
#include "shell/item_comments.h"
#include "tests/panes/list_pane_fixture.h"

namespace {

constexpr DWORD kListStyleBits = 0x52001248;
constexpr DWORD kEditorStyleBits = 0x40800080;

DWORD LayoutBits(HWND list) { return static_cast<DWORD>(GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK); }

struct ColumnSeen {
    std::string text;
    int format;
    int width;
};

std::vector<ColumnSeen> Columns(HWND list) {
    std::vector<ColumnSeen> seen;
    for (int index = 0;; ++index) {
        char text[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        if (!SendMessageA(list, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&column))) break;
        seen.push_back(ColumnSeen{text, column.fmt & LVCFMT_JUSTIFYMASK, column.cx});
    }
    return seen;
}

int ColumnWidth(HWND list, int column) { return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)); }

FILETIME UtcTime(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME fields{};
    fields.wYear = year;
    fields.wMonth = month;
    fields.wDay = day;
    fields.wHour = hour;
    fields.wMinute = minute;
    FILETIME time{};
    SystemTimeToFileTime(&fields, &time);
    return time;
}

void SetWriteTime(const std::string& path, const FILETIME& time) {
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

std::string ShellTypeName(const std::string& path) {
    SHFILEINFOA info{};
    SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
    return info.szTypeName;
}

int TextWidthIn(HWND window, HFONT font, const std::string& text) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return extent.cx;
}

RECT RectIn(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT CommentCell(HWND list, int row) {
    RECT cell{};
    cell.top = 1;
    cell.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    return cell;
}

std::string EditorText(HWND editor) {
    char text[300] = {};
    GetWindowTextA(editor, text, sizeof text);
    return text;
}

// ---------------------------------------------------------------------------------------------
// The windows, the view styles and their columns.

class ListPaneStyleTest : public ListPaneFixture {};

TEST_F(ListPaneStyleTest, TheListAndItsCommentEditorAreMadeWithTheirStylesIdsAndFont) {
    settings_.tipDelay = 250;
    CreateList(kDetailsStyle);
    EXPECT_EQ(List(), GetDlgItem(host_.Window(), kMainListId));
    char className[32] = {};
    GetClassNameA(List(), className, sizeof className);
    EXPECT_STREQ("SysListView32", className);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(List(), GWL_STYLE));
    // The control adds its scroll bars as it needs them.
    EXPECT_EQ(kListStyleBits, style & ~static_cast<DWORD>(LVS_TYPEMASK | WS_HSCROLL | WS_VSCROLL));

    HWND editor = pane_.CommentEditor();
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(List(), GetParent(editor));
    EXPECT_EQ(kMainCommentEditId, GetDlgCtrlID(editor));
    GetClassNameA(editor, className, sizeof className);
    EXPECT_EQ(0, lstrcmpiA("Edit", className));
    // The edit control may take the border out of its window style to draw it itself.
    DWORD editorStyle = static_cast<DWORD>(GetWindowLongPtrA(editor, GWL_STYLE));
    EXPECT_EQ(kEditorStyleBits & ~static_cast<DWORD>(WS_BORDER), editorStyle & ~static_cast<DWORD>(WS_BORDER));
    EXPECT_FALSE(IsWindowVisible(editor));

    HFONT listFont = reinterpret_cast<HFONT>(SendMessageA(List(), WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, listFont);
    EXPECT_EQ(listFont, reinterpret_cast<HFONT>(SendMessageA(editor, WM_GETFONT, 0, 0)));

    HWND tips = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETTOOLTIPS, 0, 0));
    ASSERT_NE(nullptr, tips);
    EXPECT_EQ(250, static_cast<int>(SendMessageA(tips, TTM_GETDELAYTIME, TTDT_INITIAL, 0)));
}

TEST_F(ListPaneStyleTest, TheSubListHasItsOwnIdentifiers) {
    ListPane sub(kSubListId, lock_);
    sub.Create(host_.Window(), Shared(), ListFont(), kIconStyle);
    EXPECT_EQ(sub.Window(), GetDlgItem(host_.Window(), kSubListId));
    EXPECT_EQ(kSubCommentEditId, GetDlgCtrlID(sub.CommentEditor()));
}

TEST_F(ListPaneStyleTest, TheListsDrawingResourcesAreMade) {
    settings_.listAlternateColour = 0x123456;
    CreateList(kDetailsStyle);
    const ListLook& look = pane_.Look();
    LOGFONTA fixed{};
    ASSERT_NE(0, GetObjectA(look.fixedFont.Get(), sizeof fixed, &fixed));
    EXPECT_EQ(-12, fixed.lfHeight);
    EXPECT_EQ(FW_NORMAL, fixed.lfWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, fixed.lfCharSet);
    EXPECT_STREQ("ＭＳ Ｐゴシック", fixed.lfFaceName);

    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(look.commentMarks.Get(), &width, &height));
    EXPECT_EQ(16, width);
    EXPECT_EQ(16, height);
    EXPECT_EQ(1, ImageList_GetImageCount(look.commentMarks.Get())) << "the comment mark from the resources";

    char penData[sizeof(EXTLOGPEN) + 16] = {};
    ASSERT_NE(0, GetObjectA(look.dottedPen.Get(), sizeof penData, penData));
    const auto* dotted = reinterpret_cast<const EXTLOGPEN*>(penData);
    EXPECT_EQ(static_cast<DWORD>(PS_ALTERNATE), dotted->elpPenStyle & PS_STYLE_MASK);
    EXPECT_EQ(static_cast<DWORD>(PS_COSMETIC), dotted->elpPenStyle & PS_TYPE_MASK);
    EXPECT_EQ(RGB(0, 0, 0), dotted->elpColor);
    LOGPEN none{};
    ASSERT_NE(0, GetObjectA(look.nullPen.Get(), sizeof none, &none));
    EXPECT_EQ(static_cast<UINT>(PS_NULL), none.lopnStyle);

    LOGBRUSH brush{};
    ASSERT_NE(0, GetObjectA(look.alternateRow.Get(), sizeof brush, &brush));
    EXPECT_EQ(static_cast<COLORREF>(0x123456), brush.lbColor);
    ASSERT_NE(0, GetObjectA(look.iconWell.Get(), sizeof brush, &brush));
    EXPECT_EQ(static_cast<COLORREF>(0xE1E1E1), brush.lbColor);
}

TEST_F(ListPaneStyleTest, EachStyleHasItsLayoutExtendedStylesSpacingImagesAndModes) {
    struct Expected {
        int style;
        DWORD layout;
        DWORD extended;
        int imageKind;
        HIMAGELIST cells;
        size_t columns;
        bool comment;
        bool thumbnail;
    };
    settings_.listPolaroid = 1;
    CreateList(kIconStyle);
    const Expected table[] = {
        {kIconStyle, LVS_ICON, LVS_EX_INFOTIP, LVSIL_NORMAL, theme_.largeIcons.Get(), 0, false, false},
        {kTileStyle, LVS_SMALLICON, LVS_EX_INFOTIP, LVSIL_SMALL, theme_.tileCells.Get(), 0, false, false},
        {kListStyle, LVS_LIST, LVS_EX_INFOTIP, LVSIL_SMALL, theme_.smallCells.Get(), 0, false, false},
        {kDetailsStyle, LVS_REPORT, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP, LVSIL_SMALL, theme_.smallCells.Get(), 5,
         false, false},
        {kCommentStyle, LVS_REPORT, LVS_EX_INFOTIP, LVSIL_SMALL, theme_.systemSmall, 2, true, false},
        {kThumbnailStyle, LVS_ICON, LVS_EX_INFOTIP, LVSIL_NORMAL, theme_.polaroidCells.Get(), 0, false, true},
    };
    for (const Expected& e : table) {
        pane_.SetViewStyle(e.style, false);
        EXPECT_EQ(e.style, pane_.Style());
        EXPECT_EQ(e.layout, LayoutBits(List())) << e.style;
        EXPECT_EQ(e.extended, static_cast<DWORD>(SendMessageA(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0))) << e.style;
        EXPECT_EQ(e.cells, reinterpret_cast<HIMAGELIST>(SendMessageA(List(), LVM_GETIMAGELIST, e.imageKind, 0)))
            << e.style;
        EXPECT_EQ(e.columns, Columns(List()).size()) << e.style;
        EXPECT_EQ(e.comment, pane_.CommentMode()) << e.style;
        EXPECT_EQ(e.thumbnail, pane_.ThumbnailMode()) << e.style;
    }
    settings_.listPolaroid = 0;
    pane_.SetViewStyle(kThumbnailStyle, true);
    EXPECT_EQ(theme_.plainThumbCells.Get(),
              reinterpret_cast<HIMAGELIST>(SendMessageA(List(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)));
}

TEST_F(ListPaneStyleTest, DetailsAndCommentColumnsCarryTheirTextsAlignmentAndWidths) {
    CreateList(kDetailsStyle);
    std::vector<ColumnSeen> details = Columns(List());
    ASSERT_EQ(5u, details.size());
    const char* texts[] = {"名前", "サイズ", "ファイルタイプ", "更新日時", "属性"};
    const int widths[] = {150, 50, 120, 120, 50};
    for (size_t i = 0; i < details.size(); ++i) {
        EXPECT_EQ(texts[i], details[i].text) << i;
        EXPECT_EQ(widths[i], details[i].width) << i;
        EXPECT_EQ(i == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT, details[i].format) << i;
    }
    pane_.SetViewStyle(kCommentStyle, false);
    std::vector<ColumnSeen> comment = Columns(List());
    ASSERT_EQ(2u, comment.size());
    EXPECT_EQ("名前", comment[0].text);
    EXPECT_EQ("コメント", comment[1].text);
    EXPECT_EQ(150, comment[0].width);
    EXPECT_EQ(150, comment[1].width);
    EXPECT_EQ(LVCFMT_LEFT, comment[1].format);
}

TEST_F(ListPaneStyleTest, DetailsAndCommentStylesEachKeepTheColumnWidthsTheUserGaveThem) {
    CreateList(kDetailsStyle);
    SendMessageA(List(), LVM_SETCOLUMNWIDTH, 2, 210);
    pane_.SetViewStyle(kCommentStyle, false);
    EXPECT_EQ(150, ColumnWidth(List(), 0)) << "the comment style has widths of its own";
    SendMessageA(List(), LVM_SETCOLUMNWIDTH, 1, 77);
    pane_.SetViewStyle(kIconStyle, false);
    pane_.SetViewStyle(kDetailsStyle, false);
    EXPECT_EQ(210, ColumnWidth(List(), 2));
    EXPECT_EQ(150, ColumnWidth(List(), 0));
    pane_.SetViewStyle(kCommentStyle, false);
    EXPECT_EQ(77, ColumnWidth(List(), 1));

    SendMessageA(List(), LVM_SETCOLUMNWIDTH, 0, 99);
    ListViewState saved = pane_.StateForTab();
    EXPECT_EQ((std::array<int, kColumnWidthCount>{150, 50, 210, 120, 50, 99, 77}), saved.columnWidths);
    EXPECT_EQ(kCommentStyle, saved.style);
}

TEST_F(ListPaneStyleTest, TakingAnotherTabsViewShowsItsStyleAndWidthsAndLeavesTheOldOnesToTheOldTab) {
    CreateList(kDetailsStyle);
    SendMessageA(List(), LVM_SETCOLUMNWIDTH, 1, 88);
    ListViewState left = pane_.StateForTab();
    EXPECT_EQ(88, left.columnWidths[1]);

    ListViewState next = NewTabViewState(3);
    next.columnWidths[1] = 66;
    next.sort.column = 9;
    pane_.TakeViewState(next);
    EXPECT_EQ(66, ColumnWidth(List(), 1));
    EXPECT_EQ(0, pane_.ViewState().sort.column) << "a sort column outside the five is the name column";
    pane_.SetViewStyle(kListStyle, false);
    pane_.SetViewStyle(kDetailsStyle, false);
    EXPECT_EQ(66, ColumnWidth(List(), 1)) << "the previous tab's widths stay with that tab";
}

TEST_F(ListPaneStyleTest, EachListKeepsItsOwnStyleAndSavesItByItsLayout) {
    ListPane sub(kSubListId, lock_);
    CreateList(kThumbnailStyle);
    sub.Create(host_.Window(), Shared(), ListFont(), kCommentStyle);
    EXPECT_EQ(kThumbnailStyle, pane_.Style());
    EXPECT_EQ(kCommentStyle, sub.Style());
    EXPECT_EQ(LVS_ICON, pane_.SavedStyle()) << "the thumbnail style is kept as the icon layout";
    EXPECT_EQ(kCommentStyle, sub.SavedStyle());
    sub.SetViewStyle(kListStyle, false);
    EXPECT_EQ(kListStyle, sub.Style());
    EXPECT_EQ(kThumbnailStyle, pane_.Style()) << "styling one list leaves the other alone";
    EXPECT_EQ(static_cast<DWORD>(LVS_LIST), LayoutBits(sub.Window()));
}

TEST_F(ListPaneStyleTest, AStyleOutsideTheKnownOnesIsTheDetailsStyle) {
    CreateList(9);
    EXPECT_EQ(kDetailsStyle, pane_.Style());
    pane_.SetViewStyle(-2, false);
    EXPECT_EQ(kDetailsStyle, pane_.Style());
    EXPECT_EQ(static_cast<DWORD>(LVS_REPORT), LayoutBits(List()));
}

TEST_F(ListPaneStyleTest, TheControlForgetsThePanesFontWhenThePaneGoes) {
    HWND window = nullptr;
    HWND editor = nullptr;
    HFONT font = nullptr;
    {
        ListPane list(kSubListId, lock_);
        list.Create(host_.Window(), Shared(), ListFont(), kDetailsStyle);
        window = list.Window();
        editor = list.CommentEditor();
        font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
        LOGFONTA shown{};
        ASSERT_NE(0, GetObjectA(font, sizeof shown, &shown));
        EXPECT_EQ(-13, shown.lfHeight);
    }
    ASSERT_TRUE(IsWindow(window));
    LOGFONTA gone{};
    EXPECT_EQ(0, GetObjectA(font, sizeof gone, &gone)) << "the pane's font goes with the pane";
    EXPECT_NE(font, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    EXPECT_NE(font, reinterpret_cast<HFONT>(SendMessageA(editor, WM_GETFONT, 0, 0)));
    DestroyWindow(window);
}

// ---------------------------------------------------------------------------------------------
// The text the control is given.

class ListPaneTextTest : public ListPaneFixture {};

TEST_F(ListPaneTextTest, DetailsColumnsShowNameSizeTypeDateAndAttributesOfRealItems) {
    CreateList(kDetailsStyle);
    MakeFolder("資料");
    std::string report = MakeFile("資料\\報告書.txt", std::string(1500, 'a'));
    MakeFolder("資料\\写真");
    FILETIME written = UtcTime(2005, 2, 21, 3, 4);
    SetWriteTime(report, written);
    SetFileAttributesA(report.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(ShowFolder("資料"));
    int file = RowOf("報告書.txt");
    int folder = RowOf("写真");
    ASSERT_NE(-1, file);
    ASSERT_NE(-1, folder);

    EXPECT_EQ(ShellDisplayName(pane_.Model().Folder(), pane_.Model().Item(static_cast<size_t>(file))),
              ItemText(file, 0));
    EXPECT_EQ("2KB", ItemText(file, 1));
    std::string type = ItemText(file, 2);
    EXPECT_EQ(ShellTypeName(report), type);
    EXPECT_EQ(FormatFileTime(written), ItemText(file, 3));
    EXPECT_EQ("RA", ItemText(file, 4));

    EXPECT_EQ("写真", ItemText(folder, 0));
    EXPECT_EQ("", ItemText(folder, 1)) << "a folder has no size";
    EXPECT_NE("", ItemText(folder, 3));
    SetFileAttributesA(report.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ListPaneTextTest, OtherStylesShowTheNameAndNothingInOtherColumns) {
    CreateList(kIconStyle);
    MakeFolder("名前");
    MakeFile("名前\\日本語の名前.txt");
    ASSERT_TRUE(ShowFolder("名前"));
    for (int style : {kIconStyle, kListStyle, kThumbnailStyle}) {
        pane_.SetViewStyle(style, false);
        EXPECT_EQ(ShellDisplayName(pane_.Model().Folder(), pane_.Model().Item(0)), ItemText(0, 0)) << style;
    }
}

TEST_F(ListPaneTextTest, ATileIsAsWideAsItsWidestLine) {
    CreateList(kTileStyle);
    MakeFolder("タイル");
    std::string shortName = MakeFile("タイル\\a", std::string(10, 'x'));
    SetWriteTime(shortName, UtcTime(2005, 2, 21, 3, 4));
    std::string longName(60, 'w');
    MakeFile("タイル\\" + longName);
    ASSERT_TRUE(ShowFolder("タイル"));
    int shortRow = RowOf("a");
    ASSERT_NE(-1, shortRow);
    std::string date = FormatFileTime(UtcTime(2005, 2, 21, 3, 4));
    std::string type = ShellTypeName(shortName);
    // The widest of the date and the type, in the detail font, stands for the short name's tile.
    HFONT detail = theme_.normal13.Get();
    std::string widest = TextWidthIn(List(), detail, type) > TextWidthIn(List(), detail, date) ? type : date;
    EXPECT_EQ(widest, ItemText(shortRow, 0));
    EXPECT_EQ(longName, ItemText(RowOf(longName), 0));
}

TEST_F(ListPaneTextTest, TheCommentStyleShowsEachItemsCommentOrNothing) {
    CreateList(kCommentStyle);
    MakeFolder("注釈");
    std::string noted = MakeFile("注釈\\メモ付き.txt");
    MakeFile("注釈\\なし.txt");
    comments_.SetCommentByPath(noted, "大事なファイル");
    ASSERT_TRUE(ShowFolder("注釈"));
    EXPECT_EQ("大事なファイル", ItemText(RowOf("メモ付き.txt"), 1));
    EXPECT_EQ("", ItemText(RowOf("なし.txt"), 1));
    EXPECT_EQ("メモ付き.txt", ItemText(RowOf("メモ付き.txt"), 0));
}

TEST_F(ListPaneTextTest, RowsBeyondTheModelOrWithoutAFolderGetNoText) {
    CreateList(kDetailsStyle);
    // No folder shown yet, while the control believes in rows.
    SendMessageA(List(), LVM_SETITEMCOUNT, 3, 0);
    EXPECT_EQ("unanswered", ItemText(0, 0));

    MakeFolder("二つ");
    MakeFile("二つ\\one.txt");
    MakeFile("二つ\\two.txt");
    ASSERT_TRUE(ShowFolder("二つ"));
    // The control counts more rows than the model holds, as during a refill.
    SendMessageA(List(), LVM_SETITEMCOUNT, 4, LVSICF_NOSCROLL);
    EXPECT_EQ("unanswered", ItemText(2, 0));
    EXPECT_EQ("unanswered", ItemText(3, 1));
    EXPECT_EQ("one.txt", ItemText(0, 0));

    // A request for a row the control itself does not count, or a negative one.
    for (int row : {7, -1}) {
        char text[32] = "unanswered";
        NMLVDISPINFOA request{};
        request.hdr.hwndFrom = List();
        request.hdr.idFrom = kMainListId;
        request.hdr.code = LVN_GETDISPINFOA;
        request.item.mask = LVIF_TEXT | LVIF_IMAGE;
        request.item.iItem = row;
        request.item.iImage = 5;
        request.item.pszText = text;
        request.item.cchTextMax = sizeof text;
        EXPECT_EQ(1, pane_.OnNotify(&request.hdr));
        EXPECT_STREQ("unanswered", text) << row;
        EXPECT_EQ(5, request.item.iImage) << row;
    }
}

TEST_F(ListPaneTextTest, EveryRowAsksForImageZeroAndTextIsCutToTheBufferOnACharacter) {
    CreateList(kDetailsStyle);
    MakeFolder("切る");
    MakeFile("切る\\あいうえお.txt");
    ASSERT_TRUE(ShowFolder("切る"));
    char text[6] = "xxxxx";
    NMLVDISPINFOA request{};
    request.hdr.hwndFrom = List();
    request.hdr.code = LVN_GETDISPINFOA;
    request.item.mask = LVIF_TEXT | LVIF_IMAGE;
    request.item.iItem = 0;
    request.item.iImage = 5;
    request.item.pszText = text;
    request.item.cchTextMax = sizeof text;
    EXPECT_EQ(1, pane_.OnNotify(&request.hdr));
    EXPECT_EQ(0, request.item.iImage);
    EXPECT_STREQ("あい", text) << "five bytes hold two whole characters, not half of a third";
}

// ---------------------------------------------------------------------------------------------
// Sizing and sorting.

class ListPaneSortTest : public ListPaneFixture {
protected:
    void ClickHeader(int column) {
        HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
        RECT item{};
        SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
        MoveMouse(header, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
        PressLeft(header);
        ReleaseLeft(header);
        Pump();
    }
    // Every row against the next by the shell's own comparison of that column.
    bool SortedBy(int column, int direction) {
        FolderList& model = pane_.Model();
        for (size_t row = 0; row + 1 < model.Count(); ++row) {
            HRESULT result = model.Folder()->CompareIDs(column, model.Item(row), model.Item(row + 1));
            auto code = static_cast<short>(LOWORD(result));
            if (FAILED(result) || (direction == 1 ? code < 0 : code > 0)) return false;
        }
        return true;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (size_t row = 0; row < pane_.Model().Count(); ++row) names.push_back(pane_.Model().Name(row));
        return names;
    }
};

TEST_F(ListPaneSortTest, TheListLayoutColumnFollowsTheWidestNameButNeverNarrowerThanAHundred) {
    CreateList(kListStyle);
    MakeFolder("短い");
    MakeFile("短い\\a");
    ASSERT_TRUE(ShowFolder("短い"));
    EXPECT_EQ(100, ColumnWidth(List(), 0));
    MakeFolder("長い");
    MakeFile("長い\\" + std::string(80, 'M'));
    ASSERT_TRUE(ShowFolder("長い"));
    int widest = pane_.Model().WidestName();
    ASSERT_GT(widest + 35, 100);
    EXPECT_EQ(widest + 35, ColumnWidth(List(), 0));
    // A change to the list style later sizes it from the remembered name.
    pane_.SetViewStyle(kDetailsStyle, false);
    pane_.SetViewStyle(kListStyle, true);
    EXPECT_EQ(widest + 35, ColumnWidth(List(), 0));
}

TEST_F(ListPaneSortTest, HeaderClicksSortByTheColumnAndFlipItsDirection) {
    CreateList(kDetailsStyle);
    MakeFolder("並べ替え");
    MakeFile("並べ替え\\b_small.txt", std::string(10, 'x'));
    MakeFile("並べ替え\\a_large.txt", std::string(70000, 'x'));
    MakeFile("並べ替え\\c_middle.dat", std::string(2000, 'x'));
    ASSERT_TRUE(ShowFolder("並べ替え"));
    EXPECT_EQ((std::vector<std::string>{"a_large.txt", "b_small.txt", "c_middle.dat"}), Names());
    Select(RowOf("c_middle.dat"));

    ClickHeader(1);
    EXPECT_EQ(1, pane_.ViewState().sort.column);
    EXPECT_EQ(1, pane_.ViewState().sort.directions[1]);
    EXPECT_TRUE(SortedBy(1, 1));
    std::vector<std::string> bySize = Names();
    EXPECT_TRUE(Selected(RowOf("c_middle.dat"))) << "the selection survives the sort";
    EXPECT_EQ(1, static_cast<int>(SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0)));

    ClickHeader(1);
    EXPECT_EQ(0, pane_.ViewState().sort.directions[1]);
    EXPECT_TRUE(SortedBy(1, 0));
    EXPECT_EQ(std::vector<std::string>(bySize.rbegin(), bySize.rend()), Names());

    ClickHeader(2);
    EXPECT_EQ(2, pane_.ViewState().sort.column);
    EXPECT_EQ(1, pane_.ViewState().sort.directions[2]) << "the type column had 0 and is flipped";
    EXPECT_TRUE(SortedBy(2, 1));
    EXPECT_EQ(0, pane_.ViewState().sort.directions[1]);

    ClickHeader(0);
    EXPECT_EQ(0, pane_.ViewState().sort.column);
    EXPECT_EQ((std::vector<std::string>{"c_middle.dat", "b_small.txt", "a_large.txt"}), Names());
}

TEST_F(ListPaneSortTest, InTheCommentStyleOnlyTheNameColumnSorts) {
    CreateList(kCommentStyle);
    MakeFolder("注釈順");
    MakeFile("注釈順\\a.txt");
    MakeFile("注釈順\\b.txt");
    ASSERT_TRUE(ShowFolder("注釈順"));
    ClickHeader(1);
    EXPECT_EQ(0, pane_.ViewState().sort.column);
    EXPECT_EQ((std::array<int, kSortColumnCount>{}), pane_.ViewState().sort.directions);
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt"}), Names());
    ClickHeader(0);
    EXPECT_EQ(1, pane_.ViewState().sort.directions[0]);
    EXPECT_EQ((std::vector<std::string>{"b.txt", "a.txt"}), Names());
}

// ---------------------------------------------------------------------------------------------
// Clicks, keys and opening items.

class ListPaneOpenTest : public ListPaneFixture {
protected:
    void SetUp() override {
        ListPaneFixture::SetUp();
        CreateList(kDetailsStyle);
        MakeFolder("開く");
        MakeFolder("開く\\写真");
        MakeFolder("開く\\書類");
        MakeFolder("開く\\音楽");
        MakeFile("開く\\メモ.txt", "memo");
    }
    void SelectOnly(std::initializer_list<int> rows) {
        Select(-1, false);
        for (int row : rows) Select(row);
        LVITEMA focus{};
        focus.stateMask = LVIS_FOCUSED;
        focus.state = LVIS_FOCUSED;
        SendMessageA(List(), LVM_SETITEMSTATE, *rows.begin(), reinterpret_cast<LPARAM>(&focus));
    }
    POINT EmptySpace() {
        RECT client;
        GetClientRect(List(), &client);
        return POINT{client.right / 2, client.bottom - 8};
    }
};

// What the host does with the item is the tab host's; the list decides which item and whether the
// folder it leaves is remembered.
TEST_F(ListPaneOpenTest, DoubleClickingARowHandsItsItemToTheHostRememberingTheFolderUnlessTheTabIsLocked) {
    ASSERT_TRUE(ShowFolder("開く"));
    DoubleClick(CellCentre(RowOf("写真"), 0));
    ASSERT_EQ(1u, listHost_.openings.size());
    EXPECT_EQ(PathOf("開く\\写真"), listHost_.openings[0].path);
    EXPECT_TRUE(listHost_.openings[0].rememberFolder);

    listHost_.locked = true;
    DoubleClick(CellCentre(RowOf("書類"), 0));
    ASSERT_EQ(2u, listHost_.openings.size());
    EXPECT_EQ(PathOf("開く\\書類"), listHost_.openings[1].path);
    EXPECT_FALSE(listHost_.openings[1].rememberFolder) << "a locked tab opens a new tab, keeping its history";

    listHost_.locked = false;
    DoubleClick(CellCentre(RowOf("メモ.txt"), 0));
    ASSERT_EQ(3u, listHost_.openings.size());
    EXPECT_EQ(PathOf("開く\\メモ.txt"), listHost_.openings[2].path);
    EXPECT_TRUE(listHost_.tabCalls.empty());
}

TEST_F(ListPaneOpenTest, DoubleClickingEmptySpaceSwitchesTheGestures) {
    ASSERT_TRUE(ShowFolder("開く"));
    DoubleClick(EmptySpace());
    EXPECT_EQ(1, listHost_.gestureToggles);
    DoubleClick(EmptySpace());
    EXPECT_EQ(2, listHost_.gestureToggles);
    EXPECT_TRUE(listHost_.openings.empty());
}

TEST_F(ListPaneOpenTest, EnterOpensTheOneSelectedRowRememberingTheFolderEvenInALockedTab) {
    ASSERT_TRUE(ShowFolder("開く"));
    listHost_.locked = true;
    SelectOnly({RowOf("音楽")});
    Type(VK_RETURN);
    ASSERT_EQ(1u, listHost_.openings.size());
    EXPECT_EQ(PathOf("開く\\音楽"), listHost_.openings[0].path);
    EXPECT_TRUE(listHost_.openings[0].rememberFolder);
    EXPECT_TRUE(listHost_.tabCalls.empty());
}

TEST_F(ListPaneOpenTest, EnterWithThreeFoldersSelectedOpensThemAsTabsInRowOrderAndReloads) {
    ASSERT_TRUE(ShowFolder("開く"));
    std::vector<int> rows = {RowOf("音楽"), RowOf("写真"), RowOf("書類")};
    SelectOnly({rows[0], rows[1], rows[2]});
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> inRowOrder;
    for (int row : rows) inRowOrder.push_back(PathOf("開く\\" + pane_.Model().Name(static_cast<size_t>(row))));
    MakeFile("開く\\後から.txt");
    Type(VK_RETURN);
    ASSERT_EQ(1u, listHost_.tabCalls.size());
    EXPECT_EQ(inRowOrder, listHost_.tabCalls[0]);
    EXPECT_TRUE(listHost_.openings.empty()) << "the list's own tab stays where it was";
    EXPECT_NE(-1, RowOf("後から.txt")) << "the list is read again afterwards";
}

TEST_F(ListPaneOpenTest, EnterWithNothingSelectedOpensNothing) {
    ASSERT_TRUE(ShowFolder("開く"));
    Select(-1, false);
    SetFocus(List());
    Type(VK_RETURN);
    EXPECT_TRUE(listHost_.openings.empty());
    EXPECT_TRUE(listHost_.tabCalls.empty());
}

TEST_F(ListPaneOpenTest, ClicksArrowsAndSpaceRememberTheOnlySelectedRow) {
    ASSERT_TRUE(ShowFolder("開く"));
    Click(CellCentre(2, 0));
    EXPECT_EQ(2, pane_.Model().lastSingleSelection);
    Click(EmptySpace());
    EXPECT_EQ(-1, pane_.Model().lastSingleSelection);

    SelectOnly({1});
    SetFocus(List());
    Type(VK_DOWN);
    ASSERT_TRUE(Selected(2));
    EXPECT_EQ(2, pane_.Model().lastSingleSelection) << "an arrow key records the row it moves to";

    SelectOnly({2});
    Type(VK_SPACE);
    ASSERT_TRUE(Selected(3));
    EXPECT_EQ(3, pane_.Model().lastSingleSelection) << "Space records the row it steps to";
    SelectOnly({0, 1});
    Type(VK_SPACE);
    EXPECT_EQ(-1, pane_.Model().lastSingleSelection);
    SelectOnly({2});
    Type(VK_F5);
    EXPECT_EQ(-1, pane_.Model().lastSingleSelection) << "other keys leave it alone";
}

TEST_F(ListPaneOpenTest, TheControlsOwnLabelEditorNeverOpens) {
    ASSERT_TRUE(ShowFolder("開く"));
    SelectOnly({0});
    SetFocus(List());
    EXPECT_EQ(nullptr, reinterpret_cast<HWND>(SendMessageA(List(), LVM_EDITLABELA, 0, 0)));
    EXPECT_EQ(nullptr, reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETEDITCONTROL, 0, 0)));
}

TEST_F(ListPaneOpenTest, AClickOnARowDoesNotActivateTheWindowButOneOnEmptySpaceDoes) {
    ASSERT_TRUE(ShowFolder("開く"));
    POINT row = CellCentre(0, 0);
    MoveMouse(List(), row.x, row.y);
    LPARAM press = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    EXPECT_EQ(MA_NOACTIVATE, SendMessageA(List(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(host_.Window()), press));
    POINT empty = EmptySpace();
    MoveMouse(List(), empty.x, empty.y);
    EXPECT_NE(MA_NOACTIVATE, SendMessageA(List(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(host_.Window()), press));
}

// ---------------------------------------------------------------------------------------------
// The comment editor.

class ListPaneCommentTest : public ListPaneFixture {
protected:
    void SetUp() override {
        ListPaneFixture::SetUp();
        CreateList(kCommentStyle);
        MakeFolder("コメント");
        for (int i = 0; i < 30; ++i) {
            char name[32];
            wsprintfA(name, "コメント\\f%02d.txt", i);
            MakeFile(name);
        }
        comments_.SetCommentByPath(PathOf("コメント\\f01.txt"), "一番目");
        comments_.SetCommentByPath(PathOf("コメント\\f02.txt"), "二番目");
        ASSERT_TRUE(ShowFolder("コメント"));
    }
    std::string CommentOf(const std::string& name) {
        std::string text;
        comments_.GetComment(PathOf("コメント\\" + name), text);
        return text;
    }
    HWND Editor() const { return pane_.CommentEditor(); }
    void Scroll(int lines) {
        for (int i = 0; i < (lines < 0 ? -lines : lines); ++i)
            SendMessageA(List(), WM_VSCROLL, lines < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(List());
        Pump();
    }
    int TopRow() const { return static_cast<int>(SendMessageA(List(), LVM_GETTOPINDEX, 0, 0)); }
};

TEST_F(ListPaneCommentTest, AClickOnACommentCellOpensTheEditorOverItWithTheCommentSelected) {
    Click(CellCentre(RowOf("f01.txt"), 1));
    ASSERT_TRUE(pane_.CommentEditActive());
    EXPECT_TRUE(IsWindowVisible(Editor()));
    EXPECT_EQ(Editor(), GetFocus());
    EXPECT_EQ("一番目", EditorText(Editor()));
    RECT cell = CommentCell(List(), RowOf("f01.txt"));
    RECT placed = RectIn(List(), Editor());
    EXPECT_EQ(cell.left, placed.left);
    EXPECT_EQ(cell.top, placed.top);
    EXPECT_EQ(cell.right, placed.right);
    EXPECT_EQ(20, placed.bottom - placed.top);
    SendMessageA(Editor(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("置換"));
    EXPECT_EQ("置換", EditorText(Editor())) << "the whole comment was selected";
}

TEST_F(ListPaneCommentTest, AClickOnTheNameOpensNoEditorAndCommitsAnOpenOne) {
    Click(CellCentre(3, 0));
    EXPECT_FALSE(pane_.CommentEditActive());
    Click(CellCentre(3, 1));
    ASSERT_TRUE(pane_.CommentEditActive());
    SetWindowTextA(Editor(), "名前を押す前に");
    Click(CellCentre(4, 0));
    EXPECT_FALSE(pane_.CommentEditActive());
    EXPECT_FALSE(IsWindowVisible(Editor()));
    EXPECT_EQ("名前を押す前に", CommentOf("f03.txt"));
}

TEST_F(ListPaneCommentTest, EnterCommitsTheTextAndEscapeDropsIt) {
    Click(CellCentre(RowOf("f05.txt"), 1));
    ASSERT_TRUE(pane_.CommentEditActive());
    SetWindowTextA(Editor(), "新しいコメント");
    Type(VK_RETURN);
    EXPECT_FALSE(pane_.CommentEditActive());
    EXPECT_FALSE(IsWindowVisible(Editor()));
    EXPECT_EQ("新しいコメント", CommentOf("f05.txt"));
    EXPECT_EQ("新しいコメント", ItemText(RowOf("f05.txt"), 1));
    EXPECT_TRUE(listHost_.openings.empty()) << "Enter stays in the editor";

    Click(CellCentre(RowOf("f01.txt"), 1));
    SetWindowTextA(Editor(), "捨てる");
    Type(VK_ESCAPE);
    EXPECT_FALSE(pane_.CommentEditActive());
    EXPECT_FALSE(IsWindowVisible(Editor()));
    EXPECT_EQ("一番目", CommentOf("f01.txt"));

    Click(CellCentre(RowOf("f02.txt"), 1));
    SetWindowTextA(Editor(), "");
    Type(VK_RETURN);
    std::string gone;
    EXPECT_FALSE(comments_.GetComment(PathOf("コメント\\f02.txt"), gone)) << "an empty comment removes it";
}

TEST_F(ListPaneCommentTest, UpAndDownCommitAndMoveTheEditorToTheNextRow) {
    Click(CellCentre(RowOf("f01.txt"), 1));
    SetWindowTextA(Editor(), "変更");
    Type(VK_DOWN);
    EXPECT_EQ("変更", CommentOf("f01.txt"));
    ASSERT_TRUE(pane_.CommentEditActive());
    EXPECT_EQ("二番目", EditorText(Editor()));
    EXPECT_EQ(CommentCell(List(), RowOf("f02.txt")).top, RectIn(List(), Editor()).top);

    Type(VK_UP);
    EXPECT_EQ("変更", EditorText(Editor()));
    EXPECT_EQ(CommentCell(List(), 1).top, RectIn(List(), Editor()).top);
    Type(VK_UP);
    ASSERT_TRUE(pane_.CommentEditActive());
    EXPECT_EQ("", EditorText(Editor()));
    EXPECT_EQ(CommentCell(List(), 0).top, RectIn(List(), Editor()).top);
    SetWindowTextA(Editor(), "先頭");
    Type(VK_UP);
    EXPECT_FALSE(pane_.CommentEditActive()) << "there is no row above the first";
    EXPECT_EQ("先頭", CommentOf("f00.txt"));
}

TEST_F(ListPaneCommentTest, MovingDownPastTheBottomScrollsTheNextRowIntoView) {
    int lastShown = TopRow() + static_cast<int>(SendMessageA(List(), LVM_GETCOUNTPERPAGE, 0, 0)) - 1;
    pane_.BeginCommentEdit(lastShown);
    ASSERT_TRUE(pane_.CommentEditActive());
    Type(VK_DOWN);
    ASSERT_TRUE(pane_.CommentEditActive());
    EXPECT_GT(TopRow(), 0) << "the list scrolled";
    UpdateWindow(List());
    Pump();
    EXPECT_TRUE(IsWindowVisible(Editor()));
    EXPECT_EQ(CommentCell(List(), lastShown + 1).top, RectIn(List(), Editor()).top);
}

TEST_F(ListPaneCommentTest, TheEditorFollowsTheListAsItScrollsAndHidesAboveTheTop) {
    Click(CellCentre(2, 1));
    ASSERT_TRUE(pane_.CommentEditActive());
    Scroll(1);
    ASSERT_EQ(1, TopRow());
    EXPECT_TRUE(IsWindowVisible(Editor()));
    EXPECT_EQ(CommentCell(List(), 2).top, RectIn(List(), Editor()).top);
    Scroll(4);
    ASSERT_EQ(5, TopRow());
    EXPECT_FALSE(IsWindowVisible(Editor())) << "its row went above the top";
    EXPECT_TRUE(pane_.CommentEditActive());
    Scroll(-5);
    ASSERT_EQ(0, TopRow());
    EXPECT_TRUE(IsWindowVisible(Editor()));
    EXPECT_EQ(CommentCell(List(), 2).top, RectIn(List(), Editor()).top);
    EXPECT_EQ(CommentCell(List(), 2).left, RectIn(List(), Editor()).left);
}

TEST_F(ListPaneCommentTest, TheEditorFollowsAColumnWidthChange) {
    Click(CellCentre(1, 1));
    ASSERT_TRUE(pane_.CommentEditActive());
    SendMessageA(List(), LVM_SETCOLUMNWIDTH, 0, 90);
    UpdateWindow(List());
    Pump();
    RECT cell = CommentCell(List(), 1);
    EXPECT_EQ(cell.left, RectIn(List(), Editor()).left);
    EXPECT_EQ(cell.right, RectIn(List(), Editor()).right);
}

TEST_F(ListPaneCommentTest, TheCommentReachesTheEditedItemEvenWhenTheRowsChangeMeanwhile) {
    int row = RowOf("f03.txt");
    Click(CellCentre(row, 1));
    ASSERT_TRUE(pane_.CommentEditActive());
    SetWindowTextA(Editor(), "三番目");
    MakeFile("コメント\\a_first.txt");
    ASSERT_TRUE(pane_.Reload());
    ASSERT_EQ(row + 1, RowOf("f03.txt")) << "a new row came before it";
    pane_.CommitCommentEdit();
    EXPECT_EQ("三番目", CommentOf("f03.txt"));
    EXPECT_EQ("二番目", CommentOf("f02.txt")) << "the row the item had before keeps its own comment";
}

TEST_F(ListPaneCommentTest, LeavingTheCommentStyleOrTheTabCommitsTheEdit) {
    Click(CellCentre(4, 1));
    SetWindowTextA(Editor(), "詳細へ");
    pane_.SetViewStyle(kDetailsStyle, false);
    EXPECT_FALSE(pane_.CommentEditActive());
    EXPECT_FALSE(IsWindowVisible(Editor()));
    EXPECT_EQ("詳細へ", CommentOf("f04.txt"));

    pane_.SetViewStyle(kCommentStyle, false);
    Click(CellCentre(6, 1));
    SetWindowTextA(Editor(), "タブへ");
    pane_.StateForTab();
    EXPECT_FALSE(pane_.CommentEditActive());
    EXPECT_EQ("タブへ", CommentOf("f06.txt"));
}

}  // namespace
