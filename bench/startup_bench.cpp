// Start-up benchmark: time from process start to the main window shown and idle, and peak
// memory, for an empty data folder, for one a previous run wrote and for ones remembering 100 and
// 1,000 tabs, with ratios against a bare window process and the cost of each remembered tab; and
// the time to a small folder listed, against the system's own shell browser shown on it.
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/tab_list_file.h"
#include "win/datafile_io.h"

namespace {

// A bare window process (bench/baseline_window.cpp), started and measured the same way.
const char kBaselineClass[] = "tessary_bench_baseline";

struct Sample {
    double milliseconds = 0;
    SIZE_T peakWorkingSet = 0;
    SIZE_T peakPrivate = 0;
};

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string ModulePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The window is closed by its class, or the process ended when it has none to find.
bool Measure(const std::string& commandLine, const char* windowClass, Sample& sample) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    LARGE_INTEGER frequency, start, idle;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    DWORD waited = WaitForInputIdle(process.hProcess, 60000);
    bool ready = waited == 0;
    if (!ready)
        std::printf("WaitForInputIdle gave %lu (error %lu) for %s\n", waited, GetLastError(), commandLine.c_str());
    QueryPerformanceCounter(&idle);
    sample.milliseconds = 1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) / frequency.QuadPart;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters)) {
        sample.peakWorkingSet = counters.PeakWorkingSetSize;
        sample.peakPrivate = counters.PeakPagefileUsage;
    }
    HWND window = nullptr;
    for (int i = 0; windowClass && i < 200 && !window; ++i) {
        window = FindWindowA(windowClass, nullptr);
        if (!window) Sleep(10);
    }
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    else
        TerminateProcess(process.hProcess, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ready;
}

Sample Median(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.milliseconds < b.milliseconds; });
    return samples[samples.size() / 2];
}

void Report(const char* name, const Sample& sample, const Sample& baseline) {
    std::printf("%-28s %9.1f ms  (x%.2f)   peak working set %7.1f MiB (x%.2f)   peak private %7.1f MiB\n", name,
                sample.milliseconds, sample.milliseconds / baseline.milliseconds, sample.peakWorkingSet / 1048576.0,
                baseline.peakWorkingSet ? double(sample.peakWorkingSet) / baseline.peakWorkingSet : 0.0,
                sample.peakPrivate / 1048576.0);
}

void RemoveDataFolder(const std::string& folder) {
    std::string data = folder + "data\\";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((data + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((data + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(data.c_str());
}

// Folders for the remembered tabs, beside the data folder, each empty so that the main list's
// fill costs the same in every case.
std::vector<tablist::IdList> MakeTabFolders(const std::string& folder, int count) {
    std::string root = folder + "tabs\\";
    CreateDirectoryA(root.c_str(), nullptr);
    std::vector<tablist::IdList> lists;
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d", i);
        std::string path = root + name;
        CreateDirectoryA(path.c_str(), nullptr);
        PIDLIST_ABSOLUTE list = ILCreateFromPathA(path.c_str());
        if (!list) return {};
        const uint8_t* bytes = reinterpret_cast<const uint8_t*>(list);
        lists.emplace_back(bytes, bytes + ILGetSize(list));
        ILFree(list);
    }
    return lists;
}

void RemoveTabFolders(const std::string& folder, int count) {
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d", i);
        RemoveDirectoryA((folder + "tabs\\" + name).c_str());
    }
    RemoveDirectoryA((folder + "tabs").c_str());
}

// A data folder holding only tablist.dat with the first `count` folders as tabs, written by the
// program's own codec and writer; the view styles go round all six.
bool WriteRememberedTabs(const std::string& folder, const std::vector<tablist::IdList>& folders, size_t count) {
    RemoveDataFolder(folder);
    CreateDirectoryA((folder + "data").c_str(), nullptr);
    tablist::TabList list;
    for (size_t i = 0; i < count && i < folders.size(); ++i) {
        tablist::SavedTab tab;
        tab.folder = folders[i];
        tab.view.style = static_cast<int>(i % 6) - 1;
        list.tabs.push_back(tab);
    }
    if (list.tabs.empty()) return false;
    list.mainFolder = list.tabs.front().folder;
    datafile::PayloadWriter payload;
    tablist::EncodeTabList(list, payload);
    return WriteDataFile(folder + "data\\tablist.dat", tablist::kVersion, payload);
}

// A folder of nine small files, as a user's folder of a few documents would be.
std::string MakeSmallFolder(const std::string& folder) {
    std::string small = folder + "small";
    CreateDirectoryA(small.c_str(), nullptr);
    for (int i = 0; i < 9; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\document%d.txt", i);
        HANDLE file = CreateFileA((small + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(file, name, 16, &written, nullptr);
        CloseHandle(file);
    }
    return small;
}

std::string SystemBrowser() {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\explorer.exe";
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    std::string self = ModulePath();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "tessary_bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string program = folder + "tessary.exe";
    if (!CopyFileA((FolderOf(self) + "tessary.exe").c_str(), program.c_str(), FALSE)) {
        std::printf("cannot copy tessary.exe beside the benchmark\n");
        return 1;
    }

    CoInitialize(nullptr);
    const size_t kTabCounts[] = {100, 1000};
    std::vector<tablist::IdList> tabFolders = MakeTabFolders(folder, 1000);
    if (tabFolders.size() != 1000) {
        std::printf("cannot make the folders of the remembered tabs\n");
        return 1;
    }

    std::string small = MakeSmallFolder(folder);
    std::vector<Sample> baseline, empty, written, remembered[2], smallListed, browser;
    for (int run = 0; run < runs; ++run) {
        Sample sample;
        if (Measure("\"" + FolderOf(self) + "tessary_baseline.exe\"", kBaselineClass, sample))
            baseline.push_back(sample);
        RemoveDataFolder(folder);
        if (Measure("\"" + program + "\"", "tessary", sample)) empty.push_back(sample);
        if (Measure("\"" + program + "\"", "tessary", sample)) written.push_back(sample);
        for (size_t i = 0; i < 2; ++i) {
            if (!WriteRememberedTabs(folder, tabFolders, kTabCounts[i])) {
                std::printf("cannot write the tab list of %zu tabs\n", kTabCounts[i]);
                return 1;
            }
            if (Measure("\"" + program + "\"", "tessary", sample)) remembered[i].push_back(sample);
        }
        // The browser has no window class of its own to close it by; it keeps nothing to lose.
        if (Measure("\"" + SystemBrowser() + "\" \"" + small + "\"", nullptr, sample)) browser.push_back(sample);
        RemoveDataFolder(folder);
        if (Measure("\"" + program + "\" \"" + small + "\"", "tessary", sample)) smallListed.push_back(sample);
    }
    if (baseline.empty() || empty.empty() || written.empty() || remembered[0].empty() || remembered[1].empty() ||
        smallListed.empty()) {
        std::printf("a process did not reach its message loop\n");
        return 1;
    }
    std::printf(
        "start-up to idle main window, median of %d runs; ratios against a bare window process\n"
        "(goals: x1.50 or less with an empty data folder, x2.00 or less with 100 remembered tabs)\n",
        runs);
    Sample base = Median(baseline);
    Sample none = Median(empty);
    Report("bare window (baseline)", base, base);
    Report("empty data folder", none, base);
    Report("data from a previous run", Median(written), base);
    for (size_t i = 0; i < 2; ++i) {
        char name[40];
        std::snprintf(name, sizeof name, "%zu remembered tabs", kTabCounts[i]);
        Sample tabs = Median(remembered[i]);
        Report(name, tabs, base);
        std::printf("%-28s %9.3f ms a tab over the empty data folder (goal: 1 ms or less)\n", "",
                    (tabs.milliseconds - none.milliseconds) / static_cast<double>(kTabCounts[i]));
    }
    if (browser.empty()) {
        std::printf("the shell browser did not start: no comparison for the small folder\n");
    } else {
        Sample shell = Median(browser);
        Sample listed = Median(smallListed);
        std::printf("%-28s %9.1f ms  (x%.2f against the shell browser, %.1f ms; goal: x1.00 or less)\n",
                    "a folder of 9 files listed", listed.milliseconds, listed.milliseconds / shell.milliseconds,
                    shell.milliseconds);
    }
    RemoveDataFolder(folder);
    RemoveTabFolders(folder, 1000);
    for (int i = 0; i < 9; ++i) DeleteFileA((small + "\\document" + std::to_string(i) + ".txt").c_str());
    RemoveDirectoryA(small.c_str());
    CoUninitialize();
    DeleteFileA(program.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
