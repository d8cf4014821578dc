#include "panes/list/thumbnail_cache.h"

#include <objbase.h>

#include <algorithm>
#include <utility>

#include "shell/item_names.h"
#include "shell/thumbnail_maker.h"

namespace {

constexpr char kNoticeClass[] = "TessaryThumbnailNotice";
constexpr UINT kResultsWaiting = WM_APP + 40;

int ProcessorCount() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return static_cast<int>(info.dwNumberOfProcessors);
}

}  // namespace

ThumbnailCache::ThumbnailCache(size_t mostBitmaps) : mostBitmaps_(std::max<size_t>(mostBitmaps, 1)) {}

ThumbnailCache::~ThumbnailCache() { Shutdown(); }

LRESULT CALLBACK ThumbnailCache::NoticeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kResultsWaiting) {
        auto* cache = reinterpret_cast<ThumbnailCache*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (cache) cache->TakeResults();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The notice window and the workers come with the first picture asked for, so that a run that
// never shows thumbnails starts no threads.
bool ThumbnailCache::StartWorkers() {
    if (noticeWindow_) return true;
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA notice{};
    notice.lpfnWndProc = &NoticeProcedure;
    notice.hInstance = module;
    notice.lpszClassName = kNoticeClass;
    RegisterClassA(&notice);
    noticeWindow_ = CreateWindowExA(0, kNoticeClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
    if (!noticeWindow_) return false;
    SetWindowLongPtrA(noticeWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    int count = thumbs::WorkerCount(ProcessorCount());
    for (int i = 0; i < count; ++i) workers_.emplace_back([this] { WorkerLoop(); });
    return true;
}

HBITMAP ThumbnailCache::Ready(ThumbnailViewer& viewer, IShellFolder* folder, PCUITEMID_CHILD item, int row) {
    if (shutDown_) return nullptr;
    std::string path = FileSystemPath(folder, item);
    thumbs::FileStamp now;
    if (!thumbs::IsPictureName(path) || !CurrentFileStamp(path, now)) return nullptr;
    auto found = entries_.find(path);
    if (found == entries_.end()) {
        if (!StartWorkers()) return nullptr;
        found = entries_.emplace(path, Entry{}).first;
        Request(found->second, path, viewer, row, true);
        return nullptr;
    }
    Entry& entry = found->second;
    if (entry.pending) {
        Request(entry, path, viewer, row, false);
        return nullptr;
    }
    // Made from another file than the one there now, or a failed one that has changed since.
    if (entry.stamp != now) {
        if (entry.bitmap) --bitmaps_;
        entry.bitmap.Reset();
        entry.pending = true;
        Request(entry, path, viewer, row, true);
        return nullptr;
    }
    entry.lastDrawn = ++drawCount_;
    return entry.bitmap.Get();
}

// The row is remembered for the viewer. A new job is queued; a path that still waits moves to the
// front of the queue, since it is on the screen now, and one that a worker has taken is left to it.
void ThumbnailCache::Request(Entry& entry, const std::string& path, ThumbnailViewer& viewer, int row, bool newJob) {
    auto asked = std::find_if(entry.askers.begin(), entry.askers.end(),
                              [&](const Asker& asker) { return asker.viewer == &viewer; });
    if (asked == entry.askers.end()) entry.askers.push_back(Asker{&viewer, row});
    else
        asked->row = row;
    std::lock_guard<std::mutex> held(lock_);
    if (!newJob && !queue_.Waiting(path)) return;
    queue_.Push(path);
    work_.notify_one();
}

void ThumbnailCache::Forget(ThumbnailViewer& viewer) {
    for (auto& [path, entry] : entries_)
        entry.askers.erase(std::remove_if(entry.askers.begin(), entry.askers.end(),
                                          [&](const Asker& asker) { return asker.viewer == &viewer; }),
                           entry.askers.end());
}

void ThumbnailCache::WorkerLoop() {
    // The picture loader is a COM object of this thread's own.
    HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    for (;;) {
        std::string path;
        {
            std::unique_lock<std::mutex> held(lock_);
            work_.wait(held, [this] { return stopping_ || queue_.Size() > 0; });
            if (stopping_) break;
            queue_.Take(path);
            ++decodesStarted_;
        }
        MadeThumbnail made = MakeThumbnail(path);
        bool post = false;
        {
            std::lock_guard<std::mutex> held(lock_);
            results_.push_back(Result{std::move(path), std::move(made.bitmap), made.stamp});
            post = !noticePosted_;
            noticePosted_ = true;
        }
        // Posted, never sent, and outside the lock: the interface thread takes the results when
        // it gets round to them, and a worker never waits for it.
        if (post) PostMessageA(noticeWindow_, kResultsWaiting, 0, 0);
    }
    if (SUCCEEDED(com)) CoUninitialize();
}

void ThumbnailCache::TakeResults() {
    std::vector<Result> taken;
    {
        std::lock_guard<std::mutex> held(lock_);
        taken.swap(results_);
        noticePosted_ = false;
    }
    for (Result& result : taken) {
        auto found = entries_.find(result.path);
        if (found == entries_.end() || !found->second.pending) continue;
        Entry& entry = found->second;
        entry.pending = false;
        entry.stamp = result.stamp;
        entry.bitmap = std::move(result.bitmap);
        if (entry.bitmap) ++bitmaps_;
        entry.lastDrawn = ++drawCount_;
        std::vector<Asker> askers = std::move(entry.askers);
        entry.askers.clear();
        // A viewer redraws its row, which may ask the cache again: the entry is settled by now.
        for (const Asker& asker : askers) asker.viewer->ThumbnailMade(result.path, asker.row);
    }
    if (bitmaps_ > mostBitmaps_) DropLeastDrawn();
}

// Drops the tenth of the bitmaps drawn longest ago, so that this runs once in many results.
void ThumbnailCache::DropLeastDrawn() {
    std::vector<std::pair<uint64_t, std::string>> drawn;
    drawn.reserve(bitmaps_);
    for (const auto& [path, entry] : entries_)
        if (!entry.pending && entry.bitmap) drawn.emplace_back(entry.lastDrawn, path);
    size_t keep = mostBitmaps_ - mostBitmaps_ / 10;
    if (drawn.size() <= keep) return;
    size_t drop = drawn.size() - keep;
    std::nth_element(drawn.begin(), drawn.begin() + static_cast<std::ptrdiff_t>(drop - 1), drawn.end());
    for (size_t i = 0; i < drop; ++i) entries_.erase(drawn[i].second);
    bitmaps_ -= drop;
}

void ThumbnailCache::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    {
        std::lock_guard<std::mutex> held(lock_);
        stopping_ = true;
        queue_.Clear();
    }
    work_.notify_all();
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
    results_.clear();
    entries_.clear();
    bitmaps_ = 0;
    if (noticeWindow_) DestroyWindow(noticeWindow_);
    noticeWindow_ = nullptr;
}

HBITMAP ThumbnailCache::Lookup(const std::string& path) const {
    auto found = entries_.find(path);
    return found == entries_.end() ? nullptr : found->second.bitmap.Get();
}

ThumbnailCache::State ThumbnailCache::StateOf(const std::string& path) const {
    auto found = entries_.find(path);
    if (found == entries_.end()) return State::Unknown;
    if (found->second.pending) return State::Pending;
    return found->second.bitmap ? State::Made : State::Failed;
}

uint64_t ThumbnailCache::DecodesStarted() const {
    std::lock_guard<std::mutex> held(lock_);
    return decodesStarted_;
}
