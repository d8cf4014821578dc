// Owners for the handles, GDI objects, device contexts, COM pointers and identifier lists
// that the program holds, so that each is released on every path.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <cstddef>
#include <utility>

// Holds one handle and gives it back to the system exactly once, whichever way the holder ends.
// Traits name the empty value, tell a live handle from an empty one, and release a live one.
template <typename T, typename Traits>
class Owner {
public:
    Owner() = default;
    explicit Owner(T value) : value_(value) {}
    ~Owner() { Reset(); }
    Owner(Owner&& other) noexcept : value_(other.Release()) {}
    Owner& operator=(Owner&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    T Get() const { return value_; }
    bool Valid() const { return Traits::Valid(value_); }
    explicit operator bool() const { return Valid(); }
    // For a call that writes a new handle through a pointer; whatever was held goes first.
    T* Put() {
        Reset();
        return &value_;
    }
    T Release() {
        T value = value_;
        value_ = Traits::Empty();
        return value;
    }
    void Reset(T value = Traits::Empty()) {
        if (Valid()) Traits::Free(value_);
        value_ = value;
    }

private:
    T value_ = Traits::Empty();
};

struct NullIsEmpty {
    static constexpr std::nullptr_t Empty() { return nullptr; }
    static bool Valid(const void* value) { return value != nullptr; }
};

struct GdiObjectTraits : NullIsEmpty {
    static void Free(HGDIOBJ object) { DeleteObject(object); }
};

template <typename T>
using GdiObject = Owner<T, GdiObjectTraits>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC and puts the previous one back when it goes out of scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(HWND window, HRGN clip, DWORD flags) : window_(window), dc_(GetDCEx(window, clip, flags)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Keeps a window from drawing for as long as it lives, then lets it draw again and invalidates it
// whole, children and frame too, so that a run of changes is drawn once. Holds do not nest: the
// first to end lets the window draw.
class RedrawHeld {
public:
    explicit RedrawHeld(HWND window) : window_(window) { SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawHeld() {
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    RedrawHeld(const RedrawHeld&) = delete;
    RedrawHeld& operator=(const RedrawHeld&) = delete;

private:
    HWND window_;
};

class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Dirty() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

struct MenuTraits : NullIsEmpty {
    static void Free(HMENU menu) { DestroyMenu(menu); }
};

// A menu destroyed with DestroyMenu, which takes every submenu still attached to it along.
using MenuHandle = Owner<HMENU, MenuTraits>;

struct ImageListTraits : NullIsEmpty {
    static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};

using ImageList = Owner<HIMAGELIST, ImageListTraits>;

// CreateFile reports failure with INVALID_HANDLE_VALUE and most other calls with null; neither
// is closed.
struct KernelHandleTraits {
    static constexpr std::nullptr_t Empty() { return nullptr; }
    static bool Valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE handle) { CloseHandle(handle); }
};

// A kernel handle closed with CloseHandle.
using Handle = Owner<HANDLE, KernelHandleTraits>;

struct ChangeNotificationTraits : KernelHandleTraits {
    static void Free(HANDLE handle) { FindCloseChangeNotification(handle); }
};

// A directory change notification from FindFirstChangeNotification.
using ChangeNotification = Owner<HANDLE, ChangeNotificationTraits>;

struct FileSearchTraits : KernelHandleTraits {
    static void Free(HANDLE handle) { FindClose(handle); }
};

// A search of a folder's files from FindFirstFile.
using FileSearch = Owner<HANDLE, FileSearchTraits>;

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over one reference.
    explicit ComPtr(T* pointer) : pointer_(pointer) {}
    // A reference of the caller's own to an object that someone else holds.
    static ComPtr Share(T* pointer) {
        if (pointer) pointer->AddRef();
        return ComPtr(pointer);
    }
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
        if (pointer_) pointer_->AddRef();
    }
    ComPtr& operator=(const ComPtr& other) {
        if (other.pointer_) other.pointer_->AddRef();
        Reset(other.pointer_);
        return *this;
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(other.Release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset(other.Release());
        return *this;
    }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    T** Put() {
        Reset();
        return &pointer_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    T* Release() {
        T* pointer = pointer_;
        pointer_ = nullptr;
        return pointer;
    }
    void Reset(T* pointer = nullptr) {
        if (pointer_) pointer_->Release();
        pointer_ = pointer;
    }

private:
    T* pointer_ = nullptr;
};

struct TaskMemTraits : NullIsEmpty {
    static void Free(void* memory) { CoTaskMemFree(memory); }
};

// Memory from the task allocator, such as the item identifier lists that the shell hands out.
template <typename T>
using TaskMem = Owner<T*, TaskMemTraits>;

using ItemIdList = TaskMem<ITEMIDLIST>;
