// What the tab bar asks of the window around it: carrying out the tab operations' outcomes, the
// lists, the two-pane view, the sounds and the starting of programs. The main window answers; tests record.
#pragma once
#include <vector>

#include "core/tab_model.h"
#include "shell/shell_execute.h"
#include "win/owners.h"

class TabBarHost {
public:
    virtual ~TabBarHost() = default;
    // Plays the sound, leaves the two-pane view and loads the lists as the outcome says.
    virtual void Carry(const tabs::Outcome& outcome) = 0;
    // The list shows its tab: the tab's view state, then its folder.
    virtual void LoadPane(tabs::Pane pane) = 0;
    // The two-pane view comes on for the sub selection, which is loaded; the left pane it replaces
    // comes back when the view is left. The main window is laid out again.
    virtual void SwitchTwoPaneOn() = 0;
    virtual void PlaySound(tabs::Sound sound) = 0;
    virtual bool TwoPaneShown() const = 0;
    // The mode buttons show whether the two-pane view is on.
    virtual void RefreshTwoPaneButtons() = 0;
    // Dropped items open as tabs, all at `position`, so that several end up in reverse order; in
    // launcher mode they become entries there. At -1 they go at the end and the main list shows the
    // last one; anywhere else both lists keep showing their tabs.
    virtual void OpenDroppedItems(IShellFolder* parent, const std::vector<ItemIdList>& children, int position) = 0;
    // How launcher entries are started.
    virtual ShellExecutor& Executor() = 0;
};
