#include "panes/list/item_details.h"

#include <shellapi.h>

#include "core/display_format.h"
#include "panes/list/folder_list.h"
#include "shell/file_time_text.h"
#include "shell/folder_binding.h"

namespace {

bool ReadFindData(IShellFolder* folder, PCUITEMID_CHILD item, WIN32_FIND_DATAA& found) {
    return SUCCEEDED(SHGetDataFromIDListA(folder, item, SHGDFIL_FINDDATA, &found, sizeof found));
}

}  // namespace

std::string SizeText(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    if (IsFolderItem(folder, item) || !ReadFindData(folder, item, found)) return std::string();
    return FormatSizeRoundedUp(static_cast<int64_t>(FindDataSize(folder, item, found)));
}

std::string TypeText(IShellFolder* folder, PCUITEMID_CHILD item) {
    ItemIdList absolute = AbsoluteItemList(folder, item);
    SHFILEINFOA info{};
    if (!absolute ||
        !SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute.Get()), 0, &info, sizeof info, SHGFI_TYPENAME | SHGFI_PIDL))
        return std::string();
    return info.szTypeName;
}

std::string DateText(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    if (!ReadFindData(folder, item, found)) return std::string();
    return FormatFileTime(found.ftLastWriteTime);
}

std::string AttributeText(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    if (!ReadFindData(folder, item, found)) return std::string();
    return FormatAttributes(found.dwFileAttributes);
}
