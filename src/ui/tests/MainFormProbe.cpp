#include "MainFormProbe.h"

#include "Ids.h"

#include <commctrl.h>

MainFormProbe::MainFormProbe()
{
    Application().SetTitle(L"Velmor");
    form_ = std::make_unique<TMainFormVelmor>();
    ShowWindow(form_->Handle(), SW_SHOW);
    UpdateWindow(form_->Handle());
    Pump();
}

MainFormProbe::~MainFormProbe() = default;

HWND MainFormProbe::Control(int id) const
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(form_->Handle(), [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s->id)
            return TRUE;
        s->found = child;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring MainFormProbe::Text(int id) const
{
    wchar_t buffer[512] = {};
    GetWindowTextW(Control(id), buffer, 512);
    return buffer;
}

TStatusBarPro& MainFormProbe::StatusBar() const
{
    return *dynamic_cast<TStatusBarPro*>(Window::FromHandle(Control(Ctl::SB)));
}

std::wstring MainFormProbe::Panel(int index) const
{
    return StatusBar().Panels()[index].Text();
}

std::wstring MainFormProbe::Cell(int row, int column) const
{
    // Asked of the control, as a reader of the screen would.
    wchar_t text[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 1024;
    SendMessageW(Control(Ctl::lvFiles), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

int MainFormProbe::Rows() const
{
    return static_cast<int>(SendMessageW(Control(Ctl::lvFiles), LVM_GETITEMCOUNT, 0, 0));
}
