// Listing benchmark: the time from process start until the main list holds every item of a folder
// of 10,000 and of 100,000 empty files, beside the floor in the same run (a bare window's start-up
// plus a process that only enumerates, reads the find data and sorts), and the memory each item
// costs over an empty folder.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/files_folder.h"

namespace {

const char kBaselineClass[] = "tessary_bench_baseline";
constexpr int kMainListId = 1102;

struct Sample {
    double milliseconds = 0;
    SIZE_T peakPrivate = 0;
};

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string ModulePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

double Since(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

bool Start(const std::string& commandLine, PROCESS_INFORMATION& process, LARGE_INTEGER& start) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    QueryPerformanceCounter(&start);
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) !=
           FALSE;
}

void End(PROCESS_INFORMATION& process, const char* windowClass, Sample& sample) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters))
        sample.peakPrivate = counters.PeakPagefileUsage;
    if (HWND window = FindWindowA(windowClass, nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// Until the program's main list holds `count` rows.
bool MeasureListing(const std::string& program, const std::string& folder, int count, Sample& sample) {
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    if (!Start("\"" + program + "\" \"" + folder + "\"", process, start)) return false;
    bool listed = false;
    while (!listed && Since(start) < 120000) {
        HWND window = FindWindowA("tessary", nullptr);
        HWND list = window ? GetDlgItem(window, kMainListId) : nullptr;
        if (list && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == count) listed = true;
        else
            Sleep(2);
    }
    sample.milliseconds = Since(start);
    End(process, "tessary", sample);
    return listed;
}

bool MeasureBaseline(const std::string& baseline, Sample& sample) {
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    if (!Start("\"" + baseline + "\"", process, start)) return false;
    bool idle = WaitForInputIdle(process.hProcess, 60000) == 0;
    sample.milliseconds = Since(start);
    End(process, kBaselineClass, sample);
    return idle;
}

bool MeasureFloor(const std::string& floor, const std::string& folder, Sample& sample) {
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    if (!Start("\"" + floor + "\" \"" + folder + "\"", process, start)) return false;
    bool ended = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0;
    sample.milliseconds = Since(start);
    End(process, "", sample);
    return ended;
}

double MedianTime(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.milliseconds < b.milliseconds; });
    return samples.empty() ? 0 : samples[samples.size() / 2].milliseconds;
}

SIZE_T MedianPrivate(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.peakPrivate < b.peakPrivate; });
    return samples.empty() ? 0 : samples[samples.size() / 2].peakPrivate;
}

}  // namespace

int main(int argc, char** argv) {
    // Each figure is printed as soon as it is known: making the large folder takes minutes.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::string here = FolderOf(ModulePath());
    std::string root = FilesFolderRoot();
    std::string program = root + "tessary.exe";
    if (!CopyFileA((here + "tessary.exe").c_str(), program.c_str(), FALSE)) {
        std::printf("cannot copy tessary.exe beside the benchmark\n");
        return 1;
    }
    std::string empty = root + "files_0";
    CreateDirectoryA(empty.c_str(), nullptr);

    std::vector<Sample> emptyRuns;
    for (int run = 0; run < runs; ++run) {
        Sample sample;
        if (MeasureListing(program, empty, 0, sample)) emptyRuns.push_back(sample);
    }
    SIZE_T emptyPrivate = MedianPrivate(emptyRuns);
    std::printf(
        "folder listing, median of %d runs; the floor is a bare window's start-up plus a process that only\n"
        "enumerates, reads the find data and sorts the same folder\n",
        runs);
    for (int count : {10000, 100000}) {
        std::string folder = FolderOfFiles(root, count);
        std::vector<Sample> listing, baseline, floor;
        for (int run = 0; run < runs; ++run) {
            Sample sample;
            if (MeasureBaseline(here + "tessary_baseline.exe", sample)) baseline.push_back(sample);
            if (MeasureFloor(here + "tessary_listing_floor.exe", folder, sample)) floor.push_back(sample);
            if (MeasureListing(program, folder, count, sample)) listing.push_back(sample);
        }
        if (listing.empty()) {
            std::printf("%7d files: the main list never held them all\n", count);
            continue;
        }
        double floorTime = MedianTime(baseline) + MedianTime(floor);
        double listed = MedianTime(listing);
        double perItem = (static_cast<double>(MedianPrivate(listing)) - static_cast<double>(emptyPrivate)) / count;
        std::printf(
            "%7d files: listed in %8.1f ms   floor %8.1f ms (window %.1f + listing %.1f)   x%.2f   "
            "%.0f bytes an item over an empty folder\n",
            count, listed, floorTime, MedianTime(baseline), MedianTime(floor), listed / floorTime, perItem);
    }
    DeleteFileA(program.c_str());
    return 0;
}
