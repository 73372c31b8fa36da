// Menu items are enabled from the list's state each time their menu opens.
#include "MainFormVelmor.h"

#include "Ids.h"

void TMainFormVelmor::MenuPopup(HMENU menu)
{
    const struct {
        HMENU menu;
        void (TMainFormVelmor::*opened)();
    } menus[] = {{MainMenu1.Submenu(Cmd::FileMenu), &TMainFormVelmor::FileMenuClick},
                 {MainMenu1.Submenu(Cmd::EditMenu), &TMainFormVelmor::EditMenuClick},
                 {MainMenu1.Submenu(Cmd::ViewMenu), &TMainFormVelmor::ViewMenuClick},
                 {PopupMenu1.Handle(), &TMainFormVelmor::PopupMenu1Popup}};
    for (const auto& entry : menus)
        if (entry.menu == menu)
            (this->*entry.opened)();
}

void TMainFormVelmor::FileMenuClick()
{
}

void TMainFormVelmor::EditMenuClick()
{
}

void TMainFormVelmor::PopupMenu1Popup()
{
}
