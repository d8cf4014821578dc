// Follows the changes on disk of the directory that a view shows, from a thread of its own, and
// asks the view's window to read it again by a posted message. The window's thread names the
// directory as a plain path, so the thread needs no shell, and does every reading itself; the
// thread touches no window but by posting, and posts again only once the window has taken the
// previous message. When it posts is decided by watching::ChangePacer.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "core/folder_watching.h"
#include "win/owners.h"

class FolderWatcher {
public:
    // Where the thread posts, and what.
    struct Message {
        HWND window = nullptr;
        UINT message = 0;
        LPARAM lParam = 0;
    };

    FolderWatcher();
    // Ends the thread as Stop does.
    ~FolderWatcher();
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // Starts the thread. ownChange is the view's manual-reset event, signalled as it changes the
    // directory itself; the thread keeps a handle of its own to it. False, with nothing watched,
    // when a thread or event cannot be had.
    bool Start(const Message& reload, HANDLE ownChange, const watching::PacingRules& rules = watching::PacingRules{});
    // The directory to follow from now on, as the program writes its path (a drive root is "C:");
    // empty for none, as for a folder outside the file system or a view that is gone. May be
    // given before the thread starts.
    void Watch(const std::string& directory);
    // The window has taken the posted message and is about to read the directory: a change from
    // now on is posted again.
    void ReloadTaken();

    // Asks the thread to end without waiting for it, so that several end together.
    void AskToStop();
    // Asks, then waits up to the time for the thread to end while answering the messages that
    // other threads send to this one; true when it has ended. A thread that does not end in time
    // is left to end by itself: it shares what it uses with no one who frees it.
    bool Stop(DWORD timeoutMs);
    // Started and not yet ended.
    bool Running() const;

private:
    struct Shared;

    std::shared_ptr<Shared> shared_;
    Handle thread_;
};
