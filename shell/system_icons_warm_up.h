// The first caller of the system image lists pays for the shell's loading of its stock icons,
// some tens of milliseconds. A start has that done on a thread of its own while the windows are
// made, and the interface thread waits for it only where it first needs the lists.
#pragma once
#include "win/owners.h"

class SystemIconsWarmUp {
public:
    SystemIconsWarmUp();
    ~SystemIconsWarmUp() { Wait(); }
    SystemIconsWarmUp(const SystemIconsWarmUp&) = delete;
    SystemIconsWarmUp& operator=(const SystemIconsWarmUp&) = delete;

    // Returns at once when the lists are ready or no thread could be had.
    void Wait();

private:
    Handle thread_;
};
