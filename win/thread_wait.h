// Worker threads that share their state with their owner: the thread holds the state as long as the
// owner does, so that a thread left running at exit uses nothing freed; and the interface thread
// waits for a worker to end while answering what the worker may be sending it meanwhile.
#pragma once
#include <windows.h>

#include <memory>
#include <utility>

#include "win/owners.h"

// Waits up to the time for the object while answering the messages that other threads send to this
// one; posted messages stay queued for the message loop. True when the object was signalled.
bool WaitAnsweringSentMessages(HANDLE object, DWORD timeoutMs);

// Starts a thread that runs state->Run() holding its own reference to the state; an invalid handle
// when no thread can be had.
template <typename State>
Handle StartSharedThread(const std::shared_ptr<State>& state) {
    struct Start {
        static DWORD WINAPI Main(void* parameter) {
            auto* handedOver = static_cast<std::shared_ptr<State>*>(parameter);
            std::shared_ptr<State> held = std::move(*handedOver);
            delete handedOver;
            held->Run();
            return 0;
        }
    };
    auto* handedOver = new std::shared_ptr<State>(state);
    Handle thread(CreateThread(nullptr, 0, &Start::Main, handedOver, 0, nullptr));
    if (!thread.Valid()) delete handedOver;
    return thread;
}

// Waits as WaitAnsweringSentMessages for a thread already asked to end, and lets its handle go once
// it has; true when it has ended or there was none. A thread that does not end in time is left to
// end by itself.
bool JoinThread(Handle& thread, DWORD timeoutMs);
