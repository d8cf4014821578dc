#include "panes/list/list_lock.h"

#include <windows.h>

namespace {
CRITICAL_SECTION g_listLock;
}

void InitialiseListLock() { InitializeCriticalSection(&g_listLock); }
void DeleteListLock() { DeleteCriticalSection(&g_listLock); }

ListLockScope::ListLockScope() { EnterCriticalSection(&g_listLock); }
ListLockScope::~ListLockScope() { LeaveCriticalSection(&g_listLock); }
