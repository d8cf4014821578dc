#include "core/folder_watching.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using watching::ChangePacer;
using watching::Verdict;

// Changes at the given times, each taken the moment it is due as the watcher's wait takes it; the
// times at which the list is read again.
std::vector<uint32_t> ReloadTimes(const std::vector<uint32_t>& changes, uint32_t end) {
    ChangePacer pacer;
    std::vector<uint32_t> reloads;
    size_t next = 0;
    for (uint32_t now = 0; now != end; ++now) {
        for (; next < changes.size() && changes[next] == now; ++next) pacer.Change(now);
        if (pacer.Waiting() && pacer.Remaining(now) == 0 && pacer.Take(now) == Verdict::Reload) reloads.push_back(now);
    }
    return reloads;
}

TEST(ChangePacing, ABurstIsReadOnceItSettlesAndAStormAtMostOnceASecond) {
    EXPECT_EQ((std::vector<uint32_t>{250, 5250}), ReloadTimes({0, 100, 200, 5000}, 6000));
    std::vector<uint32_t> storm;
    for (uint32_t t = 10; t < 10000; t += 3) storm.push_back(t);
    std::vector<uint32_t> reloads = ReloadTimes(storm, 12000);
    ASSERT_EQ(11u, reloads.size());
    EXPECT_EQ(260u, reloads.front());
    for (size_t i = 1; i < reloads.size(); ++i) EXPECT_EQ(1000u, reloads[i] - reloads[i - 1]);
}

TEST(ChangePacing, TheListsOwnChangeIsPassedOverOnlyForAWhile) {
    ChangePacer pacer;
    pacer.OwnChange(100);
    pacer.Change(120);
    EXPECT_EQ(Verdict::Wait, pacer.Take(369));
    EXPECT_EQ(Verdict::Pass, pacer.Take(370));
    // An announcement made once the shell is done, after the change came, covers it too.
    pacer.Change(3000);
    pacer.OwnChange(3100);
    EXPECT_EQ(Verdict::Pass, pacer.Take(3250));
    // A cancelled operation announced a change that never came; a later change is someone else's.
    pacer.OwnChange(5000);
    pacer.Change(7001);
    EXPECT_EQ(Verdict::Reload, pacer.Take(7251));
}

TEST(ChangePacing, AnotherFolderForgetsWhatWasSeenAndTheClockMayWrap) {
    ChangePacer pacer;
    pacer.OwnChange(0);
    pacer.Change(10);
    pacer.Forget();
    EXPECT_FALSE(pacer.Waiting());
    pacer.Change(20);
    EXPECT_EQ(Verdict::Reload, pacer.Take(270));

    const uint32_t nearEnd = 0xFFFFFF00u;
    pacer.Change(nearEnd);
    EXPECT_EQ(250u, pacer.Remaining(nearEnd));
    EXPECT_EQ(Verdict::Reload, pacer.Take(nearEnd + 250));
    // Past the wrap, the gap still runs from the reading before it.
    pacer.Change(nearEnd + 300);
    EXPECT_EQ(950u, pacer.Remaining(nearEnd + 300));
}

TEST(ChangePacing, ADriveRootIsWatchedAtItsRoot) {
    EXPECT_EQ("C:\\", watching::DirectoryToWatch("C:"));
    EXPECT_EQ("z:\\", watching::DirectoryToWatch("z:"));
    EXPECT_EQ("C:\\作品", watching::DirectoryToWatch("C:\\作品"));
    EXPECT_EQ("", watching::DirectoryToWatch(""));
}

}  // namespace
