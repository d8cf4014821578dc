// The field in which the user presses the global hot key: an edit control that takes every key
// instead of text, shows the chosen modifiers and key by name, and forgets modifiers that were
// left without a key when the focus goes.
#pragma once
#include <windows.h>

#include "core/settings_choices.h"
#include "win/subclass.h"

class HotKeyField {
public:
    HotKeyField() = default;
    HotKeyField(const HotKeyField&) = delete;
    HotKeyField& operator=(const HotKeyField&) = delete;

    HWND Create(HWND parent, const RECT& box, int id, HFONT font);
    void Set(HotKeyChoice choice);
    HotKeyChoice Choice() const { return choice_; }
    HWND Window() const { return window_; }

private:
    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnKeyDown(WPARAM key, LPARAM flags);
    void OnFocusLost();
    void ShowChoice();

    HWND window_ = nullptr;
    HotKeyChoice choice_;
    Subclass subclass_;
};
