// A tab control whose pages are panels. A page's tab can be hidden; a hidden tab's page can
// still be shown by program. The window procedure can be replaced and chained by the owner.
#pragma once

#include "Panel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class PageControl : public Window {
public:
    using WindowProc = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

    void Create(HWND parent, int id);
    // Adds a page with a visible tab; returns it for its children.
    Panel& AddPage(int id);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    Panel& Page(int index) { return *pages_[static_cast<std::size_t>(index)].panel; }
    void SetTabVisible(int index, bool visible);
    void SetPageCaption(int index, const std::wstring& caption);
    std::wstring PageCaption(int index) const;
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index);
    // Places the pages in the display area that the control computes for its client area.
    void Realign();
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    // The procedure that receives every message of the control, and its replacement.
    const WindowProc& CurrentWindowProc() const { return windowProc_; }
    void SetWindowProc(WindowProc proc) { windowProc_ = std::move(proc); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct PageEntry {
        std::unique_ptr<Panel> panel;
        std::wstring caption;
        bool tabVisible = true;
    };
    int TabOfPage(int page) const;
    int PageOfTab(int tab) const;
    void RebuildTabs();

    std::vector<PageEntry> pages_;
    int active_ = -1;
    WindowProc windowProc_;
    std::function<void()> onChange_;
};
