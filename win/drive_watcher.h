// Follows the folders of every fixed drive, from a thread of its own, for the folder tree: it sees
// a folder made, renamed or removed anywhere on a drive and tells a window which drives changed by
// a posted message. Changes come in storms (an unpacked archive, a copied tree), so they are paced
// as a list's changes are, and the window is asked again only once it has taken the previous
// message. Removable, network and optical drives, and drives attached later, are not followed.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/folder_watching.h"
#include "win/owners.h"

class DriveWatcher {
public:
    DriveWatcher();
    // Ends the thread as Stop does.
    ~DriveWatcher();
    DriveWatcher(const DriveWatcher&) = delete;
    DriveWatcher& operator=(const DriveWatcher&) = delete;

    // Starts the thread, which posts `message` with no parameters to the window. False, with
    // nothing followed, when a thread or an event cannot be had.
    bool Start(HWND window, UINT message, const watching::PacingRules& rules = watching::PacingRules{});
    // The drives whose folders changed since the last call, bit 0 for A: and so on; a change from
    // now on is posted again.
    uint32_t TakeChangedDrives();

    // Asks the thread to end without waiting for it, so that several end together.
    void AskToStop();
    // Asks, then waits up to the time for the thread to end while answering the messages that
    // other threads send to this one; true when it has ended.
    bool Stop(DWORD timeoutMs);
    bool Running() const;

private:
    struct Shared;

    std::shared_ptr<Shared> shared_;
    Handle thread_;
};

// The drive's bit in a mask of drives for a path that starts with a drive letter; 0 for others.
uint32_t DriveBitOf(const char* path);
