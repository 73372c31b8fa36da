// Program start: the application object, its title, the main window and the message loop.
#include "MainFormVelmor.h"
#include "toolkit/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    TApplication& application = Application();
    application.SetTitle(L"Velmor");
    TMainFormVelmor mainForm;
    ShowWindow(mainForm.Handle(), showCommand);
    return application.Run();
}
