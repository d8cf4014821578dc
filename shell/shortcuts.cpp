#include "shell/shortcuts.h"

#include <intshcut.h>
#include <isguids.h>

#include <cstring>

#include "core/dbcs_text.h"
#include "shell/folder_binding.h"
#include "shell/item_names.h"
#include "shell/shell_services.h"
#include "win/system_text.h"

namespace {

// No owner window is given, so the shell must show nothing: a search dialog without an owner
// would stand alone on the screen, even during start-up while the launcher loads. The link
// file's record is brought up to date when its target has moved.
constexpr DWORD kResolveFlags = static_cast<DWORD>(SLR_NO_UI) | static_cast<DWORD>(SLR_UPDATE);

std::string InternetShortcutUrl(const std::wstring& path) {
    ComPtr<IUniformResourceLocatorA> locator;
    if (FAILED(CoCreateInstance(CLSID_InternetShortcut, nullptr, CLSCTX_INPROC_SERVER, IID_IUniformResourceLocatorA,
                                locator.PutVoid())))
        return std::string();
    ComPtr<IPersistFile> file;
    if (FAILED(locator->QueryInterface(IID_IPersistFile, file.PutVoid())) ||
        FAILED(file->Load(path.c_str(), STGM_READ)))
        return std::string();
    LPSTR text = nullptr;
    if (FAILED(locator->GetURL(&text)) || !text) return std::string();
    std::string url;
    // A URL cut short would lead somewhere else, so one that does not fit is refused whole.
    if (std::strlen(text) < dbcs::kTextBufferBytes) url = text;
    ComPtr<IMalloc> shellAllocator;
    if (SUCCEEDED(SHGetMalloc(shellAllocator.Put()))) shellAllocator->Free(text);
    else
        CoTaskMemFree(text);
    return url;
}

}  // namespace

bool ResolveShortcut(const ShellServices& services, IShellFolder* folder, PCUITEMID_CHILD child,
                     ComPtr<IShellFolder>& targetFolder, ItemIdList& targetChild, std::string& url) {
    targetFolder.Reset();
    targetChild.Reset();
    url.clear();
    std::wstring path = SystemTextToWide(ItemPath(folder, child));
    if (path.empty()) return false;
    IShellLinkA* link = services.ShortcutLink();
    IPersistFile* linkFile = services.ShortcutFile();
    if (!link || !linkFile || FAILED(linkFile->Load(path.c_str(), STGM_READ))) {
        url = InternetShortcutUrl(path);
        return false;
    }
    link->Resolve(nullptr, kResolveFlags);
    ItemIdList target;
    if (FAILED(link->GetIDList(target.Put())) || !target) return false;
    return SplitToDesktopDirectory(target.Get(), targetFolder, targetChild);
}
