// The tooltip that the lists show for an item, while the window's extended tooltips are on.
#include "panes/list/list_pane.h"

#include <cstdint>
#include <cstring>

#include "core/display_format.h"
#include "core/status_text.h"
#include "shell/file_time_text.h"
#include "shell/item_comments.h"
#include "shell/item_names.h"

// A request left unanswered keeps what the control put in the buffer: the whole name of a cut
// label, or nothing.
LRESULT ListPane::OnGetInfoTip(NMLVGETINFOTIPA& request) {
    if (!settings_->extendedTips || !request.pszText || request.cchTextMax <= 0 || !ShowsRow(request.iItem)) return 0;
    IShellFolder* folder = model_.Folder();
    PCUITEMID_CHILD item = model_.Item(static_cast<size_t>(request.iItem));
    // Without find data the size is nothing and the time and attributes are those of zeros.
    WIN32_FIND_DATAA found{};
    uint64_t size = ItemFindData(folder, item, found) ? FindDataSize(folder, item, found) : 0;
    InfoTipParts parts;
    if (!(request.dwFlags & LVGIT_UNFOLDED)) parts.name = DisplayName(folder, item);
    if (settings_->tipSize) parts.size = FormatSizeRoundedUp(static_cast<int64_t>(size));
    if (settings_->tipDate) parts.date = FormatFileTime(found.ftLastWriteTime);
    if (settings_->tipAttributes) parts.attributes = FormatAttributes(found.dwFileAttributes);
    if (settings_->tipComment) GetComment(*comments_, folder, item, parts.comment);
    std::string tip = ComposeInfoTip(parts, static_cast<size_t>(request.cchTextMax));
    std::memcpy(request.pszText, tip.c_str(), tip.size() + 1);
    return 0;
}
