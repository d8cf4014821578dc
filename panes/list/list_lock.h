// Serialises every fill, reload and re-sort of both folder lists across threads.
#pragma once

void InitialiseListLock();
void DeleteListLock();

class ListLockScope {
public:
    ListLockScope();
    ~ListLockScope();
    ListLockScope(const ListLockScope&) = delete;
    ListLockScope& operator=(const ListLockScope&) = delete;
};
