#include "ToolBar.h"

#include "TextRules.h"

#include <commctrl.h>

#include <algorithm>

void ToolBar::Create(HWND parent, int id, bool listStyle)
{
    DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                  CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (listStyle)
        style |= TBSTYLE_LIST;
    CreateControl(TOOLBARCLASSNAMEW, L"", style, 0, {}, parent, id);
    Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    Send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
}

void ToolBar::SetImageList(HIMAGELIST images)
{
    Send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
}

void ToolBar::AddButton(const ToolButton& tool)
{
    TBBUTTON button{};
    button.idCommand = tool.id;
    button.iBitmap = tool.image;
    button.fsState = TBSTATE_ENABLED;
    button.iString = -1;
    switch (tool.kind) {
    case Kind::Button:
        button.fsStyle = BTNS_BUTTON;
        break;
    case Kind::Check:
        button.fsStyle = BTNS_CHECK;
        break;
    case Kind::CheckGroup:
        button.fsStyle = BTNS_CHECKGROUP;
        break;
    case Kind::DropDown:
        button.fsStyle = BTNS_WHOLEDROPDOWN;
        break;
    case Kind::Separator:
        button.fsStyle = BTNS_SEP;
        button.iBitmap = tool.separatorWidth;
        button.fsState = 0;
        break;
    }
    if (tool.kind != Kind::Separator)
        button.fsStyle |= BTNS_AUTOSIZE;
    Send(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    entries_.push_back({tool.id, L"", L""});
}

void ToolBar::SetButtonSize(int width, int height)
{
    Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(width, height));
}

void ToolBar::SetMinButtonWidth(int width)
{
    Send(TB_SETBUTTONWIDTH, 0, MAKELPARAM(width, 32767));
}

void ToolBar::SetCaption(int id, const std::wstring& caption)
{
    if (Entry* entry = Find(id))
        entry->caption = caption;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT;
    info.pszText = const_cast<wchar_t*>(caption.c_str());
    Send(TB_SETBUTTONINFOW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
    Send(TB_AUTOSIZE);
}

std::wstring ToolBar::Caption(int id) const
{
    const Entry* entry = Find(id);
    return entry ? entry->caption : std::wstring();
}

void ToolBar::SetImage(int id, int image)
{
    Send(TB_CHANGEBITMAP, static_cast<WPARAM>(id), MAKELPARAM(image, 0));
}

int ToolBar::Image(int id) const
{
    return static_cast<int>(Send(TB_GETBITMAP, static_cast<WPARAM>(id)));
}

void ToolBar::SetHint(int id, const std::wstring& hint)
{
    if (Entry* entry = Find(id))
        entry->hint = hint;
}

std::wstring ToolBar::Hint(int id) const
{
    const Entry* entry = Find(id);
    return entry ? entry->hint : std::wstring();
}

bool ToolBar::Down(int id) const
{
    return Send(TB_ISBUTTONCHECKED, static_cast<WPARAM>(id)) != 0;
}

void ToolBar::SetDown(int id, bool down)
{
    Send(TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(down ? TRUE : FALSE, 0));
}

bool ToolBar::ButtonEnabled(int id) const
{
    return Send(TB_ISBUTTONENABLED, static_cast<WPARAM>(id)) != 0;
}

void ToolBar::SetButtonEnabled(int id, bool enabled)
{
    Send(TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

RECT ToolBar::ButtonRect(int id) const
{
    RECT rect{};
    Send(TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

SIZE ToolBar::IdealSize() const
{
    SIZE size{};
    const int count = static_cast<int>(Send(TB_BUTTONCOUNT));
    for (int i = 0; i < count; ++i) {
        RECT rect{};
        Send(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
        size.cx = std::max(size.cx, rect.right);
        size.cy = std::max(size.cy, rect.bottom);
    }
    return size;
}

std::wstring ToolBar::HintAt(POINT client) const
{
    const int index = static_cast<int>(Send(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
    if (index < 0)
        return {};
    TBBUTTON button{};
    Send(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return Hint(button.idCommand);
}

LRESULT ToolBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The tooltip asks its tool bar for the text; answer with the short part of the hint.
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        tooltip_ = ShortHint(Hint(static_cast<int>(info->hdr.idFrom)));
        info->lpszText = tooltip_.data();
        info->hinst = nullptr;
        return 0;
    }
    // A bar nested in this one sends its notifications here; they belong to its object, and
    // what that does not handle goes on to this bar's owner.
    if (message == WM_COMMAND || message == WM_NOTIFY) {
        const HWND sender = message == WM_COMMAND ? reinterpret_cast<HWND>(lParam)
                                                  : reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        if (sender && GetParent(sender) == Handle() && FromHandle(sender)) {
            if (LRESULT result = 0; Reflect(message, wParam, lParam, result))
                return result;
            return SendMessageW(GetParent(Handle()), message, wParam, lParam);
        }
    }
    return Window::OnMessage(message, wParam, lParam);
}

bool ToolBar::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND && onClick_) {
        onClick_(LOWORD(wParam));
        result = 0;
        return true;
    }
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TBN_DROPDOWN) {
        if (onDropDown_)
            onDropDown_(reinterpret_cast<const NMTOOLBARW*>(lParam)->iItem);
        result = TBDDRET_DEFAULT;
        return true;
    }
    return false;
}

ToolBar::Entry* ToolBar::Find(int id)
{
    for (Entry& entry : entries_)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

const ToolBar::Entry* ToolBar::Find(int id) const
{
    return const_cast<ToolBar*>(this)->Find(id);
}
