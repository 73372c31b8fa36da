// Menu items and tool buttons: every command id to its handler. Items that do the same share one.
#include "MainFormVelmor.h"

#include "Ids.h"
#include "toolkit/Application.h"

namespace {

struct CommandHandler {
    int id;
    void (TMainFormVelmor::*handler)();
};

} // namespace

void TMainFormVelmor::OnCommand(int id)
{
    if (id >= Cmd::item_Operate0 && id <= Cmd::item_Operate6) {
        btnStartStopClick(id - Cmd::item_Operate0);
        return;
    }
    using T = TMainFormVelmor;
    static const CommandHandler handlers[] = {
        {Cmd::item_Delete, &T::item_DeleteClick},
        {Cmd::item_Close, &T::file_CloseClick},
        {Cmd::item_AddFile, &T::item_AddFileClick},
        {Cmd::item_AddFilesOnly, &T::pitem_AddFilesOnlyClick},
        {Cmd::item_AddFilesAndFolders, &T::pitem_AddFilesAndFoldersClick},
        {Cmd::item_AddFoldersOnly, &T::pitem_AddFoldersOnlyClick},
        {Cmd::item_RemoveFile, &T::item_RemoveFileClick},
        {Cmd::item_RemoveFolder, &T::item_RemoveFolderClick},
        {Cmd::item_ClearList, &T::item_ClearListClick},
        {Cmd::item_InvertSelection, &T::item_InvertSelectionClick},
        {Cmd::item_InvertChecked, &T::item_InvertCheckedClick},
        {Cmd::item_Toolbar, &T::item_ToolbarClick},
        {Cmd::item_StatusBar, &T::item_StatusBarClick},
        {Cmd::item_GridLines, &T::item_GridLinesClick},
        {Cmd::item_ViewIcons, &T::item_ViewIconsClick},
        {Cmd::item_ViewSmallIcons, &T::item_ViewSmallIconsClick},
        {Cmd::item_ViewList, &T::item_ViewListClick},
        {Cmd::item_ViewDetails, &T::item_ViewDetailsClick},
        {Cmd::item_ByName, &T::item_ByNameClick},
        {Cmd::item_ByType, &T::item_ByTypeClick},
        {Cmd::item_BySize, &T::item_BySizeClick},
        {Cmd::item_ByCreated, &T::item_ByCreatedClick},
        {Cmd::item_ByModified, &T::item_ByModifiedClick},
        {Cmd::item_ByOpened, &T::item_ByOpenedClick},
        {Cmd::item_ByAttr, &T::item_ByAttrClick},
        {Cmd::item_ByFolder, &T::item_ByFolderClick},
        {Cmd::item_Contents, &T::item_ContentsClick},
        {Cmd::item_About, &T::item_AboutClick},
        {Cmd::btnDateTime, &T::btnDateTimeClick},
        {Cmd::btnAttributes, &T::btnAttributesClick},
        {Cmd::btnRename, &T::btnRenameClick},
        {Cmd::btnMultimedia, &T::btnMultimediaClick},
    };
    for (const CommandHandler& command : handlers) {
        if (command.id == id) {
            (this->*command.handler)();
            return;
        }
    }
}

void TMainFormVelmor::file_CloseClick()
{
    if (FIdle)
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

// The help viewer reports a missing help file itself.
void TMainFormVelmor::item_ContentsClick()
{
    WinHelpW(Handle(), Application().HelpFile().c_str(), HELP_FINDER, 0);
}

void TMainFormVelmor::item_AboutClick()
{
}
