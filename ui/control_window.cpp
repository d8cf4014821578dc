#include "ui/control_window.h"

#include "win/buffered_paint.h"

namespace {

// Lets whoever holds only the window find the object that drives it.
constexpr char kBindingProperty[] = "CPP_CLASS";

}  // namespace

ControlWindow::DeletionWatch::DeletionWatch(ControlWindow* control) : control_(control), outer_(control->watches_) {
    control->watches_ = this;
}

ControlWindow::DeletionWatch::~DeletionWatch() {
    if (!gone_) control_->watches_ = outer_;
}

ControlWindow::~ControlWindow() {
    for (DeletionWatch* watch = watches_; watch; watch = watch->outer_) watch->gone_ = true;
    images_.Reset();
    Unbind();
}

void ControlWindow::Create(HWND parent, int x, int y, int width, int height, int id, COLORREF transparent,
                           const char* tooltip) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    window_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    width_ = width;
    height_ = height;
    tooltipText_ = tooltip;
    hasTransparent_ = transparent != CLR_NONE;
    images_.Reset(ImageList_Create(width, height, ILC_COLOR32 | (hasTransparent_ ? ILC_MASK : 0), 8, 4));
    if (hasTransparent_) ImageList_SetBkColor(images_.Get(), transparent);
    transparent_ = hasTransparent_ ? transparent : 0;
    Bind();
}

void ControlWindow::CreateTooltip(const MSG& firstMove) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
    tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", TTS_ALWAYSTIP, 0, 0, 0, 0, window_, nullptr, instance, nullptr);
    if (!tooltip_) return;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    tool.lpszText = const_cast<char*>(tooltipText_);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    // The tool's own relay starts with the next message; this one starts its hover timer.
    SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&firstMove));
}

void ControlWindow::Bind() {
    if (!window_) return;
    SetPropA(window_, kBindingProperty, this);
    subclass_.Attach(window_, &ControlWindow::Dispatch, this);
}

void ControlWindow::Unbind() {
    if (!window_) return;
    // The tool relays the control's mouse messages to the tooltip through a subclass of its own;
    // unbound, the window is to be an ordinary button again, without either.
    if (tooltip_ && IsWindow(tooltip_)) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(window_);
        SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    subclass_.Detach();
    RemovePropA(window_, kBindingProperty);
}

void ControlWindow::ForgetWindow() {
    Unbind();
    window_ = nullptr;
    tooltip_ = nullptr;
    hover_ = false;
    pressed_ = false;
}

void ControlWindow::OnPaint(UINT, WPARAM, LPARAM) {
    // Nothing to draw, but a window left invalid would be sent WM_PAINT without end.
    ValidateRect(window_, nullptr);
}

void ControlWindow::InvalidateWhole() {
    // A null handle would invalidate every window on the desktop.
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void ControlWindow::PaintStandard(HBRUSH fill, UINT drawStyle) {
    if (!images_) {
        // Nothing to draw, but the window still has to be validated.
        PaintDC paint(window_);
        return;
    }
    BufferedPaint paint(window_);
    if (!paint.Dc()) return;
    if (fill) FillRect(paint.Dc(), &paint.Client(), fill);
    ImageList_Draw(images_.Get(), currentImage_, paint.Dc(), 0, 0, drawStyle);
}

bool ControlWindow::CursorInside() const {
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    RECT client;
    GetClientRect(window_, &client);
    return PtInRect(&client, cursor) != FALSE;
}

void ControlWindow::OnMouseMove() {
    if (!pressed_ && GetCapture() != window_) SetCapture(window_);
    bool wasHovering = hover_;
    if (CursorInside()) {
        hover_ = true;
        if (wasHovering) return;
        if (pressed_) OnPressed();
        else
            OnHoverEnter();
        InvalidateWhole();
        return;
    }
    hover_ = false;
    if (wasHovering) {
        OnHoverLeave();
        InvalidateWhole();
    }
    if (!pressed_) ReleaseCapture();
}

void ControlWindow::OnLeftDown() {
    if (!CursorInside()) return;
    // Taking a capture already held would report its loss to the holder itself.
    if (GetCapture() != window_) SetCapture(window_);
    pressed_ = true;
    OnPressed();
}

void ControlWindow::OnLeftUp() {
    DeletionWatch watch(this);
    if (CursorInside()) OnClick();
    else
        OnReleaseOutside();
    if (watch.ObjectGone()) return;
    pressed_ = false;
    ReleaseCapture();
}

void ControlWindow::OnCaptureChanged() {
    if (GetCapture() == window_) return;
    hover_ = false;
    OnCaptureLost();
}

LRESULT ControlWindow::Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<ControlWindow*>(context);
    switch (message) {
    case WM_PAINT: control->OnPaint(message, wParam, lParam); return 1;
    case WM_MOUSEMOVE:
        if (control->tooltipText_ && !control->tooltip_)
            control->CreateTooltip(MSG{window, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}});
        control->OnMouseMove();
        return 1;
    // The button class reports a quick second press as a double click and would take it for
    // itself; to the user it is one more press.
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONDOWN: control->OnLeftDown(); return 1;
    case WM_LBUTTONUP: control->OnLeftUp(); return 1;
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONDOWN: control->OnRightDown(); return 1;
    case WM_CAPTURECHANGED: control->OnCaptureChanged(); break;
    case WM_NCDESTROY: control->ForgetWindow(); break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
