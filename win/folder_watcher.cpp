#include "win/folder_watcher.h"

#include <atomic>
#include <mutex>
#include <utility>

#include "win/thread_wait.h"

namespace {

// Names, attributes and sizes. A write that changes only a file's time is not followed: the time
// shows with the next reading.
constexpr DWORD kChangesShown = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE;

constexpr DWORD kStopWaitMs = 2000;
// A message lost on its way would otherwise keep the thread from ever posting again.
constexpr DWORD kPostAgainAfterMs = 5000;

ChangeNotification OpenChangeNotification(const std::string& directory) {
    if (directory.empty()) return ChangeNotification();
    return ChangeNotification(
        FindFirstChangeNotificationA(watching::DirectoryToWatch(directory).c_str(), FALSE, kChangesShown));
}

}  // namespace

// Everything the thread uses; the thread holds it as long as the watcher does, so that a thread
// left running at exit uses nothing freed.
struct FolderWatcher::Shared {
    Shared()
        : stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)), retarget(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

    std::string Directory() {
        std::lock_guard<std::mutex> held(lock);
        return directory;
    }

    void Post(DWORD now) {
        if (reloadWaiting.exchange(true) && now - postedAt < kPostAgainAfterMs) return;
        postedAt = now;
        if (!PostMessageA(reload.window, reload.message, 0, reload.lParam)) reloadWaiting = false;
    }

    void Run();

    Handle stop;
    // Signalled after the directory was replaced.
    Handle retarget;
    Handle ownChange;
    Message reload;
    watching::PacingRules rules;
    std::mutex lock;
    std::string directory;
    // A posted message that the window has not taken yet reads every change seen until it is.
    std::atomic<bool> reloadWaiting{false};
    // Read and written by the thread alone.
    DWORD postedAt = 0;
};

// The change notification is closed as soon as it fires and opened afresh once the changes are
// taken, before the window is asked to read the directory: what changed meanwhile is in that
// reading, and what changes after it fires the new notification. A directory that no longer opens
// (deleted, or its disk removed) then has no notification, and nothing fires until another
// directory is named.
void FolderWatcher::Shared::Run() {
    enum Wake : DWORD { kStop = WAIT_OBJECT_0, kRetarget, kOwnChange, kChange };
    watching::ChangePacer pacer(rules);
    std::string watched;
    ChangeNotification change;
    for (;;) {
        HANDLE waits[] = {stop.Get(), retarget.Get(), ownChange.Get(), change.Get()};
        DWORD count = change.Valid() ? 4 : 3;
        DWORD timeout = pacer.Waiting() ? pacer.Remaining(GetTickCount()) : INFINITE;
        DWORD woken = WaitForMultipleObjects(count, waits, FALSE, timeout);
        DWORD now = GetTickCount();
        switch (woken) {
        case kStop: return;
        case kRetarget:
            // Reset before the path is read: a path named meanwhile signals again.
            ResetEvent(retarget.Get());
            watched = Directory();
            pacer.Forget();
            change = OpenChangeNotification(watched);
            break;
        case kOwnChange:
            ResetEvent(ownChange.Get());
            pacer.OwnChange(now);
            break;
        case kChange:
            change.Reset();
            pacer.Change(now);
            break;
        case WAIT_TIMEOUT: {
            watching::Verdict verdict = pacer.Take(now);
            if (verdict == watching::Verdict::Wait) break;
            change = OpenChangeNotification(watched);
            if (verdict == watching::Verdict::Reload) Post(now);
            break;
        }
        default:
            // Only the notification can go bad while the thread runs; it is dropped rather than
            // waited on again, which would fail at once for ever.
            if (!change.Valid()) return;
            change.Reset();
            break;
        }
    }
}

FolderWatcher::FolderWatcher() : shared_(std::make_shared<Shared>()) {}

FolderWatcher::~FolderWatcher() { Stop(kStopWaitMs); }

bool FolderWatcher::Start(const Message& reload, HANDLE ownChange, const watching::PacingRules& rules) {
    if (thread_.Valid()) return true;
    Shared& shared = *shared_;
    HANDLE ownCopy = nullptr;
    if (!shared.stop.Valid() || !shared.retarget.Valid() || !ownChange ||
        !DuplicateHandle(GetCurrentProcess(), ownChange, GetCurrentProcess(), &ownCopy, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        return false;
    shared.ownChange.Reset(ownCopy);
    shared.reload = reload;
    shared.rules = rules;
    thread_ = StartSharedThread(shared_);
    return thread_.Valid();
}

void FolderWatcher::Watch(const std::string& directory) {
    {
        std::lock_guard<std::mutex> held(shared_->lock);
        shared_->directory = directory;
    }
    SetEvent(shared_->retarget.Get());
}

void FolderWatcher::ReloadTaken() { shared_->reloadWaiting = false; }

void FolderWatcher::AskToStop() { SetEvent(shared_->stop.Get()); }

bool FolderWatcher::Stop(DWORD timeoutMs) {
    if (thread_.Valid()) AskToStop();
    return JoinThread(thread_, timeoutMs);
}

bool FolderWatcher::Running() const { return thread_.Valid() && WaitForSingleObject(thread_.Get(), 0) == WAIT_TIMEOUT; }
