// A menu bar or pop-up menu built item by item; items are reached by their command ids, also
// inside submenus. Pop-up menus are owned; a bar belongs to its window once attached.
#pragma once

#include <windows.h>

#include <string>

class Menu {
public:
    enum class Kind { Bar, Popup };
    explicit Menu(Kind kind);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu();

    HMENU Handle() const { return handle_; }
    void AttachTo(HWND window);

    void AppendItem(HMENU into, int id, bool radio = false);
    // A submenu item with its own id (for its caption and hint); returns the new submenu.
    HMENU AppendSubmenu(HMENU into, int id);
    void AppendSeparator(HMENU into);
    // The menu that a submenu item opens, or null.
    HMENU Submenu(int id) const;

    void SetCaption(int id, const std::wstring& caption);
    std::wstring Caption(int id) const;
    bool ItemEnabled(int id) const;
    void SetItemEnabled(int id, bool enabled);
    bool ItemChecked(int id) const;
    void SetItemChecked(int id, bool checked);
    void SetDefaultItem(int id) { SetMenuDefaultItem(handle_, static_cast<UINT>(id), FALSE); }
    int DefaultItem() const { return static_cast<int>(GetMenuDefaultItem(handle_, FALSE, 0)); }

    // Shows a pop-up menu at a screen point; the chosen command reaches the owner as WM_COMMAND.
    void Popup(HWND owner, POINT screen) const;

private:
    HMENU handle_;
    bool owned_;
};
