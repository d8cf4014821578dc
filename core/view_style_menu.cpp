#include "core/view_style_menu.h"

namespace {

constexpr int kStylesOfItems[kStyleMenuItemCount] = {kIconStyle,    kTileStyle,    kListStyle,
                                                     kDetailsStyle, kCommentStyle, kThumbnailStyle};

}  // namespace

int StyleMenuMark(bool commentMode, bool thumbnailMode, ListLayout layout) {
    if (commentMode) return 5;
    if (thumbnailMode) return 6;
    switch (layout) {
    case ListLayout::Report: return 4;
    case ListLayout::SmallIcon: return 2;
    case ListLayout::List: return 3;
    case ListLayout::Icon: return 1;
    }
    return 1;
}

bool StyleOfMenuItem(int item, int& style) {
    if (item < 1 || item > kStyleMenuItemCount) return false;
    style = kStylesOfItems[item - 1];
    return true;
}
