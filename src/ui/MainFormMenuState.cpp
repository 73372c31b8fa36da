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
    MainMenu1.SetItemEnabled(Cmd::item_Delete, lvFiles.Count() > 0 && lvFiles.SelectedCount() > 0);
}

// Removing a folder asks for exactly one selected row here, but for any selection in the
// list's own menu.
void TMainFormVelmor::EditMenuClick()
{
    const int count = lvFiles.Count();
    const int selected = lvFiles.SelectedCount();
    const struct {
        int id;
        bool enabled;
    } items[] = {{Cmd::item_AddFile, true},
                 {Cmd::item_AddFolder, true},
                 {Cmd::item_AddFilesOnly, true},
                 {Cmd::item_AddFilesAndFolders, true},
                 {Cmd::item_AddFoldersOnly, true},
                 {Cmd::item_RemoveFile, count > 0 && selected > 0},
                 {Cmd::item_RemoveFolder, count > 0 && selected == 1},
                 {Cmd::item_ClearList, count > 0},
                 {Cmd::item_InvertSelection, count > 0 && selected > 0},
                 {Cmd::item_InvertChecked, count > 0}};
    for (const auto& item : items)
        MainMenu1.SetItemEnabled(item.id, item.enabled);
}

void TMainFormVelmor::PopupMenu1Popup()
{
    const bool anySelected = lvFiles.Count() > 0 && lvFiles.SelectedCount() > 0;
    PopupMenu1.SetItemEnabled(Cmd::item_AddFile, true);
    PopupMenu1.SetItemEnabled(Cmd::item_AddFolder, true);
    PopupMenu1.SetItemEnabled(Cmd::item_RemoveFile, anySelected);
    PopupMenu1.SetItemEnabled(Cmd::item_RemoveFolder, anySelected);
    PopupMenu1.SetItemEnabled(Cmd::item_ClearList, lvFiles.Count() > 0);
}
