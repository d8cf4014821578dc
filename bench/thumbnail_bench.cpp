// Thumbnail benchmark, in the running program: a folder of 1,000 JPEG pictures shown in the
// thumbnail style. The time until the first screen of thumbnails is drawn, the time until every
// picture has one while the list is scrolled through to the end, and the longest that the
// interface thread took to answer one message meanwhile; each against making the same thumbnails
// one after another on one thread, without the program.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_program.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "panes/list/thumbnail_cache.h"
#include "shell/thumbnail_maker.h"
#include "tests/support/picture_files.h"

namespace {

constexpr int kPictures = 1000;
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr double kGiveUpMs = 300000;

std::string PicturePath(const std::string& folder, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "\\p%04d.jpg", index);
    return folder + name;
}

bool WritePictures(const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string bytes = JpegFileBytes(
        kWidth, kHeight, [](int x, int y) { return RGB(x * 255 / kWidth, y * 255 / kHeight, (x ^ y) & 0xFF); });
    if (bytes.empty()) return false;
    for (int index = 0; index < kPictures; ++index) {
        HANDLE file = CreateFileA(PicturePath(folder, index).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        if (written != bytes.size()) return false;
    }
    return true;
}

RECT RowBounds(HWND list, int row) {
    RECT cell{};
    cell.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    return cell;
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    OleInitialize(nullptr);
    std::string root = FreshProgramFolder("tessary_thumbnails");
    std::string pictures = root + "\\pictures";
    std::string ini = root + "\\data\\t.ini";
    WritePrivateProfileStringA("LIST", "POLAROID", "0", ini.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
    if (!WritePictures(pictures)) {
        std::printf("the pictures could not be made\n");
        return 1;
    }

    StartOptions options;
    options.arguments = {pictures};
    options.programFolder = root + "\\";
    double start = Now();
    std::unique_ptr<Application> application = Application::Start(GetModuleHandleA(nullptr), options);
    MainWindow* main = application ? MainWindow::FromHandle(application->Window()) : nullptr;
    if (!main) {
        std::printf("the program did not start\n");
        return 1;
    }
    SetWindowPos(application->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER);
    main->MainList().SetViewStyle(kThumbnailStyle, true);
    double shownMs = Now() - start;
    HWND list = main->MainList().Window();
    ThumbnailCache& cache = main->Thumbnails();
    FolderList& model = main->MainList().Model();
    auto pathOf = [&](int row) { return pictures + "\\" + model.Name(static_cast<size_t>(row)); };
    // The rows drawn so far are the ones the list asked pictures for; done when each has its
    // answer, made or failed.
    auto askedSettled = [&](size_t& asked) {
        asked = 0;
        for (size_t row = 0; row < model.Count(); ++row) {
            ThumbnailCache::State state = cache.StateOf(pathOf(static_cast<int>(row)));
            if (state == ThumbnailCache::State::Pending) return false;
            if (state != ThumbnailCache::State::Unknown) ++asked;
        }
        return asked > 0;
    };

    size_t firstScreen = 0;
    double longestMessage = PumpUntil([&] { return askedSettled(firstScreen); }, kGiveUpMs);
    // The last of the first screen's redraws has been asked for; it is drawn with the next paint.
    UpdateWindow(list);
    double firstScreenMs = Now() - start;

    // Scrolled a screen at a time, as fast as the list draws, until the last row is on screen.
    RECT client{};
    GetClientRect(list, &client);
    struct Scroll {
        double longestPage = 0;
        double longestMessage = 0;
        int pages = 0;
        bool stuck = false;
    };
    // The control may flow the cells down the columns or across the rows; it scrolls either way.
    auto scrollThrough = [&] {
        Scroll scroll;
        for (;;) {
            RECT last = RowBounds(list, kPictures - 1);
            int dx = last.right > client.right ? client.right - client.left : 0;
            int dy = last.bottom > client.bottom ? client.bottom - client.top : 0;
            if (dx == 0 && dy == 0) return scroll;
            POINT before{}, after{};
            SendMessageA(list, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(&before));
            double started = Now();
            SendMessageA(list, LVM_SCROLL, dx, dy);
            UpdateWindow(list);
            scroll.longestPage = std::max(scroll.longestPage, Now() - started);
            ++scroll.pages;
            scroll.longestMessage = std::max(scroll.longestMessage, PumpUntil([] { return false; }, 20));
            SendMessageA(list, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(&after));
            if (after.x == before.x && after.y == before.y) {
                std::printf("the list did not scroll past (%ld, %ld)\n", after.x, after.y);
                scroll.stuck = true;
                return scroll;
            }
        }
    };
    Scroll thumbnails = scrollThrough();
    if (thumbnails.stuck) return 1;
    longestMessage = std::max(longestMessage, thumbnails.longestMessage);
    size_t allAsked = 0;
    longestMessage = std::max(longestMessage, PumpUntil([&] { return askedSettled(allAsked); }, kGiveUpMs));
    double allMs = Now() - start;
    size_t made = cache.BitmapCount();
    uint64_t decodes = cache.DecodesStarted();
    size_t workers = cache.WorkerThreads();
    // The same scroll in the large-icon style, where no picture is asked for.
    main->MainList().SetViewStyle(kIconStyle, true);
    SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);
    UpdateWindow(list);
    Scroll icons = scrollThrough();
    double quitStart = Now();
    DestroyWindow(application->Window());
    application.reset();
    double quitMs = Now() - quitStart;

    // The same thumbnails made one after another on this thread, without the program.
    double rawStart = Now();
    for (size_t i = 0; i < firstScreen; ++i) MakeThumbnail(PicturePath(pictures, static_cast<int>(i)));
    double rawFirstMs = Now() - rawStart;
    rawStart = Now();
    for (int index = 0; index < kPictures; ++index) MakeThumbnail(PicturePath(pictures, index));
    double rawAllMs = Now() - rawStart;

    std::printf("Thumbnail benchmark (%d JPEG pictures of %d x %d, %zu workers)\n", kPictures, kWidth, kHeight,
                workers);
    std::printf("  list shown after start:             %.0f ms\n", shownMs);
    std::printf("  first screen of %zu thumbnails:      %.0f ms after start (goal 2000 ms)\n", firstScreen,
                firstScreenMs);
    std::printf("    one thread, same pictures, raw:  %.0f ms\n", rawFirstMs);
    std::printf("  all %zu thumbnails, %d pages scrolled: %.0f ms after start (goal 20000 ms)\n", allAsked,
                thumbnails.pages, allMs);
    std::printf("    one thread, same pictures, raw:  %.0f ms (%.1f ms a picture)\n", rawAllMs, rawAllMs / kPictures);
    std::printf("  longest message on the interface thread: %.1f ms (goal 100 ms)\n", longestMessage);
    std::printf("  longest scroll of a page with its paint: %.1f ms\n", thumbnails.longestPage);
    std::printf("    the same scroll in the large-icon style: %.1f ms a page at most, longest message %.1f ms\n",
                icons.longestPage, icons.longestMessage);
    std::printf("  decodes %llu, bitmaps held %zu, quit with the workers joined: %.0f ms\n",
                static_cast<unsigned long long>(decodes), made, quitMs);
    return 0;
}
