// The items of the main window's menus with their text numbers, shared by the building of the
// menus and by ApplyTexts.
#pragma once

#include <span>

struct MenuItemText {
    enum Kind { Plain, Radio, Submenu };
    int id;       // 0 for a separator
    int caption;  // text numbers
    int hint;
    int depth;
    Kind kind = Plain;
};

std::span<const MenuItemText> MainMenuTexts();
std::span<const MenuItemText> PopupMenu1Texts();
std::span<const MenuItemText> AddFolderParamsTexts();
std::span<const MenuItemText> OperateTexts();
