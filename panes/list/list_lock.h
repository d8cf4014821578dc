// Serialises every fill, reload and re-sort of both folder lists across threads. Recursive: a
// thread that holds it may take it again.
#pragma once
#include <windows.h>

class ListLock {
public:
    ListLock() { InitializeCriticalSection(&section_); }
    ~ListLock() { DeleteCriticalSection(&section_); }
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;

    class Scope {
    public:
        explicit Scope(ListLock& lock) : lock_(lock) { EnterCriticalSection(&lock_.section_); }
        ~Scope() { LeaveCriticalSection(&lock_.section_); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ListLock& lock_;
    };

private:
    CRITICAL_SECTION section_;
};
