// The program's one main window.
#pragma once

#include "toolkit/Window.h"

class TMainFormVelmor : public Window {
public:
    static constexpr const wchar_t* ClassName = L"TMainFormVelmor";

    // Creates the window (FormCreate runs during creation); it is shown by the caller.
    TMainFormVelmor();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

private:
    void FormCreate();
};
