#include "core/folder_watching.h"

namespace watching {

namespace {

// Whether the clock reading a is later than b, across a wrap of the clock.
bool Later(uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b) > 0; }

}  // namespace

void ChangePacer::OwnChange(uint32_t now) {
    ownAnnounced_ = true;
    ownAnnouncedAt_ = now;
    // The list may announce its change only once the shell is done with it, after the change came.
    if (waiting_) waitingAreOwn_ = true;
}

void ChangePacer::Change(uint32_t now) {
    if (waiting_) return;
    waiting_ = true;
    firstChange_ = now;
    waitingAreOwn_ = ownAnnounced_ && now - ownAnnouncedAt_ <= rules_.ownChange;
    if (!waitingAreOwn_) ownAnnounced_ = false;
    // A reading long ago must not look recent once the clock has gone round.
    if (reloadedRecently_ && now - lastReload_ >= rules_.gap) reloadedRecently_ = false;
}

void ChangePacer::Forget() {
    waiting_ = false;
    waitingAreOwn_ = false;
    ownAnnounced_ = false;
}

uint32_t ChangePacer::Due() const {
    uint32_t due = firstChange_ + rules_.settle;
    if (reloadedRecently_ && Later(lastReload_ + rules_.gap, due)) due = lastReload_ + rules_.gap;
    return due;
}

uint32_t ChangePacer::Remaining(uint32_t now) const {
    if (!waiting_) return 0;
    uint32_t due = Due();
    return Later(due, now) ? due - now : 0;
}

Verdict ChangePacer::Take(uint32_t now) {
    if (!waiting_ || Remaining(now) > 0) return Verdict::Wait;
    waiting_ = false;
    if (waitingAreOwn_) {
        waitingAreOwn_ = false;
        return Verdict::Pass;
    }
    reloadedRecently_ = true;
    lastReload_ = now;
    return Verdict::Reload;
}

std::string DirectoryToWatch(const std::string& path) {
    bool driveOnly = path.size() == 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return driveOnly ? path + "\\" : path;
}

}  // namespace watching
