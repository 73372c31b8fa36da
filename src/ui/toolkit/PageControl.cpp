#include "PageControl.h"

#include <commctrl.h>

void PageControl::Create(HWND parent, int id)
{
    windowProc_ = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return Window::OnMessage(message, wParam, lParam);
    };
    CreateControl(WC_TABCONTROLW, L"", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
                  WS_EX_CONTROLPARENT, {}, parent, id);
}

Panel& PageControl::AddPage(int id)
{
    auto panel = std::make_unique<Panel>();
    panel->Create(Handle(), id);
    ShowWindow(panel->Handle(), SW_HIDE);
    pages_.push_back({std::move(panel), L"", true});
    RebuildTabs();
    if (active_ < 0)
        SetActivePageIndex(0);
    return *pages_.back().panel;
}

void PageControl::SetTabVisible(int index, bool visible)
{
    pages_[static_cast<std::size_t>(index)].tabVisible = visible;
    RebuildTabs();
}

void PageControl::SetPageCaption(int index, const std::wstring& caption)
{
    pages_[static_cast<std::size_t>(index)].caption = caption;
    const int tab = TabOfPage(index);
    if (tab < 0)
        return;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    Send(TCM_SETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
}

std::wstring PageControl::PageCaption(int index) const
{
    return pages_[static_cast<std::size_t>(index)].caption;
}

void PageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    active_ = index;
    for (int i = 0; i < PageCount(); ++i)
        ShowWindow(Page(i).Handle(), i == index ? SW_SHOW : SW_HIDE);
    const int tab = TabOfPage(index);
    if (tab >= 0)
        Send(TCM_SETCURSEL, static_cast<WPARAM>(tab));
    Realign();
}

void PageControl::Realign()
{
    RECT display = ClientRect();
    Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (int i = 0; i < PageCount(); ++i)
        Page(i).SetBounds(display);
}

int PageControl::TabOfPage(int page) const
{
    if (!pages_[static_cast<std::size_t>(page)].tabVisible)
        return -1;
    int tab = 0;
    for (int i = 0; i < page; ++i)
        tab += pages_[static_cast<std::size_t>(i)].tabVisible ? 1 : 0;
    return tab;
}

int PageControl::PageOfTab(int tab) const
{
    for (int i = 0; i < PageCount(); ++i)
        if (TabOfPage(i) == tab)
            return i;
    return -1;
}

void PageControl::RebuildTabs()
{
    Send(TCM_DELETEALLITEMS);
    int tab = 0;
    for (const PageEntry& page : pages_) {
        if (!page.tabVisible)
            continue;
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(page.caption.c_str());
        Send(TCM_INSERTITEMW, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
    }
    if (active_ >= 0)
        SetActivePageIndex(active_);
}

LRESULT PageControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The pages' notifications pass on to the control's owner.
    if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_DRAWITEM)
        return SendMessageW(GetParent(Handle()), message, wParam, lParam);
    const LRESULT result = windowProc_(message, wParam, lParam);
    if (message == WM_SIZE)
        Realign();
    return result;
}

bool PageControl::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != TCN_SELCHANGE)
        return false;
    SetActivePageIndex(PageOfTab(static_cast<int>(Send(TCM_GETCURSEL))));
    if (onChange_)
        onChange_();
    result = 0;
    return true;
}
