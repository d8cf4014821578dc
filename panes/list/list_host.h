// What a folder list asks of the program around it: the tabs through which it shows folders, the
// mouse gestures, and the shell that starts files. The main window answers; tests record.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "win/owners.h"

class ListPane;

class ListHost {
public:
    virtual ~ListHost() = default;

    // Shows a folder in the list through the tab that the list shows: the tab takes the folder,
    // or, when it is locked, a new tab is opened for it. With rememberCurrent the folder shown now
    // goes to the front of the tab's back history first. False, with nothing changed and nothing
    // remembered, when the folder cannot be shown.
    virtual bool NavigatePane(ListPane& list, ComPtr<IShellFolder> folder, bool rememberCurrent) = 0;
    virtual bool TabLocked(const ListPane& list) const = 0;
    // Writes the list's view state into its tab, opens each item in order as a new tab at the end
    // of the row (folders and shortcuts to folders become tabs, files are started) and brings the
    // tab bar and both lists up to date. The list reloads itself afterwards.
    virtual void OpenItemsAsTabs(ListPane& list, ComPtr<IShellFolder> parent, std::vector<ItemIdList> items) = 0;
    // A double-click on the list's empty space switches the mouse gestures on or off.
    virtual void ToggleGestures(ListPane& list) = 0;
    // Starts a file, or opens an address, with the shell; true when the shell took it.
    virtual bool Execute(SHELLEXECUTEINFOA& request) { return ShellExecuteExA(&request) != FALSE; }
};
