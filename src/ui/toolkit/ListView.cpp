#include "ListView.h"

#include <commctrl.h>

#include <vector>

namespace {
const UINT_PTR DeferredDrawingTimer = 1;
}

void ListView::Create(HWND parent, int id)
{
    CreateControl(WC_LISTVIEWW, L"", WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                  LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS, WS_EX_CLIENTEDGE, {}, parent, id);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
}

void ListView::AddColumn(int width, bool rightAligned)
{
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(L"");
    Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(columns_++), reinterpret_cast<LPARAM>(&column));
}

void ListView::SetColumnCaption(int column, const std::wstring& caption)
{
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = const_cast<wchar_t*>(caption.c_str());
    Send(LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
}

std::wstring ListView::ColumnCaption(int column) const
{
    wchar_t buffer[260] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = buffer;
    info.cchTextMax = 260;
    Send(LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

int ListView::ColumnWidth(int column) const
{
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

void ListView::SetImageLists(HIMAGELIST small, HIMAGELIST normal)
{
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
    Send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(normal));
}

int ListView::Append(const std::wstring& caption, int image)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = Count();
    item.iImage = image;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

std::wstring ListView::ItemText(int item, int column) const
{
    // The control copies at most the buffer's size: grow until the text fits.
    for (std::size_t size = 256;; size *= 4) {
        std::vector<wchar_t> buffer(size);
        LVITEMW info{};
        info.iSubItem = column;
        info.pszText = buffer.data();
        info.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<std::size_t>(
            Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
        if (length + 1 < size)
            return std::wstring(buffer.data(), length);
    }
}

void ListView::SetItemText(int item, int column, const std::wstring& text)
{
    LVITEMW info{};
    info.iSubItem = column;
    info.pszText = const_cast<wchar_t*>(text.c_str());
    Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
}

int ListView::ItemImage(int item) const
{
    LVITEMW info{};
    info.mask = LVIF_IMAGE;
    info.iItem = item;
    Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return info.iImage;
}

bool ListView::Checked(int item) const
{
    return (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void ListView::SetChecked(int item, bool checked)
{
    SetState(item, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

bool ListView::Selected(int item) const
{
    return Send(LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED) != 0;
}

void ListView::SetSelected(int item, bool selected)
{
    SetState(item, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListView::RedrawItem(int item)
{
    Send(LVM_REDRAWITEMS, static_cast<WPARAM>(item), item);
}

void ListView::DeferDrawing(UINT milliseconds)
{
    if (drawingDeferred_)
        return;
    drawingDeferred_ = true;
    Send(WM_SETREDRAW, FALSE);
    SetTimer(Handle(), DeferredDrawingTimer, milliseconds, nullptr);
}

LRESULT ListView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == DeferredDrawingTimer) {
        KillTimer(Handle(), DeferredDrawingTimer);
        drawingDeferred_ = false;
        Send(WM_SETREDRAW, TRUE);
        InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void ListView::SetState(int item, UINT state, UINT mask)
{
    LVITEMW info{};
    info.state = state;
    info.stateMask = mask;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
}

bool ListView::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY)
        return false;
    const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
    if (code != LVN_ITEMCHANGED && code != LVN_INSERTITEM)
        return false;
    if (onChange_)
        onChange_();
    result = 0;
    return true;
}
