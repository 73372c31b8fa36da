#include "OrrCtrls.h"

#include <algorithm>

namespace {
constexpr int DefaultSize = 50;
}

void TOrrinBevelMargins::Store(int& field, int value)
{
    if (field == value)
        return;
    field = std::max(value, 0);
    if (OnChange)
        OnChange(*this);
}

TOrrinBevel::TOrrinBevel()
{
    margins_.OnChange = [this](TOrrinBevelMargins&) { Repaint(); };
}

void TOrrinBevel::Create(HWND parent, int id)
{
    RegisterClassOnce(ClassName, nullptr);
    Window::Create(ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, DefaultSize,
                   DefaultSize, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void TOrrinBevel::SetStyle(TBevelStyle style)
{
    if (style_ == style)
        return;
    style_ = style;
    Repaint();
}

void TOrrinBevel::SetShape(TBevelShape shape)
{
    if (shape_ == shape)
        return;
    shape_ = shape;
    Repaint();
}

void TOrrinBevel::Paint(HDC dc) const
{
    const RECT client = ClientRect();
    const std::vector<BevelSegment> segments =
        BevelSegments(shape_, style_, client.right, client.bottom, margins_.Insets());
    if (segments.empty())
        return;
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    for (const BevelSegment& segment : segments) {
        SetDCPenColor(dc, GetSysColor(segment.colour == BevelColour::Shadow ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
        MoveToEx(dc, segment.from.x, segment.from.y, nullptr);
        LineTo(dc, segment.to.x, segment.to.y);
    }
    SelectObject(dc, oldPen);
}

void TOrrinBevel::Repaint()
{
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT TOrrinBevel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        return Window::OnMessage(message, wParam, lParam);
    }
}
