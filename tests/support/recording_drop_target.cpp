#include "tests/support/recording_drop_target.h"

#include <shellapi.h>

#include <new>

#include "dnd/dropped_items.h"
#include "dnd/storage_medium.h"
#include "shell/item_names.h"
#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"
#include "win/global_memory.h"

HRESULT RecordingDropTarget::DragOver(DWORD keyState, POINTL, DWORD* effect) {
    ++overs;
    overKeys = keyState;
    effectOffered = *effect;
    *effect = DROPEFFECT_COPY;
    return S_OK;
}

HRESULT RecordingDropTarget::Left() {
    ++leaves;
    return S_OK;
}

HRESULT RecordingDropTarget::Dropped(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
    dropKeys = keyState;
    FORMATETC files{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    StorageMedium medium;
    if (SUCCEEDED(data->GetData(&files, medium.Put()))) {
        auto drop = static_cast<HDROP>(medium.Get().hGlobal);
        UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char path[MAX_PATH] = {};
            DragQueryFileA(drop, i, path, sizeof path);
            droppedFiles.push_back(path);
        }
    }
    FORMATETC text{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (SUCCEEDED(data->GetData(&text, medium.Put()))) {
        LockedGlobal locked(medium.Get().hGlobal);
        if (locked.Data()) droppedText = static_cast<const char*>(locked.Data());
    }
    DroppedItems items;
    if (ReadDroppedItems(data, items))
        for (const ItemIdList& child : items.children)
            droppedItems.push_back(ItemPath(items.parent.Get(), child.Get()));
    *effect = DROPEFFECT_COPY;
    ++drops;
    return S_OK;
}

namespace {

LRESULT CALLBACK DropWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

DropWindow::DropWindow(int x, int y, int width, int height) {
    window_ = CreateTestWindow("TsyDropWindow", DropWindowProcedure, WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                               WS_POPUP | WS_VISIBLE | WS_BORDER, width, height);
    if (window_) SetWindowPos(window_, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    target_ = new (std::nothrow) RecordingDropTarget();
    registered_ = window_ && target_ && SUCCEEDED(RegisterDragDrop(window_, target_));
}

DropWindow::~DropWindow() {
    if (registered_) RevokeDragDrop(window_);
    if (target_) target_->Release();
    if (window_) DestroyWindow(window_);
}

POINT DropWindow::Centre() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

PointerScript::PointerScript(std::function<void()> steps)
    : thread_([this, steps = std::move(steps)] {
          steps();
          finished_ = true;
      }) {}

PointerScript::~PointerScript() { thread_.join(); }

bool WaitOnPointerThread(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

namespace {

void SendPointerTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((screen.x * 65535LL) / (GetSystemMetrics(SM_CXSCREEN) - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535LL) / (GetSystemMetrics(SM_CYSCREEN) - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

}  // namespace

bool MovePointerUntil(POINT to, const std::function<bool()>& condition, DWORD timeoutMs) {
    POINT from{};
    GetCursorPos(&from);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        SendPointerTo(POINT{from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
        Sleep(30);
    }
    DWORD start = GetTickCount();
    for (int round = 0; !condition(); ++round) {
        if (GetTickCount() - start > timeoutMs) return false;
        SendPointerTo(POINT{to.x + (round % 2), to.y});
        Sleep(30);
    }
    SendPointerTo(to);
    Sleep(30);
    return true;
}
