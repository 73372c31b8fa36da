// The worker's one way to reach its owner: a call that runs on the thread that made this object
// (the main thread) while the calling worker waits for it to finish.
#pragma once

#include "UniqueHandle.h"

#include <windows.h>

#include <functional>

class MainThreadCall {
public:
    // On the main thread: a hidden window of that thread receives the calls.
    MainThreadCall();
    ~MainThreadCall();
    MainThreadCall(const MainThreadCall&) = delete;
    MainThreadCall& operator=(const MainThreadCall&) = delete;

    // From a worker (one at a time): runs call on the main thread and returns once it has run.
    // The call is a posted message, so it takes its turn behind what was posted before it
    // instead of going ahead of everything, as a sent message would: the window keeps answering.
    // False when the call could not be handed over (the window is gone).
    bool Run(const std::function<void()>& call) const;

    // On the main thread: waits until the thread has ended, serving the calls of every worker
    // meanwhile (no other message is taken from the queue).
    static void WaitServing(HANDLE thread);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    UniqueHandle done_; // set by the main thread when a call has run
};
