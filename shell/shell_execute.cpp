#include "shell/shell_execute.h"

#include "shell/folder_binding.h"
#include "shell/item_names.h"
#include "win/owners.h"

namespace {

// A drive's root reads "C:" as a path, which as a directory would mean the drive's current one.
std::string DirectoryOf(IShellFolder* folder) {
    std::string directory = ItemPath(folder);
    if (directory.size() == 2 && directory[1] == ':') directory += '\\';
    return directory;
}

}  // namespace

bool RunItem(ShellExecutor& executor, HWND owner, IShellFolder* folder, PCUITEMID_CHILD item,
             const std::string& parameters) {
    if (!folder || !item) return false;
    std::string path = ItemPath(folder, item);
    std::string directory = DirectoryOf(folder);
    ItemIdList absolute = AbsoluteItemList(folder, item);
    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_INVOKEIDLIST;
    request.hwnd = owner;
    request.lpFile = path.c_str();
    request.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    request.lpDirectory = directory.c_str();
    request.nShow = SW_SHOWNORMAL;
    request.lpIDList = absolute.Get();
    return executor.Execute(request);
}

bool OpenAddress(ShellExecutor& executor, const std::string& address) {
    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    request.lpVerb = "open";
    request.lpFile = address.c_str();
    request.nShow = SW_SHOWNORMAL;
    return executor.Execute(request);
}
