// The favourites' startup group at start: its folders become the first tabs, in its order.
#pragma once
#include <vector>

#include "core/tab_model.h"

namespace tabs {

// Folder n of the group becomes tab n: the first tab at or after that place whose path string is
// the folder's, byte for byte, moves there, else the folder is added there as a tab of no list. A
// folder that cannot be shown takes no place, so the ones after it close up; a tab placed for an
// earlier folder is not taken again by a later one of the same path. Null folders are passed over.
// Returns the number of tabs placed; what the moves ask of the lists is left to the start-up, which
// chooses the shown tabs afterwards.
int PlaceStartupTabs(TabModel& model, const std::vector<FolderPtr>& folders);

}  // namespace tabs
