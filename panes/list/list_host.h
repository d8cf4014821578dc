// What a folder list asks of the program around it: the tabs through which it shows folders and
// opens items, the back histories that its header bar offers, the mouse gestures, and the window's
// panes that its keys reach. The main window answers; tests record.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win/owners.h"

class ListPane;

class ListHost {
public:
    virtual ~ListHost() = default;

    // Opens one item of a folder through the tab that the list shows: a folder, or a shortcut to
    // one, is shown in the list (a locked tab opens a new tab for it), a shortcut to an address
    // opens the address, and anything else is started by the shell. With rememberFolder a folder
    // item sends the folder shown now to the front of the tab's back history once it is shown.
    virtual void OpenItem(ListPane& list, ComPtr<IShellFolder> folder, ItemIdList item, bool rememberFolder) = 0;
    virtual bool TabLocked(const ListPane& list) const = 0;
    // Writes the list's view state into its tab, opens each item in order as a new tab at the end
    // of the row (folders and shortcuts to folders become tabs, files are started) and brings the
    // tab bar and both lists up to date. The list reloads itself afterwards.
    virtual void OpenItemsAsTabs(ListPane& list, ComPtr<IShellFolder> parent, std::vector<ItemIdList> items) = 0;
    // A double-click on the list's empty space switches the mouse gestures on or off.
    virtual void ToggleGestures(ListPane& list) = 0;

    // Backspace and Alt+Left: the list shows its folder's parent, remembering the folder, or the
    // newest folder of its tab's back history.
    virtual void GoUp(ListPane& list) = 0;
    virtual void GoBack(ListPane& list) = 0;
    // The folders of the back history of the tab that the list shows, newest first; none for the
    // sub list while it is not shown.
    virtual std::vector<ComPtr<IShellFolder>> BackHistory(const ListPane& list) const = 0;
    // The list shows entry `entry` of that history (1 is the newest), and once it does, the entries
    // down to that one go.
    virtual void GoToHistoryEntry(ListPane& list, int entry) = 0;
    // The list shows a folder through its tab, as a double-click on it does; with rememberFolder
    // the folder shown now goes to the front of the tab's back history once the new one is shown.
    virtual void ShowFolder(ListPane& list, ComPtr<IShellFolder> folder, bool rememberFolder) = 0;
    // The folder becomes a new tab at the end of the row, which the main list shows, whichever
    // list asked.
    virtual void OpenFolderAsNewTab(ComPtr<IShellFolder> folder) = 0;
    // Ctrl+Tab: the list shows its next tab, never the one the other list shows; false when there
    // is nothing to step to.
    virtual bool ShowNextTab(ListPane& list) = 0;
    // Tab: the keyboard focus goes on to the next pane.
    virtual void MoveFocusOn(ListPane& list) = 0;
    // Ctrl+Shift+C and Ctrl+Shift+X: while the two-pane view is on, the selection is copied or cut
    // and pasted into the other list's folder (or onto its selection), with the drop sound.
    virtual void CopyToOtherList(ListPane& list, bool move) = 0;
    // A drag of the list's items starts.
    virtual void PlayDragSound() = 0;
    // A gesture drawn on the list added a stroke in a direction (gesture::kLeft and the others).
    virtual void PlayStrokeSound(int direction) = 0;
    // The window's keys that the lists pass on: Ctrl+D, Ctrl+T and F1.
    virtual void ToggleTwoPaneView() = 0;
    virtual void ToggleTreePane() = 0;
    virtual void ShowHelp() = 0;
};
