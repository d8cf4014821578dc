// Owners for the handles, GDI objects, device contexts, COM pointers and identifier lists
// that the program holds, so that each is released on every path.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <utility>

template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T object) : object_(object) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : object_(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept { Reset(other.Release()); return *this; }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    T Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    T Release() { T object = object_; object_ = nullptr; return object; }
    void Reset(T object = nullptr) {
        if (object_) DeleteObject(object_);
        object_ = object;
    }

private:
    T object_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC and puts the previous one back when it goes out of scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { if (previous_) SelectObject(dc_, previous_); }
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
    ~WindowDC() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
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
    ~MemoryDC() { if (dc_) DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A menu destroyed with DestroyMenu, which takes every submenu still attached to it along.
class MenuHandle {
public:
    MenuHandle() = default;
    explicit MenuHandle(HMENU menu) : menu_(menu) {}
    ~MenuHandle() { Reset(); }
    MenuHandle(MenuHandle&& other) noexcept : menu_(other.Release()) {}
    MenuHandle& operator=(MenuHandle&& other) noexcept { Reset(other.Release()); return *this; }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;

    HMENU Get() const { return menu_; }
    explicit operator bool() const { return menu_ != nullptr; }
    HMENU Release() { HMENU menu = menu_; menu_ = nullptr; return menu; }
    void Reset(HMENU menu = nullptr) {
        if (menu_) DestroyMenu(menu_);
        menu_ = menu;
    }

private:
    HMENU menu_ = nullptr;
};

class ImageList {
public:
    ImageList() = default;
    explicit ImageList(HIMAGELIST list) : list_(list) {}
    ~ImageList() { Reset(); }
    ImageList(ImageList&& other) noexcept : list_(other.Release()) {}
    ImageList& operator=(ImageList&& other) noexcept { Reset(other.Release()); return *this; }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    HIMAGELIST Get() const { return list_; }
    explicit operator bool() const { return list_ != nullptr; }
    HIMAGELIST Release() { HIMAGELIST list = list_; list_ = nullptr; return list; }
    void Reset(HIMAGELIST list = nullptr) {
        if (list_) ImageList_Destroy(list_);
        list_ = list;
    }

private:
    HIMAGELIST list_ = nullptr;
};

// A kernel handle closed with CloseHandle.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Reset(); }
    Handle(Handle&& other) noexcept : handle_(other.Release()) {}
    Handle& operator=(Handle&& other) noexcept { Reset(other.Release()); return *this; }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Release() { HANDLE handle = handle_; handle_ = nullptr; return handle; }
    void Reset(HANDLE handle = nullptr) {
        if (Valid()) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over one reference.
    explicit ComPtr(T* pointer) : pointer_(pointer) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr& other) : pointer_(other.pointer_) { if (pointer_) pointer_->AddRef(); }
    ComPtr& operator=(const ComPtr& other) {
        if (other.pointer_) other.pointer_->AddRef();
        Reset(other.pointer_);
        return *this;
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(other.Release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept { Reset(other.Release()); return *this; }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    T** Put() { Reset(); return &pointer_; }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    T* Release() { T* pointer = pointer_; pointer_ = nullptr; return pointer; }
    void Reset(T* pointer = nullptr) {
        if (pointer_) pointer_->Release();
        pointer_ = pointer;
    }

private:
    T* pointer_ = nullptr;
};

// An item identifier list allocated with the task allocator.
template <typename T>
class TaskMem {
public:
    TaskMem() = default;
    explicit TaskMem(T* pointer) : pointer_(pointer) {}
    ~TaskMem() { Reset(); }
    TaskMem(TaskMem&& other) noexcept : pointer_(other.Release()) {}
    TaskMem& operator=(TaskMem&& other) noexcept { Reset(other.Release()); return *this; }
    TaskMem(const TaskMem&) = delete;
    TaskMem& operator=(const TaskMem&) = delete;

    T* Get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    T** Put() { Reset(); return &pointer_; }
    T* Release() { T* pointer = pointer_; pointer_ = nullptr; return pointer; }
    void Reset(T* pointer = nullptr) {
        if (pointer_) CoTaskMemFree(pointer_);
        pointer_ = pointer;
    }

private:
    T* pointer_ = nullptr;
};

using ItemIdList = TaskMem<ITEMIDLIST>;
