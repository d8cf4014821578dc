// Waiting on the interface thread for a worker to end: the worker may be sending to this thread
// meanwhile, and would never end if nobody answered.
#pragma once
#include <windows.h>

// Waits up to the time for the object while answering the messages that other threads send to this
// one; posted messages stay queued for the message loop. True when the object was signalled.
bool WaitAnsweringSentMessages(HANDLE object, DWORD timeoutMs);
