#include "tests/shell/shell_test_fixture.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>

#include "shell/shell_services.h"

void ShellFixture::SetUp() { shell_ = std::make_unique<ShellServices>(); }

void ShellFixture::TearDown() { shell_.reset(); }

std::string ShellFixture::MakeFolder(const std::string& relative) {
    std::string path = PathOf(relative);
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string ShellFixture::MakeFile(const std::string& relative, const std::string& bytes) {
    std::string path = PathOf(relative);
    WriteBytes(path, bytes);
    return path;
}

bool ShellFixture::MakeLink(const std::string& relative, const std::string& target) {
    return SavePathLink(PathOf(relative), target);
}

namespace {

bool SaveLink(const std::string& linkPath, const std::string& target, bool keepList) {
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid())))
        return false;
    ItemIdList list = ShellListOf(target);
    HRESULT set = keepList ? (list ? link->SetIDList(list.Get()) : E_FAIL) : link->SetPath(target.c_str());
    return SUCCEEDED(set) && SUCCEEDED(file->Save(Wide(linkPath).c_str(), TRUE));
}

}  // namespace

bool SavePathLink(const std::string& linkPath, const std::string& target) { return SaveLink(linkPath, target, false); }

bool SaveListLink(const std::string& linkPath, const std::string& target) { return SaveLink(linkPath, target, true); }

bool RecordingExecutor::Execute(SHELLEXECUTEINFOA& request) {
    char listPath[MAX_PATH] = {};
    if (request.lpIDList) SHGetPathFromIDListA(static_cast<PCIDLIST_ABSOLUTE>(request.lpIDList), listPath);
    requests.push_back(Request{request.lpVerb ? request.lpVerb : "", request.lpFile ? request.lpFile : "",
                               request.lpDirectory ? request.lpDirectory : "", listPath, request.fMask, request.hwnd,
                               request.nShow, request.lpParameters ? request.lpParameters : ""});
    return true;
}

ItemIdList ShellListOf(const std::string& path) { return ItemIdList(ILCreateFromPathA(path.c_str())); }

std::string ShellPathOf(PCIDLIST_ABSOLUTE list) {
    char path[MAX_PATH] = {};
    if (!list || !SHGetPathFromIDListA(list, path)) return std::string();
    return path;
}

std::string ShellDisplayName(IShellFolder* folder, PCUITEMID_CHILD child, SHGDNF kind) {
    STRRET result{};
    char name[MAX_PATH] = {};
    if (FAILED(folder->GetDisplayNameOf(child, kind, &result)) ||
        FAILED(StrRetToBufA(&result, child, name, sizeof name)))
        return std::string();
    return name;
}

bool SameBytes(PCUIDLIST_RELATIVE a, PCUIDLIST_RELATIVE b) {
    if (!a || !b) return false;
    UINT size = ILGetSize(a);
    return size == ILGetSize(b) && std::memcmp(a, b, size) == 0;
}

std::wstring Wide(const std::string& text) {
    WCHAR wide[MAX_PATH * 2] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH * 2);
    return wide;
}
