#include "Menu.h"

#include <vector>

Menu::Menu(Kind kind)
    : handle_(kind == Kind::Bar ? CreateMenu() : CreatePopupMenu()), owned_(true)
{
}

Menu::~Menu()
{
    if (owned_)
        DestroyMenu(handle_);
}

void Menu::AttachTo(HWND window)
{
    SetMenu(window, handle_);
    owned_ = false;
}

void Menu::AppendItem(HMENU into, int id, bool radio)
{
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    item.fType = radio ? MFT_RADIOCHECK : MFT_STRING;
    item.wID = static_cast<UINT>(id);
    item.dwTypeData = const_cast<wchar_t*>(L"");
    InsertMenuItemW(into, static_cast<UINT>(GetMenuItemCount(into)), TRUE, &item);
}

HMENU Menu::AppendSubmenu(HMENU into, int id)
{
    const HMENU submenu = CreatePopupMenu();
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    item.wID = static_cast<UINT>(id);
    item.hSubMenu = submenu;
    item.dwTypeData = const_cast<wchar_t*>(L"");
    InsertMenuItemW(into, static_cast<UINT>(GetMenuItemCount(into)), TRUE, &item);
    return submenu;
}

void Menu::AppendSeparator(HMENU into)
{
    AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
}

HMENU Menu::Submenu(int id) const
{
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_SUBMENU;
    return GetMenuItemInfoW(handle_, static_cast<UINT>(id), FALSE, &item) ? item.hSubMenu : nullptr;
}

void Menu::SetCaption(int id, const std::wstring& caption)
{
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    SetMenuItemInfoW(handle_, static_cast<UINT>(id), FALSE, &item);
}

std::wstring Menu::Caption(int id) const
{
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(handle_, static_cast<UINT>(id), FALSE, &item))
        return {};
    std::vector<wchar_t> buffer(item.cch + 1);
    item.dwTypeData = buffer.data();
    item.cch = static_cast<UINT>(buffer.size());
    GetMenuItemInfoW(handle_, static_cast<UINT>(id), FALSE, &item);
    return buffer.data();
}

bool Menu::ItemEnabled(int id) const
{
    return (GetMenuState(handle_, static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void Menu::SetItemEnabled(int id, bool enabled)
{
    EnableMenuItem(handle_, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Menu::ItemChecked(int id) const
{
    return (GetMenuState(handle_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Menu::SetItemChecked(int id, bool checked)
{
    CheckMenuItem(handle_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Menu::Popup(HWND owner, POINT screen) const
{
    TrackPopupMenu(handle_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner,
                   nullptr);
}
