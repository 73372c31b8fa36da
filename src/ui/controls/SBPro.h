// The program's status bar: the system's status bar with panels that each carry a hint, an
// image of an image list, a pop-up menu and click events. The bar draws every panel itself, so
// alignment and images work in all of them.
#pragma once

#include "StatusBarLayout.h"
#include "toolkit/GdiObjects.h"
#include "toolkit/Window.h"

#include <commctrl.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusBarPro;
class TStatusPanelsPro;

class TStatusPanelPro {
public:
    using TNotifyEvent = std::function<void(TStatusPanelPro& sender)>;

    explicit TStatusPanelPro(TStatusPanelsPro& collection) : collection_(collection) {}
    TStatusPanelPro(const TStatusPanelPro&) = delete;
    TStatusPanelPro& operator=(const TStatusPanelPro&) = delete;

    // Takes every property and both events of the source.
    void Assign(const TStatusPanelPro& source);
    int Index() const;

    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text) { Store(text_, text); }
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& hint) { Store(hint_, hint); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { Store(imageIndex_, index); }
    // Not owned; the owner calls TStatusBarPro::ForgetMenu before destroying it.
    HMENU PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(HMENU menu) { Store(popupMenu_, menu); }
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { Store(alignment_, alignment); }
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel) { Store(bevel_, bevel); }
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle style) { Store(style_, style); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

private:
    friend class TStatusBarPro; // the text-pending mark is the bar's bookkeeping

    template <typename T>
    void Store(T& field, const T& value);

    TStatusPanelsPro& collection_;
    std::wstring text_;
    std::wstring hint_;
    int imageIndex_ = -1;
    HMENU popupMenu_ = nullptr;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
    TStatusPanelStyle style_ = psText;
    bool textPending_ = false;
};

// The panels of one bar; every change reaches the bar. Panels keep their address while they
// exist.
class TStatusPanelsPro {
public:
    explicit TStatusPanelsPro(TStatusBarPro& bar) : bar_(bar) {}
    TStatusPanelsPro(const TStatusPanelsPro&) = delete;
    TStatusPanelsPro& operator=(const TStatusPanelsPro&) = delete;

    int Count() const { return static_cast<int>(panels_.size()); }
    TStatusPanelPro& operator[](int index) { return *panels_[static_cast<std::size_t>(index)]; }
    const TStatusPanelPro& operator[](int index) const { return *panels_[static_cast<std::size_t>(index)]; }
    int IndexOf(const TStatusPanelPro& panel) const;

    TStatusPanelPro& Add();
    void Delete(int index);
    void Clear();
    // Replaces these panels by copies of the source's.
    void Assign(const TStatusPanelsPro& source);

private:
    friend class TStatusPanelPro;

    // One panel changed, or (null) all of them, their number or their order.
    void Update(const TStatusPanelPro* panel);

    TStatusBarPro& bar_;
    std::vector<std::unique_ptr<TStatusPanelPro>> panels_;
    bool assigning_ = false;
};

class TStatusBarPro : public Window {
public:
    using TNotifyEvent = std::function<void(TStatusBarPro& sender)>;
    // dc is the bar's drawing context for the panel, with the bar's font and colour selected.
    using TDrawPanelProEvent =
        std::function<void(TStatusBarPro& statusBar, TStatusPanelPro& panel, HDC dc, const RECT& rect)>;

    TStatusBarPro();

    // Creates the bar along the bottom of the parent's client area, Height() high; afterwards
    // the parent's layout places it.
    void Create(HWND parent, int id);

    TStatusPanelsPro& Panels() { return panels_; }
    const TStatusPanelsPro& Panels() const { return panels_; }
    void SetPanels(const TStatusPanelsPro& panels) { panels_.Assign(panels); }

    const std::wstring& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::wstring& text);
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    // The grip shows only when the parent is a sizeable top-level window.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool sizeGrip);
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool use);
    HFONT Font() const { return font_; }
    // Not owned.
    void SetFont(HFONT font);
    // Not owned; the owner calls ForgetImages before destroying it.
    HIMAGELIST Images() const { return images_; }
    void SetImages(HIMAGELIST images);
    // Not owned; the owner calls ForgetMenu before destroying it.
    HMENU PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(HMENU menu) { popupMenu_ = menu; }
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& hint) { hint_ = hint; }
    // While true, the panel under the mouse follows its moves, not only its button presses.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }
    int Height() const { return height_; }
    void SetHeight(int height);

    // The panel under the mouse at the last button press (or move while ShowHint is true).
    TStatusPanelPro* HotPanel() const { return FHotPanel; }

    // A menu or image list about to be destroyed: nothing here refers to it afterwards.
    void ForgetMenu(HMENU menu);
    void ForgetImages(HIMAGELIST images);

    // The hint of the panel at the point, or the bar's own when that panel has none.
    std::wstring HintAt(POINT client) const override;
    // Calls OnHint; false when nobody listens.
    virtual bool NotifyHint();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // Runs when the mouse moves onto another panel, so the hint shown can follow.
    TNotifyEvent OnHint;
    // Draws panels of style psOwnerDraw; without it they are drawn like text panels.
    TDrawPanelProEvent OnDrawPanel;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class TStatusPanelsPro;


    void CreateWindowAt(HWND parent, int id, const RECT& bounds, DWORD visible);
    void Recreate();
    DWORD GripStyle(HWND parent) const;
    void ApplySystemFont();
    // The index of the panel whose part holds the point, or -1.
    int PanelIndexAt(POINT client) const;
    TStatusPanelPro* PanelAtPoint(POINT client);
    void RefreshPanels(bool updateRects, bool updateText);
    void RefreshPanel(int index, bool sendText);
    void InvalidatePart(int index);
    void RedrawPendingParts();
    void StretchLastPart();
    void PaintPanel(TStatusPanelPro& panel, HDC dc, const RECT& rect);
    void TrackHotPanel(POINT client);
    void Click();
    void DblClick();
    bool ShowPopupMenu(LPARAM screenPoint);
    void Repaint();

    TStatusPanelsPro panels_{*this};
    std::wstring simpleText_;
    bool simplePanel_ = false;
    bool sizeGrip_ = true;
    bool useSystemFont_ = true;
    HFONT font_ = nullptr;
    UniqueFont systemFont_;
    HIMAGELIST images_ = nullptr;
    HMENU popupMenu_ = nullptr;
    std::wstring hint_;
    bool showHint_ = true;
    int height_ = 19;
    TStatusPanelPro* FHotPanel = nullptr;
    bool clicked_ = false;
    bool redrawPaused_ = false; // a part was invalidated lately; more changes wait for the timer
    // The texts sent to the control: an owner-drawn part keeps only the pointer, so each part's
    // text lives here, at a fixed place, until the part gets a new one.
    std::array<std::wstring, MaxStatusParts> partTexts_;
};

template <typename T>
void TStatusPanelPro::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    collection_.Update(this);
}
