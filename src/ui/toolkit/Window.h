// A thin owner of one window: routes its messages to a virtual handler of the object. Windows of
// our own classes are reached from WM_NCCREATE on; system controls are subclassed after creation.
// The object sits in the window's user data, which only a window procedure of ours reads: window
// properties and the common controls' subclass chain cost a server call each under Wine, and a
// list of 100,000 rows sends millions of messages.
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
    int Id() const { return GetDlgCtrlID(hwnd_); }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }
    bool Visible() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
    void SetBounds(const RECT& bounds);
    void SetBounds(int left, int top, int width, int height);
    RECT Bounds() const; // in the parent's client coordinates
    RECT ClientRect() const;
    void SetFont(HFONT font) { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

    // The hint ("short|long") at a point of the client area; most windows have none.
    virtual std::wstring HintAt(POINT /*client*/) const { return {}; }

    // The object that owns a window, or null for a window no object owns.
    static Window* FromHandle(HWND hwnd);
    // Hands a notification that a parent received (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM) to the
    // object of the control that sent it; true when that object handled it.
    static bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Registers a class whose windows reach OnMessage of the object given to CreateWindowExW.
    static void RegisterClassOnce(const wchar_t* className, HICON icon);
    // The object becomes the window's handler from WM_NCCREATE on.
    void Create(const wchar_t* className, const std::wstring& caption, DWORD style, DWORD exStyle,
                int x, int y, int width, int height, HWND parent, HMENU menu);
    // Creates a control of a system class as a child with the given id and subclasses it, so
    // that its messages reach OnMessage first.
    void CreateControl(const wchar_t* className, const std::wstring& caption, DWORD style,
                       DWORD exStyle, const RECT& bounds, HWND parent, int id);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification of this control, as its parent received it.
    virtual bool OnReflected(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
    // Called when the system has destroyed the window.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Route(Window* self, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);
    void Detach();
    HWND hwnd_ = nullptr;
    WNDPROC controlProc_ = nullptr; // a system control's own procedure, once subclassed
};
