#include "TestHost.h"

namespace {
const wchar_t* const ClassName = L"VelmorControlsTestHost";
}

TestHost::TestHost(DWORD style, bool shown, HWND parent)
{
    RegisterClassOnce(ClassName, nullptr);
    Create(ClassName, L"host", style | WS_CLIPCHILDREN, 0, 40, 40, 520, 240, parent, nullptr);
    if (shown) {
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(Handle());
    }
}

LRESULT TestHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM: {
        LRESULT result = 0;
        if (Reflect(message, wParam, lParam, result))
            return result;
        break;
    }
    case WM_INITMENUPOPUP:
        openedMenus_.push_back(reinterpret_cast<HMENU>(wParam));
        EndMenu();
        return 0;
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF background)
    : dc_(CreateCompatibleDC(nullptr))
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, width, height};
    const HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

MemoryCanvas::~MemoryCanvas()
{
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}
