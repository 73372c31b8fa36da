#include "ListView.h"

#include <commctrl.h>

#include <algorithm>
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

int ListView::Append(std::vector<std::wstring> texts, int image)
{
    auto row = std::make_unique<Row>();
    row->texts = std::move(texts);
    row->texts.resize(static_cast<std::size_t>(std::max(columns_, 1)));
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = Count();
    item.iImage = image;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.lParam = reinterpret_cast<LPARAM>(row.get());
    // Kept first: inserting already reports the row, and its texts may be asked for.
    Row* const kept = row.get();
    rows_.emplace(kept, std::move(row));
    const int index = static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0)
        rows_.erase(kept);
    return index;
}

std::wstring ListView::ItemText(int item, int column) const
{
    const Row* row = RowAt(item);
    if (!row || column < 0 || static_cast<std::size_t>(column) >= row->texts.size())
        return {};
    return row->texts[static_cast<std::size_t>(column)];
}

void ListView::SetItemText(int item, int column, const std::wstring& text)
{
    Row* row = RowAt(item);
    if (!row || column < 0 || static_cast<std::size_t>(column) >= row->texts.size())
        return;
    row->texts[static_cast<std::size_t>(column)] = text;
    // Rows out of sight need no drawing; asking for it would still cost a call to the system.
    const auto top = static_cast<int>(Send(LVM_GETTOPINDEX));
    if (item >= top && item <= top + static_cast<int>(Send(LVM_GETCOUNTPERPAGE)))
        RedrawItem(item);
}

ListView::Row* ListView::RowAt(int item) const
{
    LVITEMW info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    if (!Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info)))
        return nullptr;
    return reinterpret_cast<Row*>(info.lParam);
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
    // Rows that keep coming (a folder walk's calls) keep the queue busy, and the timer and the
    // paint wait behind them: a pause that is over ends here.
    if (drawingDeferred_ && GetTickCount64() - deferredSince_ >= milliseconds)
        DrawDeferred();
    if (drawingDeferred_)
        return;
    drawingDeferred_ = true;
    deferredSince_ = GetTickCount64();
    Send(WM_SETREDRAW, FALSE);
    SetTimer(Handle(), DeferredDrawingTimer, milliseconds, nullptr);
}

void ListView::DrawDeferred()
{
    KillTimer(Handle(), DeferredDrawingTimer);
    drawingDeferred_ = false;
    Send(WM_SETREDRAW, TRUE);
    // Drawn now: a paint left for later would come after the next rows had paused drawing again.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT ListView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == DeferredDrawingTimer) {
        DrawDeferred();
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
    result = 0;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case LVN_GETDISPINFOW: {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
        const auto* row = reinterpret_cast<const Row*>(item.lParam);
        if ((item.mask & LVIF_TEXT) && row && static_cast<std::size_t>(item.iSubItem) < row->texts.size())
            item.pszText = const_cast<wchar_t*>(row->texts[static_cast<std::size_t>(item.iSubItem)].c_str());
        return true;
    }
    case LVN_DELETEITEM:
        rows_.erase(reinterpret_cast<const Row*>(reinterpret_cast<const NMLISTVIEW*>(lParam)->lParam));
        return true;
    case LVN_DELETEALLITEMS:
        rows_.clear();
        result = TRUE; // no notification for every row
        return true;
    case LVN_INSERTITEM:
    case LVN_ITEMCHANGED:
        if (onChange_)
            onChange_();
        return true;
    default:
        return false;
    }
}
