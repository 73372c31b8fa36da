#include "Window.h"

#include <commctrl.h>

#include <vector>

Window::~Window()
{
    if (hwnd_) {
        // Stop routing to this object before the window goes, so no message reaches a dead object.
        const HWND hwnd = hwnd_;
        Detach();
        DestroyWindow(hwnd);
    }
}

std::wstring Window::Text() const
{
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1);
    const int length = GetWindowTextW(hwnd_, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(length));
}

void Window::SetBounds(const RECT& bounds)
{
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void Window::SetBounds(int left, int top, int width, int height)
{
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Window::Bounds() const
{
    RECT bounds{};
    GetWindowRect(hwnd_, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

RECT Window::ClientRect() const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    return client;
}

Window* Window::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    if (proc != StaticWindowProc && proc != ControlWindowProc)
        return nullptr; // not ours: its user data means something else
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND sender = nullptr;
    switch (message) {
    case WM_COMMAND:
        sender = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        sender = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        sender = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    default:
        return false;
    }
    Window* const control = FromHandle(sender);
    return control && control->OnReflected(message, wParam, lParam, result);
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

void Window::CreateControl(const wchar_t* className, const std::wstring& caption, DWORD style,
                           DWORD exStyle, const RECT& bounds, HWND parent, int id)
{
    const HWND hwnd = CreateWindowExW(exStyle, className, caption.c_str(), style | WS_CHILD,
                                      bounds.left, bounds.top, bounds.right - bounds.left,
                                      bounds.bottom - bounds.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      GetModuleHandleW(nullptr), nullptr);
    if (!hwnd)
        return;
    Attach(hwnd);
    controlProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlWindowProc)));
}

void Window::Attach(HWND hwnd)
{
    hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Window::Detach()
{
    if (controlProc_)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
    controlProc_ = nullptr;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (controlProc_)
        return CallWindowProcW(controlProc_, hwnd_, message, wParam, lParam);
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)->Attach(hwnd);
    Window* const self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return Route(self, message, wParam, lParam);
}

LRESULT CALLBACK Window::ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Route(reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)), message, wParam, lParam);
}

LRESULT Window::Route(Window* self, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = self->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->Detach();
        self->OnDestroyed();
    }
    return result;
}
