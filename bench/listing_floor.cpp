// The floor under a folder listing: enumerate the folder with the shell, read each item's find
// data and sort with the folder's own comparison, nothing else. Prints the count and exits.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    CoInitialize(nullptr);
    IShellFolder* desktop = nullptr;
    SHGetDesktopFolder(&desktop);
    PIDLIST_ABSOLUTE absolute = ILCreateFromPathA(argv[1]);
    IShellFolder* folder = nullptr;
    if (!desktop || !absolute ||
        FAILED(desktop->BindToObject(absolute, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder)))) {
        std::printf("cannot bind %s\n", argv[1]);
        return 1;
    }
    IEnumIDList* enumerator = nullptr;
    std::vector<PITEMID_CHILD> items;
    if (folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &enumerator) == S_OK && enumerator) {
        PITEMID_CHILD item = nullptr;
        while (enumerator->Next(1, &item, nullptr) == S_OK) items.push_back(item);
        enumerator->Release();
    }
    unsigned long long total = 0;
    for (PITEMID_CHILD item : items) {
        WIN32_FIND_DATAA found{};
        if (SUCCEEDED(SHGetDataFromIDListA(folder, item, SHGDFIL_FINDDATA, &found, sizeof found)))
            total += found.nFileSizeLow;
    }
    std::sort(items.begin(), items.end(), [folder](PITEMID_CHILD a, PITEMID_CHILD b) {
        HRESULT result = folder->CompareIDs(0, a, b);
        return SUCCEEDED(result) && static_cast<short>(HRESULT_CODE(result)) < 0;
    });
    std::printf("%zu %llu\n", items.size(), total);
    for (PITEMID_CHILD item : items) CoTaskMemFree(item);
    folder->Release();
    CoTaskMemFree(absolute);
    desktop->Release();
    CoUninitialize();
    return 0;
}
