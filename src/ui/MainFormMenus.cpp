// The main window's menus: their items by id (texts by number, set later by ApplyTexts), the
// drop-down menus of the tool buttons, and the hints of highlighted items.
#include "MainFormMenus.h"

#include "Ids.h"
#include "MainFormVelmor.h"
#include "toolkit/Application.h"

#include <commctrl.h>

namespace {

using Item = MenuItemText;
constexpr int Separator = 0;

// The main menu in order; depth 0 are the bar's menus, deeper items belong to the last
// shallower one; a kind of Submenu opens the items that follow it.
const MenuItemText MainMenuItems[] = {
    {Cmd::FileMenu, 65251, 65252, 0, Item::Submenu},
    {Cmd::item_Delete, 65253, 65254, 1},
    {Separator, 0, 0, 1},
    {Cmd::item_Close, 65255, 65256, 1},
    {Cmd::EditMenu, 65257, 65258, 0, Item::Submenu},
    {Cmd::item_AddFile, 65259, 65260, 1},
    {Cmd::item_AddFolder, 65261, 65262, 1, Item::Submenu},
    {Cmd::item_AddFilesOnly, 65263, 65262, 2},
    {Cmd::item_AddFilesAndFolders, 65232, 65262, 2},
    {Cmd::item_AddFoldersOnly, 65233, 65262, 2},
    {Separator, 0, 0, 1},
    {Cmd::item_RemoveFile, 65234, 65235, 1},
    {Cmd::item_RemoveFolder, 65236, 65237, 1},
    {Separator, 0, 0, 1},
    {Cmd::item_ClearList, 65238, 65239, 1},
    {Separator, 0, 0, 1},
    {Cmd::item_InvertSelection, 65240, 65241, 1},
    {Cmd::item_InvertChecked, 65242, 65243, 1},
    {Cmd::ViewMenu, 65244, 65245, 0, Item::Submenu},
    {Cmd::item_Toolbar, 65246, 65247, 1},
    {Cmd::item_StatusBar, 65216, 65217, 1},
    {Separator, 0, 0, 1},
    {Cmd::item_GridLines, 65218, 65219, 1},
    {Separator, 0, 0, 1},
    {Cmd::item_ViewIcons, 65220, 65221, 1, Item::Radio},
    {Cmd::item_ViewSmallIcons, 65222, 65223, 1, Item::Radio},
    {Cmd::item_ViewList, 65224, 65225, 1, Item::Radio},
    {Cmd::item_ViewDetails, 65226, 65227, 1, Item::Radio},
    {Separator, 0, 0, 1},
    {Cmd::item_Arrange, 65228, 65229, 1, Item::Submenu},
    {Cmd::item_ByName, 65230, 65231, 2},
    {Cmd::item_ByType, 65202, 65203, 2},
    {Cmd::item_BySize, 65200, 65201, 2},
    {Cmd::item_ByCreated, 65204, 65205, 2},
    {Cmd::item_ByModified, 65206, 65207, 2},
    {Cmd::item_ByOpened, 65208, 65209, 2},
    {Cmd::item_ByAttr, 65210, 65211, 2},
    {Cmd::item_ByFolder, 65212, 65213, 2},
    {Cmd::HelpMenu, 65214, 65215, 0, Item::Submenu},
    {Cmd::item_Contents, 65184, 65185, 1},
    {Separator, 0, 0, 1},
    {Cmd::item_About, 65186, 65187, 1},
};

// The list's pop-up menu. Its add-folder item opens the three add modes, as in the Edit menu.
const MenuItemText PopupMenu1Items[] = {
    {Cmd::item_AddFile, 65259, 65260, 0},
    {Cmd::item_AddFolder, 65261, 65262, 0, Item::Submenu},
    {Cmd::item_AddFilesOnly, 65263, 65262, 1},
    {Cmd::item_AddFilesAndFolders, 65232, 65262, 1},
    {Cmd::item_AddFoldersOnly, 65233, 65262, 1},
    {Separator, 0, 0, 0},
    {Cmd::item_RemoveFile, 65234, 65235, 0},
    {Cmd::item_RemoveFolder, 65236, 65237, 0},
    {Separator, 0, 0, 0},
    {Cmd::item_ClearList, 65238, 65239, 0},
};

const MenuItemText AddFolderParamsItems[] = {
    {Cmd::item_AddFilesOnly, 65263, 65262, 0},
    {Cmd::item_AddFilesAndFolders, 65232, 65262, 0},
    {Cmd::item_AddFoldersOnly, 65233, 65262, 0},
};

// The targets of a run, grouped 0 and 1, 2 and 3, 4 and 5, and 6 alone; no hints.
const MenuItemText OperateItems[] = {
    {Cmd::item_Operate0, 65269, 0, 0},     {Cmd::item_Operate0 + 1, 65270, 0, 0},
    {Separator, 0, 0, 0},
    {Cmd::item_Operate0 + 2, 65271, 0, 0}, {Cmd::item_Operate0 + 3, 65272, 0, 0},
    {Separator, 0, 0, 0},
    {Cmd::item_Operate0 + 4, 65273, 0, 0}, {Cmd::item_Operate0 + 5, 65274, 0, 0},
    {Separator, 0, 0, 0},
    {Cmd::item_Operate6, 65275, 0, 0},
};

void Build(Menu& menu, std::span<const MenuItemText> items)
{
    HMENU open[4] = {menu.Handle()};
    for (const MenuItemText& item : items) {
        const HMENU into = open[item.depth];
        if (item.id == Separator)
            menu.AppendSeparator(into);
        else if (item.kind == Item::Submenu)
            open[item.depth + 1] = menu.AppendSubmenu(into, item.id);
        else
            menu.AppendItem(into, item.id, item.kind == Item::Radio);
    }
}

} // namespace

std::span<const MenuItemText> MainMenuTexts() { return MainMenuItems; }
std::span<const MenuItemText> PopupMenu1Texts() { return PopupMenu1Items; }
std::span<const MenuItemText> AddFolderParamsTexts() { return AddFolderParamsItems; }
std::span<const MenuItemText> OperateTexts() { return OperateItems; }

void TMainFormVelmor::CreateMenus()
{
    Build(MainMenu1, MainMenuItems);
    MainMenu1.AttachTo(Handle());
    Build(PopupMenu1, PopupMenu1Items);
    Build(pmAddFolderParams, AddFolderParamsItems);
    Build(pmOperate, OperateItems);
    const auto dropDown = [this](ToolBar& bar, int id) {
        RECT button = bar.ButtonRect(id);
        MapWindowPoints(bar.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&button), 2);
        (id == Cmd::btnAddDir ? pmAddFolderParams : pmOperate).Popup(Handle(), {button.left, button.bottom});
    };
    tbFileList.SetOnClick([this](int id) { OnCommand(id); });
    tbFileList.SetOnDropDown([this, dropDown](int id) { dropDown(tbFileList, id); });
    tbStartStop.SetOnDropDown([this, dropDown](int id) { dropDown(tbStartStop, id); });
}

void TMainFormVelmor::MenuSelect(WPARAM wParam, LPARAM lParam)
{
    const UINT flags = HIWORD(wParam);
    const auto menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && !menu) { // the menu closed
        Application().SetHint(L"");
        return;
    }
    UINT id = LOWORD(wParam);
    if (flags & MF_POPUP) { // a submenu's item reports its position
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID;
        id = GetMenuItemInfoW(menu, id, TRUE, &item) ? item.wID : 0;
    }
    const auto hint = menuHints_.find(static_cast<int>(id));
    Application().SetHint(hint == menuHints_.end() ? std::wstring() : hint->second);
}
