// Memory of a folder of 100,000 files in the running program: what it holds while the folder is
// listed, over the same program listing an empty folder, against keeping only the shell's
// identifier list of each item in the same process; and whether closing the folder's tab gives
// the memory back, over eleven openings and closings.
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_program.h"
#include "bench/files_folder.h"
#include "shell/shell_services.h"
#include "shell/typed_paths.h"

namespace {

constexpr int kItems = 100000;
constexpr int kRounds = 11;

// The private bytes committed now (Wine leaves the extended counters' field empty).
SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// The raw cost: the folder enumerated through the shell and each child's identifier list kept.
double RawBytesAnItem(const std::string& folder) {
    ItemIdList absolute = PathToItemList(folder.c_str());
    ComPtr<IShellFolder> desktop, shellFolder;
    if (!absolute || FAILED(SHGetDesktopFolder(desktop.Put())) ||
        FAILED(desktop->BindToObject(absolute.Get(), nullptr, IID_IShellFolder, shellFolder.PutVoid())))
        return 0;
    SIZE_T before = PrivateBytes();
    std::vector<PITEMID_CHILD> kept;
    kept.reserve(kItems);
    ComPtr<IEnumIDList> items;
    if (shellFolder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.Put()) == S_OK) {
        PITEMID_CHILD child = nullptr;
        while (items->Next(1, &child, nullptr) == S_OK) kept.push_back(child);
    }
    items.Reset();
    SIZE_T after = PrivateBytes();
    for (PITEMID_CHILD child : kept) CoTaskMemFree(child);
    return kept.empty() ? 0 : (static_cast<double>(after) - static_cast<double>(before)) / kept.size();
}

size_t ShownRows(MainWindow& main) {
    return static_cast<size_t>(SendMessageA(main.MainList().Window(), LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::string big = FolderOfFiles(FilesFolderRoot(), kItems);
    std::string empty = FolderOfFiles(FilesFolderRoot(), 0);
    std::string root = FreshProgramFolder("tessary_memory");
    std::unique_ptr<Application> application;
    MainWindow* main = StartBenchProgram(application, root, {empty});
    if (!main) return 1;
    Pump(500);
    const double emptyBytes = static_cast<double>(PrivateBytes());
    const double raw = RawBytesAnItem(big);
    Pump(200);

    std::vector<double> held, closed;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<ItemIdList> paths;
        paths.push_back(PathToItemList(big.c_str()));
        if (main->OpenPathsAsTabs(paths) > 0) main->LoadPane(tabs::Pane::Main);
        PumpUntil([&] { return ShownRows(*main) == kItems; }, 120000);
        if (ShownRows(*main) != kItems) {
            std::printf("the main list never held the %d files\n", kItems);
            return 1;
        }
        Pump(300);
        held.push_back(static_cast<double>(PrivateBytes()));
        main->Carry(main->Tabs().CloseSelectedTab(tabs::Pane::Main));
        PumpUntil([&] { return ShownRows(*main) != kItems; }, 10000);
        Pump(300);
        closed.push_back(static_cast<double>(PrivateBytes()));
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);

    double perItem = (held.front() - emptyBytes) / kItems;
    std::printf("memory of a folder of %d files in the main list (private bytes, in this process)\n", kItems);
    std::printf("empty folder listed               %8.1f MiB\n", emptyBytes / 1048576.0);
    std::printf(
        "the folder listed, first time     %8.1f MiB   %.0f bytes an item over the empty folder "
        "(goal: 150 or less)\n",
        held.front() / 1048576.0, perItem);
    std::printf("raw: each identifier list kept    %8.0f bytes an item   x%.2f\n", raw, raw > 0 ? perItem / raw : 0.0);
    std::printf("its tab closed, first time        %8.1f MiB   %+.1f%% over the empty folder\n",
                closed.front() / 1048576.0, 100.0 * (closed.front() - emptyBytes) / emptyBytes);
    std::printf("listed, time %2d                   %8.1f MiB   %+.1f%% over the first time (goal: 5%% or less)\n",
                kRounds, held.back() / 1048576.0, 100.0 * (held.back() - held.front()) / held.front());
    std::printf("its tab closed, time %2d           %8.1f MiB   %+.1f%% over the first closing\n", kRounds,
                closed.back() / 1048576.0, 100.0 * (closed.back() - closed.front()) / closed.front());
    std::printf("peak private bytes                %8.1f MiB\n", counters.PeakPagefileUsage / 1048576.0);
    application.reset();
    return 0;
}
