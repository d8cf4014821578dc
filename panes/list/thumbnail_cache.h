// The thumbnails of both lists, keyed by the file's path, and the small pool of workers that make
// them. The map and the bitmaps belong to the interface thread; the workers see only the queue of
// paths to make and hand their results back through a list of their own, both under one lock,
// and post a notice to the cache's message window when there is something to take.
#pragma once
#include <windows.h>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/request_queue.h"
#include "core/thumbnail_rules.h"
#include "panes/list/thumbnail_source.h"
#include "win/owners.h"

class ThumbnailCache : public ThumbnailSource {
public:
    // Beyond this many bitmaps the ones drawn least lately go, so that a long run through large
    // folders stays inside the system's budget of drawing objects.
    static constexpr size_t kMostBitmaps = 3000;

    explicit ThumbnailCache(size_t mostBitmaps = kMostBitmaps);
    // Stops the workers first: nothing they use goes before they have ended.
    ~ThumbnailCache() override;
    ThumbnailCache(const ThumbnailCache&) = delete;
    ThumbnailCache& operator=(const ThumbnailCache&) = delete;

    HBITMAP Ready(ThumbnailViewer& viewer, IShellFolder* folder, PCUITEMID_CHILD item, int row) override;
    void Forget(ThumbnailViewer& viewer) override;

    // Stops and joins the workers, then lets every bitmap go; nothing is made afterwards.
    void Shutdown();

    // What the cache holds for a path: the bitmap, null while it is made or when it failed.
    HBITMAP Lookup(const std::string& path) const;
    enum class State { Unknown, Pending, Made, Failed };
    State StateOf(const std::string& path) const;
    size_t BitmapCount() const { return bitmaps_; }
    // Every decode that a worker has begun since the start, and the workers running.
    uint64_t DecodesStarted() const;
    size_t WorkerThreads() const { return workers_.size(); }

private:
    struct Asker {
        ThumbnailViewer* viewer;
        int row;
    };
    struct Entry {
        bool pending = true;
        Bitmap bitmap;
        thumbs::FileStamp stamp;
        uint64_t lastDrawn = 0;
        std::vector<Asker> askers;
    };
    struct Result {
        std::string path;
        Bitmap bitmap;
        thumbs::FileStamp stamp;
    };

    static LRESULT CALLBACK NoticeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool StartWorkers();
    void Request(Entry& entry, const std::string& path, ThumbnailViewer& viewer, int row, bool newJob);
    void WorkerLoop();
    void TakeResults();
    void DropLeastDrawn();

    size_t mostBitmaps_;
    std::map<std::string, Entry> entries_;
    size_t bitmaps_ = 0;
    uint64_t drawCount_ = 0;
    bool shutDown_ = false;
    HWND noticeWindow_ = nullptr;
    std::vector<std::thread> workers_;

    // Shared with the workers.
    mutable std::mutex lock_;
    std::condition_variable work_;
    thumbs::RequestQueue queue_;
    std::vector<Result> results_;
    bool noticePosted_ = false;
    bool stopping_ = false;
    uint64_t decodesStarted_ = 0;
};
