#include "win/thread_wait.h"

bool WaitAnsweringSentMessages(HANDLE object, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return WaitForSingleObject(object, 0) == WAIT_OBJECT_0;
        DWORD woken = MsgWaitForMultipleObjects(1, &object, FALSE, timeoutMs - elapsed, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0) return true;
        if (woken != WAIT_OBJECT_0 + 1) return WaitForSingleObject(object, 0) == WAIT_OBJECT_0;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool JoinThread(Handle& thread, DWORD timeoutMs) {
    if (!thread.Valid()) return true;
    if (!WaitAnsweringSentMessages(thread.Get(), timeoutMs)) return false;
    thread.Reset();
    return true;
}
