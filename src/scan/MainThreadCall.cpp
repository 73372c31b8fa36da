#include "MainThreadCall.h"

namespace {

constexpr const wchar_t* ClassName = L"VelmorMainThreadCall";

// A message number of its own, so that WaitServing can take these calls and nothing else.
UINT RunCallMessage()
{
    static const UINT message = RegisterWindowMessageW(ClassName);
    return message;
}

} // namespace

MainThreadCall::MainThreadCall() : done_(CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
    static const ATOM registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = ClassName;
        return RegisterClassW(&windowClass);
    }();
    (void)registered;
    window_ = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
}

MainThreadCall::~MainThreadCall()
{
    DestroyWindow(window_);
}

LRESULT CALLBACK MainThreadCall::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != RunCallMessage())
        return DefWindowProcW(window, message, wParam, lParam);
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    SetEvent(reinterpret_cast<const MainThreadCall*>(wParam)->done_.Get());
    return 0;
}

bool MainThreadCall::Run(const std::function<void()>& call) const
{
    if (!PostMessageW(window_, RunCallMessage(), reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&call)))
        return false;
    WaitForSingleObject(done_.Get(), INFINITE);
    return true;
}

void MainThreadCall::WaitServing(HANDLE thread)
{
    // Calls already queued are served before each wait, which wakes only for messages that come
    // after; the timeout is a second guard against a call that was seen but not taken.
    DWORD woken;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, RunCallMessage(), RunCallMessage(), PM_REMOVE))
            DispatchMessageW(&message);
        woken = MsgWaitForMultipleObjects(1, &thread, FALSE, 100, QS_POSTMESSAGE);
    } while (woken == WAIT_OBJECT_0 + 1 || woken == WAIT_TIMEOUT);
}
