// One registration of a procedure that sees a window's messages before the window's own, through
// the common controls' subclass chain, so that any number of them, from the program or from a
// control such as a tooltip, stack and come off in any order.
#pragma once
#include <windows.h>

class Subclass {
public:
    // Gets every message first; hands on what it does not consume with CallNext.
    using Handler = LRESULT (*)(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Subclass() = default;
    ~Subclass() { Detach(); }
    // The registration is made under the object's address.
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    // Puts the handler on top of the window's chain, after taking any earlier registration of this
    // object off. False when the window cannot be subclassed.
    bool Attach(HWND window, Handler handler, void* context);
    // Takes the handler off; the window's own procedure is back once nothing else is attached.
    // Safe from inside the handler, even as the object is being destroyed there. The window's
    // last message (WM_NCDESTROY) detaches the object before the handler sees it.
    void Detach();
    HWND Window() const { return window_; }

    // Passes a message on to the next handler in the chain, or to the window's own procedure.
    static LRESULT CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data);

    HWND window_ = nullptr;
    Handler handler_ = nullptr;
    void* context_ = nullptr;
};
