#include "MainFormVelmor.h"

#include "toolkit/Application.h"

namespace {
constexpr int DesignWidth = 711;
constexpr int DesignHeight = 463;
} // namespace

TMainFormVelmor::TMainFormVelmor()
{
    RegisterClassOnce(ClassName, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
    Create(ClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, CW_USEDEFAULT, CW_USEDEFAULT,
           DesignWidth, DesignHeight, nullptr, nullptr);
}

void TMainFormVelmor::FormCreate()
{
    SetText(Application().Title());
}

LRESULT TMainFormVelmor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        FormCreate();
        return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void TMainFormVelmor::OnDestroyed()
{
    PostQuitMessage(0);
}
