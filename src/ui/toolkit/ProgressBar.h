// The system's progress bar.
#pragma once

#include "Window.h"

#include <commctrl.h>

class ProgressBar : public Window {
public:
    void Create(HWND parent, int id, const RECT& bounds)
    {
        CreateControl(PROGRESS_CLASSW, L"", WS_VISIBLE, 0, bounds, parent, id);
    }
    void SetRange(int minimum, int maximum) { Send(PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum); }
    int Maximum() const { return static_cast<int>(Send(PBM_GETRANGE, FALSE)); }
    void SetStep(int step) { Send(PBM_SETSTEP, static_cast<WPARAM>(step)); }
    int Position() const { return static_cast<int>(Send(PBM_GETPOS)); }
    void SetPosition(int position) { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
};
