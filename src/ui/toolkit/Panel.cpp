#include "Panel.h"

namespace {
const wchar_t* const ClassName = L"VelmorPanel";
}

void Panel::Create(HWND parent, int id, const RECT& bounds)
{
    RegisterClassOnce(ClassName, nullptr);
    Window::Create(ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                   WS_EX_CONTROLPARENT, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, parent,
                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

LRESULT Panel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM: {
        LRESULT result = 0;
        if (Reflect(message, wParam, lParam, result))
            return result;
        return SendMessageW(GetParent(Handle()), message, wParam, lParam);
    }
    case WM_SIZE:
        if (onResize_)
            onResize_();
        return 0;
    default:
        return Window::OnMessage(message, wParam, lParam);
    }
}
