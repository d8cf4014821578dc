// The base of every clickable bitmap control: an owner-drawn "BUTTON" child bound to its object,
// whose raw mouse messages become eight virtual operations. Hover is tracked by holding the mouse
// capture while the cursor is over the control. The base owns the image list of the control's
// looks and an optional tooltip; it draws nothing and decides nothing itself.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/owners.h"
#include "win/subclass.h"

class ControlWindow {
public:
    ControlWindow() = default;
    virtual ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    // Creates the window and the image list and binds the object. The transparent colour is
    // CLR_NONE for none; the tooltip text, when not null, is not copied and must live
    // as long as the control.
    void Create(HWND parent, int x, int y, int width, int height, int id, COLORREF transparent, const char* tooltip);
    // Does not redraw: callers invalidate when they are done changing looks.
    void SetImage(int index) { currentImage_ = index; }

    HWND Window() const { return window_; }
    // Null until the pointer first moves over the control: a tooltip is a top-level window of its
    // own, and a window full of buttons would otherwise start by making one for each.
    HWND Tooltip() const { return tooltip_; }
    bool Hover() const { return hover_; }
    bool Pressed() const { return pressed_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int CurrentImage() const { return currentImage_; }
    HIMAGELIST Images() const { return images_.Get(); }
    bool HasTransparentColour() const { return hasTransparent_; }
    COLORREF TransparentColour() const { return transparent_; }

protected:
    virtual void OnPaint(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnClick() {}
    virtual void OnRightDown() {}
    virtual void OnPressed() {}
    virtual void OnReleaseOutside() {}
    virtual void OnHoverEnter() {}
    virtual void OnHoverLeave() {}
    virtual void OnCaptureLost() {}

    // The double-buffered paint that every member shares: the current image drawn at the
    // top-left corner with drawStyle, over a fill of the whole control when fill is not null.
    void PaintStandard(HBRUSH fill, UINT drawStyle);
    void InvalidateWhole();

    // Lets a member see whether the object was deleted by an action it called (a dialog's
    // buttons go with their dialog). Watches nest; each one learns of the deletion.
    class DeletionWatch {
    public:
        explicit DeletionWatch(ControlWindow* control);
        ~DeletionWatch();
        DeletionWatch(const DeletionWatch&) = delete;
        DeletionWatch& operator=(const DeletionWatch&) = delete;
        bool ObjectGone() const { return gone_; }

    private:
        friend class ControlWindow;
        ControlWindow* control_;
        DeletionWatch* outer_;
        bool gone_ = false;
    };

private:
    static LRESULT Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Bind();
    void Unbind();
    // The cursor as it is now, not as the message recorded it.
    bool CursorInside() const;
    void OnMouseMove();
    void OnLeftDown();
    void OnLeftUp();
    void OnCaptureChanged();
    // The window is going away before the object: forget it so that nothing is done to a dead
    // or reused handle later.
    void ForgetWindow();
    void CreateTooltip(const MSG& firstMove);

    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    const char* tooltipText_ = nullptr;
    bool hover_ = false;
    bool pressed_ = false;
    Subclass subclass_;
    int width_ = 0;
    int height_ = 0;
    COLORREF transparent_ = 0;
    bool hasTransparent_ = false;
    int currentImage_ = 0;
    ImageList images_;
    DeletionWatch* watches_ = nullptr;
};
