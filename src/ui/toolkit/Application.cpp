#include "Application.h"

#include "Window.h"

#include <commctrl.h>
#include <windowsx.h>

TApplication::TApplication()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
}

void TApplication::SetHint(const std::wstring& hint)
{
    if (hint == hint_)
        return;
    hint_ = hint;
    if (onHint_)
        onHint_();
}

int TApplication::Run()
{
    running_ = true;
    MSG message;
    while (!quitting_ && GetMessageW(&message, nullptr, 0, 0) > 0)
        Dispatch(message);
    running_ = false;
    return quitting_ ? exitCode_ : static_cast<int>(message.wParam);
}

void TApplication::ShowError(HWND owner, const std::wstring& text) const
{
    MessageBoxW(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::Terminate()
{
    if (running_)
        PostQuitMessage(0);
}

bool TApplication::ProcessMessages()
{
    MSG message;
    while (!quitting_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Keep the request for the outer loop, which ends the program.
            quitting_ = true;
            exitCode_ = static_cast<int>(message.wParam);
            break;
        }
        Dispatch(message);
    }
    return !quitting_;
}

void TApplication::Dispatch(MSG& message)
{
    // The hint follows the mouse: whatever the window under it says (nothing for most controls).
    if (message.message == WM_MOUSEMOVE) {
        const Window* const window = Window::FromHandle(message.hwnd);
        const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        SetHint(window ? window->HintAt(point) : std::wstring());
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

TApplication& Application()
{
    static TApplication application;
    return application;
}
