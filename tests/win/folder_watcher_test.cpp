// The watcher of one directory posting to a window of the test, for changes made through the file
// system. What the lists make of it is tested with the program (tests/app/list_watch_test.cpp), and
// its pace natively (tests/core/folder_watching_test.cpp).
#include "win/folder_watcher.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace {

constexpr UINT kReload = WM_APP + 1;
constexpr LPARAM kListToken = 7;

// Counts the posts that reach it, each taken at once as the main window takes it.
struct PostCounter {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<PostCounter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (!self || message != kReload) return DefWindowProcA(window, message, wParam, lParam);
        EXPECT_EQ(kListToken, lParam);
        ++self->posts;
        self->watcher->ReloadTaken();
        return 0;
    }
    FolderWatcher* watcher = nullptr;
    int posts = 0;
};

TEST(FolderWatcher, APathThatCannotBeWatchedLeavesItIdleUntilTheNextAndOneFileMadeIsOnePost) {
    TempFolder folder;
    WriteBytes(folder.Path() + "file.txt", "1");
    FolderWatcher watcher;
    PostCounter counter{&watcher};
    HWND window = CreateTestWindow("tsy_watch_target", &PostCounter::Procedure, 0, WS_OVERLAPPED, 10, 10, &counter);
    {
        Handle ownChange(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        ASSERT_TRUE(watcher.Start(FolderWatcher::Message{window, kReload, kListToken}, ownChange.Get()));
    }
    for (const char* unwatchable : {"missing", "file.txt"}) {
        watcher.Watch(folder.Path() + unwatchable);
        PumpUntil([] { return false; }, 100);
        WriteBytes(folder.Path() + "more.txt", "1");
        EXPECT_FALSE(PumpUntil([&] { return counter.posts > 0; }, 600)) << unwatchable;
    }
    watcher.Watch(folder.Path());
    PumpUntil([] { return false; }, 100);
    // Made, then written: two changes on disk, one reading.
    WriteBytes(folder.Path() + "after.txt", "1");
    PumpUntil([] { return false; }, 1500);
    EXPECT_EQ(1, counter.posts);
    EXPECT_TRUE(watcher.Stop(2000));
    DestroyWindow(window);
}

}  // namespace
