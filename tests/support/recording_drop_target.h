// A drop target on a window of the test that records what a drag brings it, and a thread that
// moves the real pointer and presses its buttons while the test's own thread is inside the drag's
// loop, as a user's hand does.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "dnd/drop_target_base.h"

class RecordingDropTarget : public DropTargetBase {
public:
    // Counts, read by the pointer's thread while the drag runs.
    std::atomic<int> enters{0}, overs{0}, leaves{0}, drops{0};
    // The key state of the last move over the target, and the one that the drop came with.
    std::atomic<DWORD> overKeys{0};
    DWORD dropKeys = 0;
    // What the drop brought: the paths of the file list, the text, and the full paths of the
    // identifier-list array's items (parent joined with each child).
    std::vector<std::string> droppedFiles;
    std::string droppedText;
    std::vector<std::string> droppedItems;
    DWORD effectOffered = 0;
    // Run on the drag's own thread when the drag arrives, to look at the program meanwhile.
    std::function<void()> onEnter;

    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;

protected:
    void Entered() override {
        ++enters;
        if (onEnter) onEnter();
    }
    HRESULT Left() override;
    HRESULT Dropped(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
};

// A top-level window at a point of the screen, above the program's, that accepts drops through a
// recording target for as long as it lives.
class DropWindow {
public:
    DropWindow(int x, int y, int width, int height);
    ~DropWindow();
    DropWindow(const DropWindow&) = delete;
    DropWindow& operator=(const DropWindow&) = delete;
    HWND Window() const { return window_; }
    bool Registered() const { return registered_; }
    POINT Centre() const;
    RecordingDropTarget& Target() { return *target_; }

private:
    HWND window_ = nullptr;
    RecordingDropTarget* target_ = nullptr;
    bool registered_ = false;
};

// Runs the steps on a thread of their own, joined when the object goes.
class PointerScript {
public:
    explicit PointerScript(std::function<void()> steps);
    ~PointerScript();
    PointerScript(const PointerScript&) = delete;
    PointerScript& operator=(const PointerScript&) = delete;
    bool Finished() const { return finished_; }

private:
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

// For the pointer's thread: waits, without handling messages, until the condition holds.
bool WaitOnPointerThread(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// For the pointer's thread: the pointer is moved across to a point in small steps, then held there
// with a small jiggle until the condition holds, so that the drag's loop sees it arrive.
bool MovePointerUntil(POINT to, const std::function<bool()>& condition, DWORD timeoutMs = 10000);
