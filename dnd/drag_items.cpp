#include "dnd/drag_items.h"

#include <utility>

#include "core/dbcs_text.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "win/system_text.h"

namespace {

// A virtual folder's items (drives, the desktop's own items) are asked one by one; a drive root
// comes back as "C:\".
std::string PathOfAbsolute(PCIDLIST_ABSOLUTE parent, PCUITEMID_CHILD item) {
    ItemIdList absolute = ConcatenateItemLists(parent, item);
    char path[MAX_PATH] = {};
    if (!absolute || !SHGetPathFromIDListA(absolute.Get(), path)) return std::string();
    return path;
}

std::string PathInDirectory(const std::string& directory, IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    if (FAILED(SHGetDataFromIDListA(folder, item, SHGDFIL_FINDDATA, &found, sizeof found)) || !found.cFileName[0])
        return std::string();
    found.cFileName[sizeof found.cFileName - 1] = '\0';
    return directory + found.cFileName;
}

}  // namespace

bool MakeDragRequest(HWND source, IShellFolder* folder, const std::vector<PCUITEMID_CHILD>& items,
                     DragRequest& request) {
    request = DragRequest();
    if (!folder || items.empty()) return false;
    DragRequest made;
    made.source = source;
    made.parent = OwnItemList(folder);
    if (!made.parent) return false;
    // The desktop shows the items of more than one directory, so only a deeper folder has one.
    std::string directory;
    if (ItemListDepth(made.parent.Get()) >= 2) directory = FolderDirectory(folder);
    if (!directory.empty() && !dbcs::EndsInBackslash(directory, &IsSystemLeadByte)) directory += '\\';
    made.children.reserve(items.size());
    made.paths.reserve(items.size());
    for (PCUITEMID_CHILD item : items) {
        ItemIdList copy = CloneItemList(item);
        if (!item || !copy) return false;
        std::string path;
        if (!directory.empty()) path = PathInDirectory(directory, folder, item);
        if (path.empty()) path = PathOfAbsolute(made.parent.Get(), item);
        made.children.push_back(std::move(copy));
        made.paths.push_back(std::move(path));
    }
    request = std::move(made);
    return true;
}
