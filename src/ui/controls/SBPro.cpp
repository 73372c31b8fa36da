#include "SBPro.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

static_assert(PartOwnerDraw == SBT_OWNERDRAW && PartNoBorders == SBT_NOBORDERS && PartPopOut == SBT_POPOUT);

namespace {

// The part number that addresses the text of the simple mode.
constexpr WPARAM SimplePart = 255;
// While texts keep changing, the bar draws them at most this often (milliseconds).
constexpr UINT RedrawInterval = 100;
constexpr UINT_PTR RedrawTimer = 1;

// Leaves a device context as it was found, whatever was selected into it meanwhile.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    ~SavedDC() { RestoreDC(dc_, state_); }

private:
    HDC dc_;
    int state_;
};

SIZE TextSize(HDC dc, const std::wstring& text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

} // namespace

void TStatusPanelPro::Assign(const TStatusPanelPro& source)
{
    SetText(source.text_);
    SetWidth(source.width_);
    SetAlignment(source.alignment_);
    SetBevel(source.bevel_);
    SetStyle(source.style_);
    SetHint(source.hint_);
    SetImageIndex(source.imageIndex_);
    SetPopupMenu(source.popupMenu_);
    OnClick = source.OnClick;
    OnDblClick = source.OnDblClick;
}

int TStatusPanelPro::Index() const
{
    return collection_.IndexOf(*this);
}

void TStatusPanelPro::SetWidth(int width)
{
    if (width_ == width)
        return;
    width_ = width;
    // Every later part moves with this one's edge.
    collection_.Update(nullptr);
}

int TStatusPanelsPro::IndexOf(const TStatusPanelPro& panel) const
{
    const auto found = std::find_if(panels_.begin(), panels_.end(),
                                    [&panel](const auto& own) { return own.get() == &panel; });
    return found == panels_.end() ? -1 : static_cast<int>(found - panels_.begin());
}

TStatusPanelPro& TStatusPanelsPro::Add()
{
    panels_.push_back(std::make_unique<TStatusPanelPro>(*this));
    Update(nullptr);
    return *panels_.back();
}

void TStatusPanelsPro::Delete(int index)
{
    bar_.FHotPanel = nullptr;
    panels_.erase(panels_.begin() + index);
    Update(nullptr);
}

void TStatusPanelsPro::Clear()
{
    bar_.FHotPanel = nullptr;
    panels_.clear();
    Update(nullptr);
}

void TStatusPanelsPro::Assign(const TStatusPanelsPro& source)
{
    if (&source == this)
        return;
    bar_.FHotPanel = nullptr;
    // One refresh for the whole new set, not one for every panel and property.
    assigning_ = true;
    panels_.clear();
    for (const auto& panel : source.panels_) {
        panels_.push_back(std::make_unique<TStatusPanelPro>(*this));
        panels_.back()->Assign(*panel);
    }
    assigning_ = false;
    Update(nullptr);
}

void TStatusPanelsPro::Update(const TStatusPanelPro* panel)
{
    if (assigning_)
        return;
    if (panel)
        bar_.RefreshPanel(IndexOf(*panel), false);
    else
        bar_.RefreshPanels(true, false);
}

TStatusBarPro::TStatusBarPro()
{
    ApplySystemFont();
}

void TStatusBarPro::Create(HWND parent, int id)
{
    INITCOMMONCONTROLSEX bars{sizeof bars, ICC_BAR_CLASSES};
    InitCommonControlsEx(&bars);
    RECT client{};
    GetClientRect(parent, &client);
    CreateWindowAt(parent, id, {0, client.bottom - height_, client.right, client.bottom}, WS_VISIBLE);
}

void TStatusBarPro::CreateWindowAt(HWND parent, int id, const RECT& bounds, DWORD visible)
{
    CreateControl(STATUSCLASSNAMEW, L"", visible | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | GripStyle(parent),
                  WS_EX_CONTROLPARENT, bounds, parent, id);
    if (!Handle())
        return;
    // The control moves itself to its parent's bottom edge when created; the parent decides.
    SetBounds(bounds);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    Send(SB_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
    RefreshPanels(true, false);
    if (!simpleText_.empty())
        Send(SB_SETTEXTW, SimplePart, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    if (simplePanel_)
        Send(SB_SIMPLE, TRUE);
}

void TStatusBarPro::Recreate()
{
    const HWND old = Handle();
    if (!old)
        return;
    const HWND parent = GetParent(old);
    const int id = Id();
    const RECT bounds = Bounds();
    const DWORD visible = static_cast<DWORD>(GetWindowLongW(old, GWL_STYLE)) & WS_VISIBLE;
    // Children (the progress bar over a panel) would go with the old window: park them on the
    // parent meanwhile, bottom of the z-order first so that they come back in the same order.
    std::vector<HWND> children;
    for (HWND child = GetWindow(old, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.insert(children.begin(), child);
    for (const HWND child : children)
        SetParent(child, parent);
    clicked_ = false;
    DestroyWindow(old);
    CreateWindowAt(parent, id, bounds, visible);
    for (const HWND child : children)
        SetParent(child, Handle());
}

DWORD TStatusBarPro::GripStyle(HWND parent) const
{
    const auto parentStyle = static_cast<DWORD>(GetWindowLongW(parent, GWL_STYLE));
    const bool sizeableTopLevel = !(parentStyle & WS_CHILD) && (parentStyle & WS_THICKFRAME);
    return sizeGrip_ && sizeableTopLevel ? SBARS_SIZEGRIP : CCS_TOP;
}

void TStatusBarPro::SetSimpleText(const std::wstring& text)
{
    if (simpleText_ == text)
        return;
    simpleText_ = text;
    if (Handle())
        Send(SB_SETTEXTW, SimplePart, reinterpret_cast<LPARAM>(simpleText_.c_str()));
}

void TStatusBarPro::SetSimplePanel(bool simple)
{
    if (simplePanel_ == simple)
        return;
    simplePanel_ = simple;
    if (Handle())
        Send(SB_SIMPLE, simple ? TRUE : FALSE);
}

void TStatusBarPro::SetSizeGrip(bool sizeGrip)
{
    if (sizeGrip_ == sizeGrip)
        return;
    sizeGrip_ = sizeGrip;
    Recreate();
}

void TStatusBarPro::SetUseSystemFont(bool use)
{
    if (useSystemFont_ == use)
        return;
    useSystemFont_ = use;
    ApplySystemFont();
}

void TStatusBarPro::SetFont(HFONT font)
{
    font_ = font;
    if (Handle())
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TStatusBarPro::ApplySystemFont()
{
    if (!useSystemFont_)
        return;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return;
    UniqueFont font(CreateFontIndirectW(&metrics.lfStatusFont));
    if (!font)
        return;
    SetFont(font.get());
    // The old font goes only now that the control no longer uses it.
    systemFont_ = std::move(font);
}

void TStatusBarPro::SetImages(HIMAGELIST images)
{
    images_ = images;
    Repaint();
}

void TStatusBarPro::SetHeight(int height)
{
    if (height_ == height)
        return;
    height_ = height;
    if (Handle()) {
        const RECT bounds = Bounds();
        SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, height);
    }
}

void TStatusBarPro::ForgetMenu(HMENU menu)
{
    if (!menu)
        return;
    if (popupMenu_ == menu)
        popupMenu_ = nullptr;
    for (int i = 0; i < panels_.Count(); ++i)
        if (panels_[i].PopupMenu() == menu)
            panels_[i].SetPopupMenu(nullptr);
}

void TStatusBarPro::ForgetImages(HIMAGELIST images)
{
    if (images && images_ == images)
        SetImages(nullptr);
}

int TStatusBarPro::PanelIndexAt(POINT client) const
{
    const int count = std::min(panels_.Count(), MaxStatusParts);
    for (int i = 0; i < count; ++i) {
        RECT part{};
        if (Send(SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&part)) && PtInRect(&part, client))
            return i;
    }
    return -1;
}

TStatusPanelPro* TStatusBarPro::PanelAtPoint(POINT client)
{
    const int index = PanelIndexAt(client);
    return index < 0 ? nullptr : &panels_[index];
}

std::wstring TStatusBarPro::HintAt(POINT client) const
{
    const int index = PanelIndexAt(client);
    if (index >= 0 && !panels_[index].Hint().empty())
        return panels_[index].Hint();
    return hint_;
}

bool TStatusBarPro::NotifyHint()
{
    if (!OnHint)
        return false;
    OnHint(*this);
    return true;
}

void TStatusBarPro::RefreshPanels(bool updateRects, bool updateText)
{
    if (!Handle())
        return;
    if (updateRects) {
        std::vector<int> widths;
        for (int i = 0; i < panels_.Count(); ++i)
            widths.push_back(panels_[i].Width());
        const std::vector<int> edges = PartRightEdges(widths);
        Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        if (widths.empty())
            Send(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
    }
    const int count = std::min(panels_.Count(), MaxStatusParts);
    for (int i = 0; i < count; ++i)
        RefreshPanel(i, updateText);
}

void TStatusBarPro::RefreshPanel(int index, bool sendText)
{
    // Panels beyond the last part have no part to write to; their numbers would also run into
    // the simple part (255) and the type bits.
    if (!Handle() || index < 0 || index >= std::min(panels_.Count(), MaxStatusParts))
        return;
    TStatusPanelPro& panel = panels_[index];
    if (!sendText) {
        // A pending part is already waiting for its paint. A change right after a paint
        // waits for the next interval: painting for every item a folder scan adds would cost
        // more than the scan.
        if (panel.textPending_)
            return;
        panel.textPending_ = true;
        if (!redrawPaused_) {
            InvalidatePart(index);
            redrawPaused_ = SetTimer(Handle(), RedrawTimer, RedrawInterval, nullptr) != 0;
        }
        return;
    }
    if (!panel.textPending_)
        return;
    panel.textPending_ = false;
    std::wstring& text = partTexts_[static_cast<std::size_t>(index)];
    text = PartText(panel.Text(), panel.Alignment());
    Send(SB_SETTEXTW, static_cast<WPARAM>(index) | PartType(panel.Bevel()), reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBarPro::InvalidatePart(int index)
{
    RECT part{};
    if (Send(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&part)))
        InvalidateRect(Handle(), &part, TRUE);
}

void TStatusBarPro::RedrawPendingParts()
{
    KillTimer(Handle(), RedrawTimer);
    redrawPaused_ = false;
    bool invalidated = false;
    for (int i = 0; i < std::min(panels_.Count(), MaxStatusParts); ++i)
        if (panels_[i].textPending_) {
            InvalidatePart(i);
            invalidated = true;
        }
    if (invalidated)
        redrawPaused_ = SetTimer(Handle(), RedrawTimer, RedrawInterval, nullptr) != 0;
}

void TStatusBarPro::StretchLastPart()
{
    // The control works out where its parts lie only when they change or in its own size
    // handling, which the bar skips; so it is told the right end once in figures, then as -1.
    std::vector<int> edges(static_cast<std::size_t>(Send(SB_GETPARTS)));
    Send(SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    if (edges.empty() || edges.back() != -1)
        return;
    edges.back() = ClientRect().right;
    Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    edges.back() = -1;
    Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

bool TStatusBarPro::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM)
        return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.itemID < static_cast<UINT>(panels_.Count())) {
        const SavedDC saved(item.hDC);
        SelectObject(item.hDC, font_);
        PaintPanel(panels_[static_cast<int>(item.itemID)], item.hDC, item.rcItem);
    }
    result = TRUE;
    return true;
}

void TStatusBarPro::PaintPanel(TStatusPanelPro& panel, HDC dc, const RECT& rect)
{
    if (panel.Style() == psOwnerDraw && OnDrawPanel) {
        OnDrawPanel(*this, panel, dc, rect);
        return;
    }
    const int imageCount = images_ ? ImageList_GetImageCount(images_) : 0;
    int imageWidth = 0;
    int imageHeight = 0;
    if (PanelShowsImage(panel.ImageIndex(), imageCount))
        ImageList_GetIconSize(images_, &imageWidth, &imageHeight);
    const PanelPlacement place =
        PlacePanelContent({rect.left, rect.top, rect.right, rect.bottom},
                          {panel.Alignment(), imageWidth, imageHeight, TextSize(dc, panel.Text()).cx,
                           TextSize(dc, L"H").cy});
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    if (place.drawsImage)
        ImageList_Draw(images_, panel.ImageIndex(), dc, place.imageX, place.imageY, ILD_NORMAL);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, place.textX, place.textY, panel.Text().c_str(), static_cast<int>(panel.Text().size()));
}

void TStatusBarPro::TrackHotPanel(POINT client)
{
    TStatusPanelPro* const hot = PanelAtPoint(client);
    if (hot == FHotPanel)
        return;
    FHotPanel = hot;
    NotifyHint();
}

void TStatusBarPro::Click()
{
    if (FHotPanel && FHotPanel->OnClick)
        FHotPanel->OnClick(*FHotPanel);
    else if (OnClick)
        OnClick(*this);
}

void TStatusBarPro::DblClick()
{
    if (FHotPanel && FHotPanel->OnDblClick)
        FHotPanel->OnDblClick(*FHotPanel);
    else if (OnDblClick)
        OnDblClick(*this);
}

bool TStatusBarPro::ShowPopupMenu(LPARAM screenPoint)
{
    const HMENU menu = FHotPanel && FHotPanel->PopupMenu() ? FHotPanel->PopupMenu() : popupMenu_;
    if (!menu)
        return false;
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (screenPoint == -1) // from the keyboard: at the mouse
        GetCursorPos(&at);
    // The chosen command reaches the parent as WM_COMMAND, as a menu of the parent's would.
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, GetParent(Handle()), nullptr);
    return true;
}

void TStatusBarPro::Repaint()
{
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT TStatusBarPro::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT mouse{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(simpleText_.size());
    case WM_PAINT:
        RefreshPanels(false, true);
        break;
    case WM_TIMER:
        if (wParam != RedrawTimer)
            break;
        RedrawPendingParts();
        return 0;
    case WM_SIZE:
        // The parent places the bar; the control's own size handling would move it to the
        // parent's bottom edge.
        StretchLastPart();
        Repaint();
        return 0;
    case WM_LBUTTONDOWN:
        FHotPanel = PanelAtPoint(mouse);
        clicked_ = true;
        SetCapture(Handle());
        break;
    case WM_RBUTTONDOWN:
        FHotPanel = PanelAtPoint(mouse);
        break;
    case WM_LBUTTONDBLCLK:
        SetCapture(Handle());
        DblClick();
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = Window::OnMessage(message, wParam, lParam);
        if (GetCapture() == Handle())
            ReleaseCapture();
        const RECT client = ClientRect();
        if (std::exchange(clicked_, false) && PtInRect(&client, mouse))
            Click();
        return result;
    }
    case WM_MOUSEMOVE:
        if (showHint_)
            TrackHotPanel(mouse);
        break;
    case WM_CONTEXTMENU:
        if (ShowPopupMenu(lParam))
            return 0;
        break;
    case WM_SYSCOLORCHANGE: {
        const LRESULT result = Window::OnMessage(message, wParam, lParam);
        Recreate();
        return result;
    }
    case WM_FONTCHANGE: {
        const LRESULT result = Window::OnMessage(message, wParam, lParam);
        ApplySystemFont();
        return result;
    }
    case WM_SETTINGCHANGE: {
        const LRESULT result = Window::OnMessage(message, wParam, lParam);
        if (wParam == 0 || wParam == SPI_SETNONCLIENTMETRICS)
            ApplySystemFont();
        return result;
    }
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}
