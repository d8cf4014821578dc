// Change-watch benchmark: the program shows a folder, this process changes the folder on disk, and
// the main list is read from outside as a user would see it. It prints the time from making one
// file to the list showing it, and, for a storm of 10,000 files made as fast as this process can,
// how many times the list was read again meanwhile (each reading shows a new item count) and how
// long after the last file the list showed them all.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_clock.h"

namespace {

constexpr int kMainListId = 1102;
constexpr int kStormFiles = 10000;
// Longer than the least time between two readings, so that each single change starts afresh.
constexpr DWORD kPauseBetweenChangesMs = 1500;

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string ModulePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool MakeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// The main list's item count as the program answers it; -1 while it has no list or does not answer.
int ListedCount() {
    HWND window = FindWindowA("tessary", nullptr);
    HWND list = window ? GetDlgItem(window, kMainListId) : nullptr;
    DWORD_PTR count = 0;
    if (!list || !SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 5000, &count)) return -1;
    return static_cast<int>(count);
}

bool WaitForCount(int count, DWORD timeoutMs) {
    double start = Now();
    while (ListedCount() != count) {
        if (Now() - start > timeoutMs) return false;
        Sleep(1);
    }
    return true;
}

// Every change of the listed count, read as often as the program answers.
struct CountWatch {
    std::atomic<bool> stop{false};
    std::vector<std::pair<double, int>> changes;
    std::thread thread;

    void Start() {
        thread = std::thread([this] {
            int last = ListedCount();
            while (!stop) {
                int count = ListedCount();
                if (count != last && count >= 0) {
                    changes.emplace_back(Now(), count);
                    last = count;
                }
                Sleep(1);
            }
        });
    }
    void End() {
        stop = true;
        thread.join();
    }
};

}  // namespace

// Seconds to make the storm's files where no one watches, the floor of the storm's own pace.
double UnwatchedStormSeconds(const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    double start = Now();
    for (int i = 0; i < kStormFiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\storm%05d.txt", i);
        MakeFile(folder + name);
    }
    double seconds = (Now() - start) / 1000.0;
    EmptyFolder(folder);
    RemoveDirectoryA(folder.c_str());
    return seconds;
}

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    int singles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp) + "tessary_watch\\";
    CreateDirectoryA(root.c_str(), nullptr);
    // A program folder of its own, without tabs remembered from another run.
    CreateDirectoryA((root + "data").c_str(), nullptr);
    EmptyFolder(root + "data");
    std::string program = root + "tessary.exe";
    if (!CopyFileA((FolderOf(ModulePath()) + "tessary.exe").c_str(), program.c_str(), FALSE)) {
        std::printf("cannot copy tessary.exe beside the benchmark\n");
        return 1;
    }
    std::string folder = root + "watched";
    CreateDirectoryA(folder.c_str(), nullptr);
    EmptyFolder(folder);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\" \"" + folder + "\"";
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("cannot start the program\n");
        return 1;
    }
    WaitForInputIdle(process.hProcess, 60000);
    bool ready = WaitForCount(0, 60000);
    Sleep(kPauseBetweenChangesMs);

    std::vector<double> latencies;
    for (int i = 0; ready && i < singles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\single%03d.txt", i);
        double made = Now();
        if (!MakeFile(folder + name) || !WaitForCount(i + 1, 10000)) break;
        latencies.push_back(Now() - made);
        Sleep(kPauseBetweenChangesMs);
    }
    if (latencies.empty()) {
        std::printf("change watch: the main list never showed a new file\n");
    } else {
        std::vector<double> sorted = latencies;
        std::sort(sorted.begin(), sorted.end());
        std::printf(
            "change watch: one new file shows in the main list after %.0f ms (median of %zu), %.0f ms at worst\n",
            sorted[sorted.size() / 2], sorted.size(), sorted.back());
    }

    double unwatchedSeconds = UnwatchedStormSeconds(root + "unwatched");
    int before = static_cast<int>(latencies.size());
    CountWatch watch;
    watch.Start();
    double stormStart = Now();
    for (int i = 0; i < kStormFiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\storm%05d.txt", i);
        MakeFile(folder + name);
    }
    double stormEnd = Now();
    bool allShown = WaitForCount(before + kStormFiles, 30000);
    double shown = Now();
    watch.End();
    int readings = 0;
    for (const auto& change : watch.changes)
        if (change.first <= stormEnd) ++readings;
    double stormSeconds = (stormEnd - stormStart) / 1000.0;
    std::printf(
        "change watch: %d files made in %.1f s (%.1f s where no list watches); the list was read again %d times "
        "meanwhile (%.2f a second) and %zu times in all",
        kStormFiles, stormSeconds, unwatchedSeconds, readings, readings / stormSeconds, watch.changes.size());
    if (allShown) std::printf("; it showed every file %.0f ms after the last was made\n", shown - stormEnd);
    else
        std::printf("; it never showed every file\n");

    if (HWND window = FindWindowA("tessary", nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EmptyFolder(folder);
    RemoveDirectoryA(folder.c_str());
    DeleteFileA(program.c_str());
    return 0;
}
