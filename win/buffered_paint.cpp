#include "win/buffered_paint.h"

namespace {

RECT ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

}  // namespace

BufferedPaint::BufferedPaint(HWND window) : paint_(window), client_(ClientOf(window)), memory_(paint_.Get()) {
    if (client_.right <= 0 || client_.bottom <= 0 || !paint_.Get() || !memory_.Get()) return;
    buffer_.Reset(CreateCompatibleBitmap(paint_.Get(), client_.right, client_.bottom));
    if (!buffer_) return;
    previous_ = SelectObject(memory_.Get(), buffer_.Get());
    ready_ = previous_ != nullptr;
}

BufferedPaint::~BufferedPaint() {
    if (!ready_) return;
    const RECT& dirty = paint_.Dirty();
    BitBlt(paint_.Get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, memory_.Get(),
           dirty.left, dirty.top, SRCCOPY);
    // The bitmap is deleted after this; it must not still be selected then.
    SelectObject(memory_.Get(), previous_);
}
