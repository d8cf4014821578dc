#include "win/drive_watcher.h"

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "win/thread_wait.h"

namespace {

// Folders only: the tree shows nothing else.
constexpr DWORD kFolderChanges = FILE_NOTIFY_CHANGE_DIR_NAME;
constexpr DWORD kStopWaitMs = 2000;
// A message lost on its way would otherwise keep the thread from ever posting again.
constexpr DWORD kPostAgainAfterMs = 5000;

struct WatchedDrive {
    ChangeNotification change;
    uint32_t bit = 0;
};

std::vector<WatchedDrive> OpenFixedDrives() {
    std::vector<WatchedDrive> drives;
    DWORD letters = GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        uint32_t bit = 1u << (letter - 'A');
        if (!(letters & bit)) continue;
        char root[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) != DRIVE_FIXED) continue;
        ChangeNotification change(FindFirstChangeNotificationA(root, TRUE, kFolderChanges));
        if (change.Valid()) drives.push_back(WatchedDrive{std::move(change), bit});
    }
    return drives;
}

bool HandleBroken(HANDLE handle) { return WaitForSingleObject(handle, 0) == WAIT_FAILED; }

}  // namespace

uint32_t DriveBitOf(const char* path) {
    if (!path || !path[0] || path[1] != ':') return 0;
    char letter = path[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    return letter >= 'A' && letter <= 'Z' ? 1u << (letter - 'A') : 0;
}

// Everything the thread uses; the thread holds it as long as the watcher does, so that a thread
// left running at exit uses nothing freed.
struct DriveWatcher::Shared {
    Shared() : stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

    void Post(DWORD now) {
        if (posted.exchange(true) && now - postedAt < kPostAgainAfterMs) return;
        postedAt = now;
        if (!PostMessageA(window, message, 0, 0)) posted = false;
    }

    void Run();

    Handle stop;
    HWND window = nullptr;
    UINT message = 0;
    watching::PacingRules rules;
    // Opened before the thread starts, so that what the window reads from then on is followed.
    std::vector<WatchedDrive> drives;
    std::atomic<uint32_t> changed{0};
    // A posted message that the window has not taken yet reads every change seen until it is.
    std::atomic<bool> posted{false};
    // Read and written by the thread alone.
    DWORD postedAt = 0;
};

// Each notification is armed again as soon as it fires, so that what changes while the pacer holds
// the changes back fires it anew. A notification that cannot be armed again or waited on (its disk
// went away) is dropped, rather than firing at once for ever.
void DriveWatcher::Shared::Run() {
    watching::ChangePacer pacer(rules);
    uint32_t seen = 0;
    for (;;) {
        std::vector<HANDLE> waits{stop.Get()};
        for (const WatchedDrive& drive : drives) waits.push_back(drive.change.Get());
        DWORD timeout = pacer.Waiting() ? pacer.Remaining(GetTickCount()) : INFINITE;
        DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(waits.size()), waits.data(), FALSE, timeout);
        DWORD now = GetTickCount();
        if (woken == WAIT_OBJECT_0) return;
        if (woken == WAIT_TIMEOUT) {
            if (pacer.Take(now) == watching::Verdict::Reload && seen) {
                changed.fetch_or(seen);
                seen = 0;
                Post(now);
            }
            continue;
        }
        size_t index = woken - WAIT_OBJECT_0 - 1;
        if (woken > WAIT_OBJECT_0 && index < drives.size()) {
            WatchedDrive& drive = drives[index];
            seen |= drive.bit;
            pacer.Change(now);
            if (!FindNextChangeNotification(drive.change.Get())) drives.erase(drives.begin() + index);
            continue;
        }
        if (HandleBroken(stop.Get())) return;
        size_t before = drives.size();
        for (size_t at = drives.size(); at-- > 0;)
            if (HandleBroken(drives[at].change.Get())) drives.erase(drives.begin() + at);
        if (drives.size() == before) return;
    }
}

DriveWatcher::DriveWatcher() : shared_(std::make_shared<Shared>()) {}

DriveWatcher::~DriveWatcher() { Stop(kStopWaitMs); }

bool DriveWatcher::Start(HWND window, UINT message, const watching::PacingRules& rules) {
    if (thread_.Valid()) return true;
    Shared& shared = *shared_;
    if (!shared.stop.Valid()) return false;
    shared.window = window;
    shared.message = message;
    shared.rules = rules;
    shared.drives = OpenFixedDrives();
    thread_ = StartSharedThread(shared_);
    return thread_.Valid();
}

uint32_t DriveWatcher::TakeChangedDrives() {
    shared_->posted = false;
    return shared_->changed.exchange(0);
}

void DriveWatcher::AskToStop() { SetEvent(shared_->stop.Get()); }

bool DriveWatcher::Stop(DWORD timeoutMs) {
    if (thread_.Valid()) AskToStop();
    return JoinThread(thread_, timeoutMs);
}

bool DriveWatcher::Running() const { return thread_.Valid() && WaitForSingleObject(thread_.Get(), 0) == WAIT_TIMEOUT; }
