// A thin owner of one window: routes its messages to a virtual handler of the object.
#pragma once

#include <windows.h>

#include <string>

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }
    void SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }
    std::wstring Text() const;

protected:
    // Registers a class whose windows reach OnMessage of the object given to CreateWindowExW.
    static void RegisterClassOnce(const wchar_t* className, HICON icon);
    // The object becomes the window's handler from WM_NCCREATE on.
    void Create(const wchar_t* className, const std::wstring& caption, DWORD style, DWORD exStyle,
                int x, int y, int width, int height, HWND parent, HMENU menu);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Called when the system has destroyed the window.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};
