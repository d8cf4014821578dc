// What the folder tree asks of the program around it: the folder the main list shows, showing a
// folder there through its tab, and the window's keys that the tree passes on.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include "win/owners.h"

enum class TreeSound { Button, Erase, Unerase, Drag, Drop };

class TreeHost {
public:
    virtual ~TreeHost() = default;

    // Null while the main list shows nothing.
    virtual IShellFolder* MainListFolder() = 0;
    // The main list's folder goes onto the front of its tab's back history and the list shows this
    // folder (a locked tab opens a new tab for it).
    virtual void ShowInMainList(ComPtr<IShellFolder> folder) = 0;
    virtual void FocusMainList() = 0;
    // Ctrl+T, Ctrl+D and F1.
    virtual void ToggleTreePane() = 0;
    virtual void ToggleTwoPaneView() = 0;
    virtual void ShowHelp() = 0;
    virtual void PlayTreeSound(TreeSound sound) = 0;
};
