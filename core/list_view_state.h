// How one folder list is viewed: its style, its sort order and its column widths, which travel
// between the list and the tab it shows, and the rules that turn them into the list control's
// layout, columns and sizes. No Windows header: the rules are built natively too, so the list
// control's numbers that they give (layout bits, virtual keys) are written out here.
#pragma once
#include <array>
#include <cstddef>

enum ViewStyle : int {
    kCommentStyle = -1,
    kIconStyle = 0,
    kDetailsStyle = 1,
    kTileStyle = 2,
    kListStyle = 3,
    kThumbnailStyle = 4,
};

// The shell's own column numbers, which the details columns follow: name, size, type, modified
// date, attributes.
constexpr int kSortColumnCount = 5;
// The five details columns, then the comment style's name and comment columns.
constexpr int kColumnWidthCount = 7;
constexpr int kDetailsColumnCount = 5;
constexpr int kCommentColumnCount = 2;
constexpr int kFirstCommentWidth = 5;
constexpr std::array<int, kColumnWidthCount> kDefaultColumnWidths = {150, 50, 120, 120, 50, 150, 150};

struct SortState {
    int column = 0;
    // One direction a column, 0 ascending and 1 descending, kept while other columns are used.
    std::array<int, kSortColumnCount> directions{};

    int Direction() const { return directions[static_cast<size_t>(column)]; }
};

struct ListViewState {
    int style = kIconStyle;
    SortState sort;
    std::array<int, kColumnWidthCount> columnWidths = kDefaultColumnWidths;
};

// DEFSTYLE counts the styles in the order the settings dialog offers them: icon, tile, list,
// details, comment. A value outside them gives the details style.
int StyleForDefaultSetting(int defaultStyleSetting);
ListViewState NewTabViewState(int defaultStyleSetting);

// The state as a list can show it, whatever a hand-edited or damaged file held: a style outside
// the six is the details style, a sort column outside the five is the name column, a direction
// other than 1 is ascending, and a negative width is the column's default.
ListViewState ShownViewState(const ListViewState& state);

// The list control's own layouts, numbered as its style bits.
enum class ListLayout { Icon = 0, Report = 1, SmallIcon = 2, List = 3 };
// The blank image lists that make the control reserve cells of each style's size.
enum class SpacingCells { LargeIcons, TileCells, SmallCells, SystemSmall, PolaroidCells, PlainThumbCells };
enum class ListColumns { None, Details, Comment };
// What the control is told when it asks for an item's text.
enum class DisplayKind { Name, Details, Tile, Comment };

struct StyleLayout {
    ListLayout layout;
    bool fullRowSelect;
    SpacingCells cells;
    // The cells are the control's normal (large) images rather than its small ones.
    bool normalImages;
    ListColumns columns;
    DisplayKind display;
    bool commentMode;
    bool thumbnailMode;
};

// A style outside the six is laid out as the icon style.
StyleLayout LayoutOfStyle(int style, bool polaroid);

// What the settings keep for a list's style: -1 for the comment style, else the layout bits, so
// that the thumbnail style is kept as the icon layout.
int SavedStyle(int style);

// A header click: the clicked column becomes the sort column with its direction flipped (1
// becomes 0, anything else 1). In the comment style only the name column sorts. True when the
// list has to be sorted again.
bool ClickColumn(ListViewState& state, int column);

// The sort direction button: the sort column's direction turns round (1 becomes 0, anything else
// 1).
void ReverseSortDirection(SortState& sort);
// The sort key menu: another of the five columns becomes the sort column, in the direction it
// last had. True when the list has to be sorted again.
bool ChooseSortColumn(SortState& sort, int column);

// The list layout's column and the tile layout's cell width for the widest name.
int ListColumnWidth(int widestName);
int TileColumnWidth(int widestName);

// The lines of a tile, in the order they are compared: the first of equal widths wins.
enum TileLine : size_t { kTileName, kTileSize, kTileType, kTileDate, kTileLineCount };
size_t WidestTileLine(const std::array<int, kTileLineCount>& widths);

// Where the in-place comment editor was placed: its row, the top row then, and the two column
// widths then.
struct CommentEditPlace {
    int row = -1;
    int topRow = 0;
    int nameWidth = 0;
    int commentWidth = 0;
};
enum class EditorMove { Stay, Hide, Place };
// The editor's answer to the list as it is now; the place is brought up to date. A new top row
// hides it when its row went above the top and places it otherwise; with the same top row, only a
// change of a column width places it again.
EditorMove FollowList(CommentEditPlace& place, int topRow, int nameWidth, int commentWidth);

// Virtual keys that the list reads, with the list control's numbers.
constexpr int kKeySpace = 0x20;
constexpr int kKeyLeft = 0x25;
constexpr int kKeyUp = 0x26;
constexpr int kKeyRight = 0x27;
constexpr int kKeyDown = 0x28;

// The keys that type into the incremental search, while neither Ctrl nor Alt is down: letters,
// digits, keypad digits, keypad + - . and the punctuation keys.
bool IsSearchKey(int key, bool ctrl, bool alt);

// How a key changes the list's remembered only selected row: a search key or Space records it
// at once, an arrow key at the next change of the selection, any other key not at all.
enum class SelectionRecord { None, Now, AtNextChange };
SelectionRecord SelectionRecordForKey(int key, bool ctrl, bool alt);
