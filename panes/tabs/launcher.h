// The launcher entries: files, folders and programs that the bar shows as icons in launcher mode
// and starts as the shell would. Each entry owns its parent folder and its item; entries move by
// value, so a moved entry keeps what it held. Kept in launch.dat.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "core/tab_model.h"
#include "shell/shell_services.h"
#include "win/owners.h"

constexpr char kLauncherFileName[] = "launch.dat";

struct LauncherEntry {
    unsigned serial = 0;
    std::string title;  // the item's display name
    ComPtr<IShellFolder> folder;
    ItemIdList item;
    int icon = -1;  // in the system's small image list
    tabs::TabRect rect;
};

class ShellExecutor;

class Launcher {
public:
    explicit Launcher(const ShellServices& shell) : shell_(shell) {}
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    int Count() const { return static_cast<int>(entries_.size()); }
    // Positions are 1-based; null outside 1..Count().
    const LauncherEntry* Entry(int position) const;
    int PositionOf(unsigned serial) const;
    void SetRect(int position, const tabs::TabRect& rect);

    // Adds the item as entry `position` (outside 1..Count()+1 appends). A shortcut is replaced by
    // its target, followed through at most a few shortcuts and resolved without any window. False
    // when the item is gone or a shortcut leads to no item.
    bool Add(IShellFolder* parent, PCUITEMID_CHILD item, int position);
    void Remove(int position);
    // Entry `from` becomes entry `to`, counted after it has left its place.
    void Move(int from, int to);
    void Clear() { entries_.clear(); }
    // Starts the entry with the shell's default verb; the owner is the window for any prompt.
    void Run(int position, HWND owner, ShellExecutor& executor) const;
    // The same with the parameters given to the program that the entry starts.
    void RunWith(int position, HWND owner, ShellExecutor& executor, const std::string& parameters) const;

    // The entries of the file, in order; none when it is missing or foreign. Entries whose items
    // are gone are left out.
    void Load(const std::string& path);
    // An empty launcher leaves an empty file. False when the file was not replaced.
    bool Save(const std::string& path) const;

private:
    const ShellServices& shell_;
    std::vector<LauncherEntry> entries_;
    unsigned nextSerial_ = 1;
};
