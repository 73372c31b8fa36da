// A top-level window of its own class that holds controls under test. Like the program's
// windows it hands the notifications of its children back to them, and it notes the pop-up
// menus that open for it (closing them at once, so a test never waits on a menu).
#pragma once

#include "toolkit/Window.h"

#include <vector>

class TestHost : public Window {
public:
    // Wine takes two seconds to destroy a shown window that has a frame or caption, so the
    // hosts that paint are plain pop-ups and the framed ones stay hidden.
    static constexpr DWORD Plain = WS_POPUP;
    static constexpr DWORD Sizeable = WS_OVERLAPPEDWINDOW;
    static constexpr DWORD Fixed = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

    // A 520 x 240 window.
    explicit TestHost(DWORD style = Plain, bool shown = true, HWND parent = nullptr);

    const std::vector<HMENU>& OpenedMenus() const { return openedMenus_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<HMENU> openedMenus_;
};

// A bitmap the size of a window's client area to draw into, and its pixels.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF background);
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas();

    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
};
