// Menu items and tool buttons: every command id to its handler. Items that do the same share one.
#include "MainFormVelmor.h"

#include "Ids.h"

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
    static const CommandHandler handlers[] = {
        {Cmd::item_Close, &TMainFormVelmor::file_CloseClick},
        {Cmd::item_AddFile, &TMainFormVelmor::item_AddFileClick},
        {Cmd::item_AddFilesOnly, &TMainFormVelmor::pitem_AddFilesOnlyClick},
        {Cmd::item_AddFilesAndFolders, &TMainFormVelmor::pitem_AddFilesAndFoldersClick},
        {Cmd::item_AddFoldersOnly, &TMainFormVelmor::pitem_AddFoldersOnlyClick},
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
