#include "Window.h"

#include <vector>

Window::~Window()
{
    if (hwnd_) {
        // Stop routing to this object before the window goes, so no message reaches a dead object.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

std::wstring Window::Text() const
{
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1);
    const int length = GetWindowTextW(hwnd_, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(length));
}

void Window::RegisterClassOnce(const wchar_t* className, HICON icon)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

void Window::Create(const wchar_t* className, const std::wstring& caption, DWORD style, DWORD exStyle,
                    int x, int y, int width, int height, HWND parent, HMENU menu)
{
    CreateWindowExW(exStyle, className, caption.c_str(), style, x, y, width, height, parent, menu,
                    GetModuleHandleW(nullptr), this);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnDestroyed();
    }
    return result;
}
