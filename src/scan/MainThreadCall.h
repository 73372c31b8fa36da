// The worker's one way to reach its owner: a call that runs on the thread that made this object
// (the main thread) while the calling worker waits for it to finish.
#pragma once

#include <windows.h>

#include <functional>

class MainThreadCall {
public:
    // On the main thread: a hidden window of that thread receives the calls.
    MainThreadCall();
    ~MainThreadCall();
    MainThreadCall(const MainThreadCall&) = delete;
    MainThreadCall& operator=(const MainThreadCall&) = delete;

    // From a worker: runs call on the main thread and returns once it has run. The main thread
    // serves it whenever it reads its messages.
    void Run(const std::function<void()>& call) const;

    // On the main thread: waits until the thread has ended, serving the calls of every worker
    // meanwhile (no other message is taken from the queue).
    static void WaitServing(HANDLE thread);

private:
    HWND window_ = nullptr;
};
