#include "MainThreadCall.h"

namespace {

constexpr const wchar_t* ClassName = L"VelmorMainThreadCall";
constexpr UINT WM_RUNCALL = WM_APP + 1;

LRESULT CALLBACK CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RUNCALL) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

MainThreadCall::MainThreadCall()
{
    static const ATOM registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = CallWindowProc;
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

void MainThreadCall::Run(const std::function<void()>& call) const
{
    // A sent message: the main thread runs it from its message loop (or from WaitServing) and
    // the worker waits for the answer.
    SendMessageW(window_, WM_RUNCALL, 0, reinterpret_cast<LPARAM>(&call));
}

void MainThreadCall::WaitServing(HANDLE thread)
{
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE); // runs the sent calls
    }
}
