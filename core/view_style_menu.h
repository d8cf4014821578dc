// The items of a list's view-style menu, numbered from 1 as the menu shows them: icon, tiles, list,
// details, comment, thumbnail. No Windows header, so that the numbering is tested natively.
#pragma once
#include "core/list_view_state.h"

constexpr int kStyleMenuItemCount = 6;

// The item that carries the mark: the comment and thumbnail modes have items of their own, any
// other style is known by the control's layout that shows it.
int StyleMenuMark(bool commentMode, bool thumbnailMode, ListLayout layout);

// The style that an item chooses; false for a number that is no item.
bool StyleOfMenuItem(int item, int& style);
