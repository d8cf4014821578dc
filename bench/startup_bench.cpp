// Start-up benchmark: time from process start to the main window shown and idle, and peak
// memory, for an empty data folder and for one a previous run wrote, with ratios against a bare
// window process.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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
    for (int i = 0; i < 200 && !window; ++i) {
        window = FindWindowA(windowClass, nullptr);
        if (!window) Sleep(10);
    }
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
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

    std::vector<Sample> baseline, empty, written;
    for (int run = 0; run < runs; ++run) {
        Sample sample;
        if (Measure("\"" + FolderOf(self) + "tessary_baseline.exe\"", kBaselineClass, sample))
            baseline.push_back(sample);
        RemoveDataFolder(folder);
        if (Measure("\"" + program + "\"", "tessary", sample)) empty.push_back(sample);
        if (Measure("\"" + program + "\"", "tessary", sample)) written.push_back(sample);
    }
    if (baseline.empty() || empty.empty() || written.empty()) {
        std::printf("a process did not reach its message loop\n");
        return 1;
    }
    std::printf("start-up to idle main window, median of %d runs; ratios against a bare window process\n", runs);
    Sample base = Median(baseline);
    Report("bare window (baseline)", base, base);
    Report("empty data folder", Median(empty), base);
    Report("data from a previous run", Median(written), base);
    RemoveDataFolder(folder);
    DeleteFileA(program.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
