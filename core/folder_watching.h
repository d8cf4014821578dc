// The rules by which a folder list follows its folder's changes on disk, apart from the threads
// and handles that see them. Changes come in bursts (a file is made, then written; a copy brings
// many at once), so the first change of a quiet folder waits a moment for the rest of its burst,
// and a storm of changes has the list read again at most about once a second. A change that comes
// soon after the list announced one of its own is that change, which the list has shown already;
// an announcement that no change followed (a cancelled delete) soon stops covering anything.
#pragma once
#include <cstdint>
#include <string>

namespace watching {

// Milliseconds.
struct PacingRules {
    // From the first change of a quiet folder to reading it again.
    uint32_t settle = 250;
    // The least time between two readings of the list for changes.
    uint32_t gap = 1000;
    // How long after the list announced a change of its own the changes seen are taken as that one.
    uint32_t ownChange = 2000;
};

enum class Verdict {
    Wait,    // the changes seen are not due yet
    Reload,  // read the list again
    Pass,    // they were the list's own change: nothing to do
};

// Times are readings of a millisecond clock that wraps around, as GetTickCount's does; spans up to
// about 24 days are told apart.
class ChangePacer {
public:
    explicit ChangePacer(PacingRules rules = PacingRules{}) : rules_(rules) {}

    // The list announced that it is about to change its folder itself.
    void OwnChange(uint32_t now);
    // The folder changed.
    void Change(uint32_t now);
    // The list shows another folder: what was seen of the previous one concerns it no longer.
    void Forget();

    // Changes seen and not yet taken.
    bool Waiting() const { return waiting_; }
    // Milliseconds until the waiting changes are due; 0 when they are, or when none wait.
    uint32_t Remaining(uint32_t now) const;
    // What to do for the waiting changes; once due they are taken, and the next change starts anew.
    Verdict Take(uint32_t now);

private:
    uint32_t Due() const;

    PacingRules rules_;
    bool waiting_ = false;
    uint32_t firstChange_ = 0;
    // The changes waiting belong to an announced change of the list's own.
    bool waitingAreOwn_ = false;
    bool ownAnnounced_ = false;
    uint32_t ownAnnouncedAt_ = 0;
    bool reloadedRecently_ = false;
    uint32_t lastReload_ = 0;
};

// The path to ask the system to watch for a folder's path as the program writes it: a drive root
// is "C:" there, which the system would take for the current folder of that drive.
std::string DirectoryToWatch(const std::string& path);

}  // namespace watching
