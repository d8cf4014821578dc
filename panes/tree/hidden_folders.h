// The folders erased from the folder tree: entries of a parent folder's absolute list and the
// relative lists of its erased children, kept in treehide.dat. Erasing touches only the tree.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "win/owners.h"

constexpr char kTreeHideFileName[] = "treehide.dat";

struct HiddenEntry {
    ItemIdList parent;
    // An entry stays when its last child comes back; it is then written with no children.
    std::vector<ItemIdList> children;
};

// How the tree shows a child of a folder that may have erased children.
enum class TreeChildShown { Omitted, Plain, Marked };

// Plain unless the child is one of the erased ones (the parent's comparison says equal); an
// erased child is marked while erased folders are shown, else omitted.
TreeChildShown ClassifyTreeChild(IShellFolder* parent, PCUITEMID_CHILD child,
                                 const std::vector<PCUITEMID_CHILD>& erased, bool showErased);

class HiddenFolders {
public:
    // A missing or foreign file leaves the list empty. An erased child is dropped when its folder
    // can be read and no longer holds it; an entry is dropped only when its folder is definitely
    // gone (its own parent can be read and no longer holds it): a folder on a drive that cannot be
    // reached now keeps its entry for a later run.
    void Load(const std::string& path);
    bool Save(const std::string& path) const;

    // The erased children of every entry whose parent is this folder, in list order; they point
    // into the list and hold until it changes.
    std::vector<PCUITEMID_CHILD> Collect(PCIDLIST_ABSOLUTE parent) const;
    // Appends a copy of the child to the first entry of the parent, or to a new entry.
    void Erase(PCIDLIST_ABSOLUTE parent, PCUITEMID_CHILD child);
    // Takes the child out of the entries of the parent; false when it was not erased there.
    bool Restore(PCIDLIST_ABSOLUTE parent, IShellFolder* parentFolder, PCUITEMID_CHILD child);

    const std::vector<HiddenEntry>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::vector<HiddenEntry> entries_;
};

// Whether two absolute lists name the same folder: the same bytes, or the desktop's comparison
// says equal.
bool SameAbsoluteList(PCIDLIST_ABSOLUTE first, PCIDLIST_ABSOLUTE second);
