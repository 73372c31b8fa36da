#include "TestHost.h"
#include "controls/OrrCtrls.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF Background = RGB(10, 200, 30);

class OrrinBevelTest : public testing::Test {
protected:
    void SetUp() override { bevel.Create(host.Handle(), 7); }

    // What the bevel draws over a canvas of the background colour.
    void PaintOver(MemoryCanvas& canvas) { bevel.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT); }

    TestHost host;
    TOrrinBevel bevel;
};

TEST_F(OrrinBevelTest, StartsAsALoweredBox50PixelsSquareThatTheMousePassesThrough)
{
    EXPECT_EQ(bevel.Style(), bsLowered);
    EXPECT_EQ(bevel.Shape(), bsBox);
    const RECT client = bevel.ClientRect();
    EXPECT_EQ(client.right, 50);
    EXPECT_EQ(client.bottom, 50);
    EXPECT_EQ(bevel.Send(WM_NCHITTEST, 0, MAKELPARAM(60, 60)), HTTRANSPARENT);
}

TEST_F(OrrinBevelTest, SpacerPaintsNothing)
{
    bevel.SetShape(bsSpacer);
    bevel.SetBounds(0, 0, 200, 2);
    MemoryCanvas canvas(200, 2, Background);
    PaintOver(canvas);
    for (int x = 0; x < 200; x += 199)
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(canvas.Pixel(x, y), Background) << x << "," << y;
}

TEST_F(OrrinBevelTest, LoweredBoxHasShadowLeftAndTopAndHighlightRightAndBottom)
{
    MemoryCanvas canvas(50, 50, Background);
    PaintOver(canvas);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(canvas.Pixel(0, 25), shadow);
    EXPECT_EQ(canvas.Pixel(25, 0), shadow);
    EXPECT_EQ(canvas.Pixel(49, 25), highlight);
    EXPECT_EQ(canvas.Pixel(25, 49), highlight);
    EXPECT_EQ(canvas.Pixel(25, 25), Background);
}

TEST_F(OrrinBevelTest, MarginsAreNeverNegativeAndMoveTheDrawing)
{
    bevel.Margins().SetLeft(-3);
    EXPECT_EQ(bevel.Margins().Left(), 0);
    bevel.Margins().SetTop(4);
    bevel.SetStyle(bsRaised);
    MemoryCanvas canvas(50, 50, Background);
    PaintOver(canvas);
    EXPECT_EQ(canvas.Pixel(25, 0), Background);
    EXPECT_EQ(canvas.Pixel(25, 4), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(OrrinBevelTest, ChangesRepaint)
{
    const auto invalidAfter = [this](auto change) {
        ValidateRect(bevel.Handle(), nullptr);
        change();
        return GetUpdateRect(bevel.Handle(), nullptr, FALSE) != FALSE;
    };
    EXPECT_TRUE(invalidAfter([this] { bevel.Margins().SetRight(2); }));
    EXPECT_TRUE(invalidAfter([this] { bevel.SetShape(bsTopLine); }));
    EXPECT_TRUE(invalidAfter([this] { bevel.SetStyle(bsRaised); }));
    EXPECT_FALSE(invalidAfter([this] { bevel.SetStyle(bsRaised); })) << "an unchanged value";
}

} // namespace
