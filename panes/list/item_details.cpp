#include "panes/list/item_details.h"

#include <shellapi.h>

#include "core/display_format.h"
#include "panes/list/folder_list.h"
#include "shell/file_time_text.h"
#include "shell/folder_binding.h"
#include "shell/item_names.h"

namespace {

// The shell's own column number of an item's type, which the details columns follow.
constexpr UINT kTypeColumn = 2;

}  // namespace

std::string SizeText(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    if (IsFolderItem(folder, item) || !ItemFindData(folder, item, found)) return std::string();
    return FormatSizeRoundedUp(static_cast<int64_t>(FindDataSize(folder, item, found)));
}

// A file-system item's type is read from its folder's own type column, which takes it from the
// item's identifier list. The shell's file information looks the file up by its path first,
// which in a folder of a hundred thousand files costs some file systems (Wine's) tens of
// milliseconds, and every row drawn asks.
std::string TypeText(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    ComPtr<IShellFolder2> details;
    SHELLDETAILS detail{};
    if (ItemFindData(folder, item, found) && SUCCEEDED(folder->QueryInterface(IID_IShellFolder2, details.PutVoid())) &&
        SUCCEEDED(details->GetDetailsOf(item, kTypeColumn, &detail)))
        return NameResultToText(detail.str, item);
    SHFILEINFOA info{};
    ItemIdList absolute = AbsoluteItemList(folder, item);
    if (!absolute ||
        !SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute.Get()), 0, &info, sizeof info, SHGFI_TYPENAME | SHGFI_PIDL))
        return std::string();
    return info.szTypeName;
}

std::string DateText(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    if (!ItemFindData(folder, item, found)) return std::string();
    return FormatFileTime(found.ftLastWriteTime);
}

std::string AttributeText(IShellFolder* folder, PCUITEMID_CHILD item) {
    WIN32_FIND_DATAA found{};
    if (!ItemFindData(folder, item, found)) return std::string();
    return FormatAttributes(found.dwFileAttributes);
}
