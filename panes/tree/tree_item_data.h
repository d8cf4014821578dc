// What each item of the folder tree keeps: its folder's list relative to its parent's (the root's
// is the desktop's own, empty, absolute list). The item owns it; the tree's deletion notification
// is the one place where it goes.
#pragma once
#include <cstdint>

#include "panes/tree/folder_tree.h"

struct FolderTreePane::ItemData {
    ItemIdList list;
    // Filled once: a refresh goes only where the tree has been filled, never a level deeper.
    bool filled = false;
    // What its listed children were made from, when every one of them could be shown.
    uint64_t shownFingerprint = 0;
    bool fingerprintKnown = false;
    // Shown with the erased mark.
    bool marked = false;
    // Its children are to be read again by the refresh under way.
    bool refreshDue = false;
};

// Holds the tree's notifications off for the changes that the tree makes itself.
class FolderTreePane::OwnChange {
public:
    explicit OwnChange(FolderTreePane& tree) : tree_(tree) { ++tree_.ownChanges_; }
    ~OwnChange() { --tree_.ownChanges_; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;

private:
    FolderTreePane& tree_;
};
