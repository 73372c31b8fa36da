// A static control that shows one icon.
#pragma once

#include "Window.h"

class StaticImage : public Window {
public:
    void Create(HWND parent, int id, const RECT& bounds)
    {
        CreateControl(L"STATIC", L"", WS_VISIBLE | SS_ICON | SS_REALSIZEIMAGE, 0, bounds, parent, id);
    }
    // The icon stays the caller's.
    void SetIcon(HICON icon) { Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)); }
};
