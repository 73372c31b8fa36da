#include "Application.h"

#include <windows.h>
#include <commctrl.h>

TApplication::TApplication()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
}

int TApplication::Run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

TApplication& Application()
{
    static TApplication application;
    return application;
}
