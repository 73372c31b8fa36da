#include "Button.h"

void Button::Create(HWND parent, int id, Kind kind, const RECT& bounds, bool firstOfGroup)
{
    DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
    case Kind::Push:
        style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
    case Kind::CheckBox:
        style |= BS_AUTOCHECKBOX | WS_TABSTOP;
        break;
    case Kind::Radio:
        style |= BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0);
        break;
    case Kind::GroupBox:
        style |= BS_GROUPBOX;
        break;
    }
    CreateControl(L"BUTTON", L"", style, 0, bounds, parent, id);
}

bool Button::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED || !onClick_)
        return false;
    onClick_();
    result = 0;
    return true;
}
