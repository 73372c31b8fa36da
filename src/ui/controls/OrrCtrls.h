// A two-tone 3-D box, frame or line drawn inset by margins, or an invisible spacer that only
// keeps its place among its siblings. A child window that the mouse passes through.
#pragma once

#include "BevelShapes.h"
#include "toolkit/Window.h"

#include <functional>

class TOrrinBevelMargins {
public:
    int Bottom() const { return bottom_; }
    void SetBottom(int bottom) { Store(bottom_, bottom); }
    int Left() const { return left_; }
    void SetLeft(int left) { Store(left_, left); }
    int Right() const { return right_; }
    void SetRight(int right) { Store(right_, right); }
    int Top() const { return top_; }
    void SetTop(int top) { Store(top_, top); }
    BevelInsets Insets() const { return {left_, top_, right_, bottom_}; }

    std::function<void(TOrrinBevelMargins& sender)> OnChange;

private:
    // Negative margins are taken as 0.
    void Store(int& field, int value);

    int bottom_ = 0;
    int left_ = 0;
    int right_ = 0;
    int top_ = 0;
};

class TOrrinBevel : public Window {
public:
    static constexpr const wchar_t* ClassName = L"TOrrinBevel";

    TOrrinBevel();

    // Creates the bevel 50 x 50 at the parent's origin; the parent's layout sets its bounds.
    void Create(HWND parent, int id);

    TOrrinBevelMargins& Margins() { return margins_; }
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);

    // Draws the bevel into a device context of its client area.
    void Paint(HDC dc) const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Repaint();

    TOrrinBevelMargins margins_;
    TBevelStyle style_ = bsLowered;
    TBevelShape shape_ = bsBox;
};
