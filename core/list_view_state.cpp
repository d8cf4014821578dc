#include "core/list_view_state.h"

#include <algorithm>

namespace {

bool KnownStyle(int style) { return style >= kCommentStyle && style <= kThumbnailStyle; }

bool Between(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

int StyleForDefaultSetting(int defaultStyleSetting) {
    static constexpr int kStyles[] = {kIconStyle, kTileStyle, kListStyle, kDetailsStyle, kCommentStyle};
    if (!Between(defaultStyleSetting, 0, 4)) return kDetailsStyle;
    return kStyles[defaultStyleSetting];
}

ListViewState NewTabViewState(int defaultStyleSetting) {
    ListViewState state;
    state.style = StyleForDefaultSetting(defaultStyleSetting);
    return state;
}

ListViewState ShownViewState(const ListViewState& state) {
    ListViewState shown = state;
    if (!KnownStyle(shown.style)) shown.style = kDetailsStyle;
    if (!Between(shown.sort.column, 0, kSortColumnCount - 1)) shown.sort.column = 0;
    // The lists sort descending only for 1, so any other value is shown and kept as ascending.
    for (int& direction : shown.sort.directions)
        if (direction != 1) direction = 0;
    for (size_t i = 0; i < shown.columnWidths.size(); ++i)
        if (shown.columnWidths[i] < 0) shown.columnWidths[i] = kDefaultColumnWidths[i];
    return shown;
}

StyleLayout LayoutOfStyle(int style, bool polaroid) {
    switch (style) {
    case kCommentStyle:
        return {ListLayout::Report,
                false,
                SpacingCells::SystemSmall,
                false,
                ListColumns::Comment,
                DisplayKind::Comment,
                true,
                false};
    case kDetailsStyle:
        return {ListLayout::Report,
                true,
                SpacingCells::SmallCells,
                false,
                ListColumns::Details,
                DisplayKind::Details,
                false,
                false};
    case kTileStyle:
        return {ListLayout::SmallIcon,
                false,
                SpacingCells::TileCells,
                false,
                ListColumns::None,
                DisplayKind::Tile,
                false,
                false};
    case kListStyle:
        return {ListLayout::List,
                false,
                SpacingCells::SmallCells,
                false,
                ListColumns::None,
                DisplayKind::Name,
                false,
                false};
    case kThumbnailStyle:
        return {ListLayout::Icon,
                false,
                polaroid ? SpacingCells::PolaroidCells : SpacingCells::PlainThumbCells,
                true,
                ListColumns::None,
                DisplayKind::Name,
                false,
                true};
    default:
        return {ListLayout::Icon,
                false,
                SpacingCells::LargeIcons,
                true,
                ListColumns::None,
                DisplayKind::Name,
                false,
                false};
    }
}

int SavedStyle(int style) {
    if (style == kCommentStyle) return kCommentStyle;
    return static_cast<int>(LayoutOfStyle(style, false).layout);
}

bool ClickColumn(ListViewState& state, int column) {
    if (!Between(column, 0, kSortColumnCount - 1)) return false;
    if (state.style == kCommentStyle && column != 0) return false;
    int& direction = state.sort.directions[static_cast<size_t>(column)];
    direction = direction == 1 ? 0 : 1;
    state.sort.column = column;
    return true;
}

void ReverseSortDirection(SortState& sort) {
    int& direction = sort.directions[static_cast<size_t>(sort.column)];
    direction = direction == 1 ? 0 : 1;
}

bool ChooseSortColumn(SortState& sort, int column) {
    if (!Between(column, 0, kSortColumnCount - 1) || column == sort.column) return false;
    sort.column = column;
    return true;
}

int ListColumnWidth(int widestName) { return std::max(widestName + 35, 100); }

int TileColumnWidth(int widestName) { return std::max(widestName + 40, 230); }

size_t WidestTileLine(const std::array<int, kTileLineCount>& widths) {
    size_t widest = kTileName;
    for (size_t line = kTileName + 1; line < kTileLineCount; ++line)
        if (widths[line] > widths[widest]) widest = line;
    return widest;
}

EditorMove FollowList(CommentEditPlace& place, int topRow, int nameWidth, int commentWidth) {
    if (topRow != place.topRow) {
        place.topRow = topRow;
        return place.row < topRow ? EditorMove::Hide : EditorMove::Place;
    }
    if (nameWidth == place.nameWidth && commentWidth == place.commentWidth) return EditorMove::Stay;
    place.nameWidth = nameWidth;
    place.commentWidth = commentWidth;
    return EditorMove::Place;
}

bool IsSearchKey(int key, bool ctrl, bool alt) {
    if (ctrl || alt) return false;
    return Between(key, 'A', 'Z') || Between(key, '0', '9') || Between(key, 0x60, 0x69) || key == 0x6B || key == 0x6D ||
           key == 0x6E || Between(key, 0xBA, 0xBE) || key == 0xC0 || key == 0xDB || Between(key, 0xDD, 0xDF);
}

SelectionRecord SelectionRecordForKey(int key, bool ctrl, bool alt) {
    if (key == kKeySpace || IsSearchKey(key, ctrl, alt)) return SelectionRecord::Now;
    if (Between(key, kKeyLeft, kKeyDown)) return SelectionRecord::AtNextChange;
    return SelectionRecord::None;
}
