#include "TestHost.h"
#include "controls/SBPro.h"
#include "toolkit/Application.h"
#include "toolkit/ProgressBar.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::vector<int> Parts(const TStatusBarPro& bar)
{
    std::vector<int> edges(MaxStatusParts + 1);
    const auto count = static_cast<std::size_t>(bar.Send(SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data())));
    edges.resize(count);
    return edges;
}

// An owner-drawn part keeps the pointer it was sent, which is the bar's copy of the part text.
std::wstring SentText(const TStatusBarPro& bar, int part)
{
    const auto* text = reinterpret_cast<const wchar_t*>(bar.Send(SB_GETTEXTW, static_cast<WPARAM>(part)));
    return text ? text : L"";
}

// Changes that follow one another are drawn at the bar's interval: let its next paint happen.
void LetTheBarPaint(const TStatusBarPro& bar)
{
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 300;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Application().ProcessMessages();
    }
    UpdateWindow(bar.Handle());
}

unsigned SentType(const TStatusBarPro& bar, int part)
{
    return HIWORD(bar.Send(SB_GETTEXTLENGTHW, static_cast<WPARAM>(part)));
}

// In simple mode the control answers for part 0 with the simple text.
std::wstring SimpleText(const TStatusBarPro& bar)
{
    wchar_t text[64] = {};
    bar.Send(SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

RECT PartRect(const TStatusBarPro& bar, int part)
{
    RECT rect{};
    bar.Send(SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

LPARAM CentreOf(const TStatusBarPro& bar, int part)
{
    const RECT rect = PartRect(bar, part);
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

POINT PointOf(LPARAM position)
{
    return {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

class StatusBarTest : public testing::Test {
protected:
    void AddPanels(const std::vector<int>& widths)
    {
        for (const int width : widths)
            bar.Panels().Add().SetWidth(width);
    }
    void CreateBar()
    {
        bar.Create(host.Handle(), 9);
        UpdateWindow(bar.Handle());
    }
    TStatusPanelPro& Panel(int index) { return bar.Panels()[index]; }

    TestHost host;
    TStatusBarPro bar;
};

TEST_F(StatusBarTest, StartsWithTheDefaultsOfBarAndPanel)
{
    EXPECT_TRUE(bar.SizeGrip());
    EXPECT_TRUE(bar.UseSystemFont());
    EXPECT_NE(bar.Font(), nullptr) << "the system's status font";
    EXPECT_EQ(bar.Height(), 19);
    EXPECT_FALSE(bar.SimplePanel());
    EXPECT_EQ(bar.Panels().Count(), 0);
    const TStatusPanelPro& panel = bar.Panels().Add();
    EXPECT_EQ(panel.Width(), 50);
    EXPECT_EQ(panel.ImageIndex(), -1);
    EXPECT_EQ(panel.Alignment(), taLeftJustify);
    EXPECT_EQ(panel.Bevel(), pbLowered);
    EXPECT_EQ(panel.Style(), psText);
    EXPECT_EQ(panel.PopupMenu(), nullptr);
    EXPECT_TRUE(panel.Text().empty() && panel.Hint().empty());
}

TEST_F(StatusBarTest, PartsEndAtTheSummedWidthsAndTheLastStretchesToTheRightEnd)
{
    AddPanels({150, 104, 50});
    CreateBar();
    EXPECT_EQ(Parts(bar), (std::vector<int>{150, 254, -1}));
    EXPECT_EQ(bar.Bounds().bottom - bar.Bounds().top, 19);
    EXPECT_EQ(bar.Bounds().bottom, host.ClientRect().bottom);
    bar.SetHeight(20);
    EXPECT_EQ(bar.Bounds().bottom - bar.Bounds().top, 20);
    EXPECT_EQ(PartRect(bar, 2).right, bar.ClientRect().right);
    for (const int width : {450, 600}) {
        bar.SetBounds(0, 100, width, 20);
        EXPECT_EQ(PartRect(bar, 2).right, width);
        EXPECT_EQ(Parts(bar), (std::vector<int>{150, 254, -1}));
    }

    Panel(0).SetWidth(100);
    EXPECT_EQ(Parts(bar), (std::vector<int>{100, 204, -1}));
    bar.Panels().Delete(1);
    EXPECT_EQ(Parts(bar), (std::vector<int>{100, -1}));
}

TEST_F(StatusBarTest, WithoutPanelsOneEmptyPartFillsTheBar)
{
    AddPanels({80});
    Panel(0).SetText(L"gone");
    CreateBar();
    bar.Panels().Clear();
    EXPECT_EQ(Parts(bar), (std::vector<int>{-1}));
    EXPECT_EQ(bar.Send(SB_GETTEXTLENGTHW, 0), 0);
}

TEST_F(StatusBarTest, TextsSetBeforeTheWindowExistsShowAfterCreation)
{
    AddPanels({150, 104});
    Panel(0).SetText(L"Объектов: 0");
    Panel(1).SetText(L"drawn by the owner");
    Panel(1).SetStyle(psOwnerDraw);
    std::vector<std::wstring> drawn;
    bar.OnDrawPanel = [&drawn](TStatusBarPro&, TStatusPanelPro& panel, HDC, const RECT&) { drawn.push_back(panel.Text()); };
    CreateBar();
    EXPECT_EQ(SentText(bar, 0), L"Объектов: 0");
    EXPECT_EQ(drawn, std::vector<std::wstring>{L"drawn by the owner"});
}

TEST_F(StatusBarTest, ATextChangeReachesTheControlOnlyWhenTheBarPaints)
{
    AddPanels({150, 104});
    Panel(0).SetText(L"old");
    CreateBar();
    Panel(0).SetText(L"new");
    Panel(1).SetText(L"centred");
    Panel(1).SetAlignment(taCenter);
    EXPECT_EQ(SentText(bar, 0), L"old");
    EXPECT_EQ(SentText(bar, 1), L"");
    LetTheBarPaint(bar);
    EXPECT_EQ(SentText(bar, 0), L"new");
    EXPECT_EQ(SentText(bar, 1), L"\tcentred");
    Panel(1).SetAlignment(taRightJustify);
    LetTheBarPaint(bar);
    EXPECT_EQ(SentText(bar, 1), L"\t\tcentred");
}

TEST_F(StatusBarTest, ABurstOfChangesIsDrawnAtTheIntervalAndEndsWithTheLastText)
{
    AddPanels({150});
    int paints = 0;
    bar.OnDrawPanel = [&paints](TStatusBarPro&, TStatusPanelPro&, HDC, const RECT&) { ++paints; };
    Panel(0).SetStyle(psOwnerDraw);
    CreateBar();
    LetTheBarPaint(bar);
    paints = 0;
    Panel(0).SetText(L"0");
    UpdateWindow(bar.Handle());
    EXPECT_EQ(paints, 1) << "the first change is drawn at once";
    for (int i = 1; i <= 50; ++i) {
        Panel(0).SetText(std::to_wstring(i));
        UpdateWindow(bar.Handle());
    }
    EXPECT_EQ(paints, 1) << "the next ones wait for the interval";
    LetTheBarPaint(bar);
    EXPECT_EQ(SentText(bar, 0), L"50");
    EXPECT_LE(paints, 3);
}

TEST_F(StatusBarTest, EveryPartIsOwnerDrawnWithTheBordersOfItsBevel)
{
    AddPanels({40, 40, 40});
    Panel(0).SetBevel(pbNone);
    Panel(2).SetBevel(pbRaised);
    CreateBar();
    EXPECT_EQ(SentType(bar, 0), unsigned(SBT_OWNERDRAW | SBT_NOBORDERS));
    EXPECT_EQ(SentType(bar, 1), unsigned(SBT_OWNERDRAW));
    EXPECT_EQ(SentType(bar, 2), unsigned(SBT_OWNERDRAW | SBT_POPOUT));
    Panel(2).SetBevel(pbLowered);
    LetTheBarPaint(bar);
    EXPECT_EQ(SentType(bar, 2), unsigned(SBT_OWNERDRAW));
}

TEST(StatusBarSizeGrip, ShowsOnlyOnASizeableTopLevelWindow)
{
    struct Case {
        DWORD hostStyle;
        bool sizeGrip;
        bool expectGrip;
    };
    const Case cases[] = {
        {TestHost::Sizeable, true, true},
        {TestHost::Sizeable, false, false},
        {TestHost::Fixed, true, false},
        {TestHost::Plain, true, false},
        {WS_CHILD | WS_THICKFRAME, true, false},
    };
    TestHost topLevel(TestHost::Plain, false);
    for (const auto& c : cases) {
        TestHost host(c.hostStyle, false, (c.hostStyle & WS_CHILD) ? topLevel.Handle() : nullptr);
        TStatusBarPro bar;
        bar.SetSizeGrip(c.sizeGrip);
        bar.Create(host.Handle(), 9);
        const auto style = static_cast<DWORD>(GetWindowLongW(bar.Handle(), GWL_STYLE));
        EXPECT_EQ((style & SBARS_SIZEGRIP) != 0, c.expectGrip) << std::hex << c.hostStyle;
        EXPECT_EQ((style & CCS_TOP) != 0, !c.expectGrip) << std::hex << c.hostStyle;
    }
}

TEST_F(StatusBarTest, ChangingTheGripRecreatesTheWindowWithItsPanelsAndChildren)
{
    AddPanels({150, 104, 50});
    Panel(0).SetText(L"Объектов: 3");
    Panel(1).SetBevel(pbNone);
    CreateBar();
    ProgressBar progress;
    progress.Create(bar.Handle(), 10, {152, 2, 254, 20});
    const HWND old = bar.Handle();

    bar.SetSizeGrip(false);
    UpdateWindow(bar.Handle());
    ASSERT_NE(bar.Handle(), old);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(Parts(bar), (std::vector<int>{150, 254, -1}));
    EXPECT_EQ(SentText(bar, 0), L"Объектов: 3");
    EXPECT_EQ(SentType(bar, 1), unsigned(SBT_OWNERDRAW | SBT_NOBORDERS));
    ASSERT_TRUE(IsWindow(progress.Handle()));
    EXPECT_EQ(GetParent(progress.Handle()), bar.Handle());
    const RECT placed = progress.Bounds();
    EXPECT_EQ(placed.left, 152);
    EXPECT_EQ(placed.top, 2);
    EXPECT_EQ(placed.right - placed.left, 102);
    EXPECT_EQ(placed.bottom - placed.top, 18);

    // A change of the system colours recreates it as well.
    const HWND beforeColours = bar.Handle();
    bar.Send(WM_SYSCOLORCHANGE);
    EXPECT_NE(bar.Handle(), beforeColours);
    EXPECT_EQ(GetParent(progress.Handle()), bar.Handle());
}

TEST_F(StatusBarTest, TheHotPanelFollowsTheMouseAndGivesItsHint)
{
    AddPanels({100, 100, 100});
    Panel(0).SetHint(L"first|Первая панель");
    Panel(2).SetHint(L"third");
    bar.SetHint(L"the bar");
    int notified = 0;
    bar.OnHint = [&notified](TStatusBarPro&) { ++notified; };
    CreateBar();

    const LPARAM onFirst = CentreOf(bar, 0);
    bar.Send(WM_MOUSEMOVE, 0, onFirst);
    EXPECT_EQ(bar.HotPanel(), &Panel(0));
    EXPECT_EQ(bar.HintAt(PointOf(onFirst)), L"first|Первая панель");
    EXPECT_EQ(notified, 1);
    bar.Send(WM_MOUSEMOVE, 0, onFirst + 1);
    EXPECT_EQ(notified, 1) << "still the same panel";

    const LPARAM onSecond = CentreOf(bar, 1);
    bar.Send(WM_MOUSEMOVE, 0, onSecond);
    EXPECT_EQ(bar.HotPanel(), &Panel(1));
    EXPECT_EQ(bar.HintAt(PointOf(onSecond)), L"the bar") << "a panel without a hint";
    EXPECT_EQ(notified, 2);

    // Without hints only a button press moves it.
    bar.SetShowHint(false);
    bar.Send(WM_MOUSEMOVE, 0, CentreOf(bar, 2));
    EXPECT_EQ(bar.HotPanel(), &Panel(1));
    bar.Send(WM_RBUTTONDOWN, 0, CentreOf(bar, 2));
    EXPECT_EQ(bar.HotPanel(), &Panel(2));
    EXPECT_EQ(bar.HintAt(PointOf(CentreOf(bar, 2))), L"third");
}

TEST_F(StatusBarTest, ClicksGoToTheHotPanelsHandlerElseToTheBars)
{
    AddPanels({100, 100});
    std::vector<std::wstring> calls;
    Panel(0).OnClick = [&calls](TStatusPanelPro& sender) { calls.push_back(L"click panel " + std::to_wstring(sender.Index())); };
    Panel(1).OnDblClick = [&calls](TStatusPanelPro& sender) { calls.push_back(L"double panel " + std::to_wstring(sender.Index())); };
    bar.OnClick = [&calls, this](TStatusBarPro& sender) { calls.push_back(&sender == &bar ? L"click bar" : L"click ?"); };
    bar.OnDblClick = [&calls, this](TStatusBarPro& sender) { calls.push_back(&sender == &bar ? L"double bar" : L"double ?"); };
    CreateBar();

    for (const int part : {0, 1}) {
        const LPARAM at = CentreOf(bar, part);
        bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        bar.Send(WM_LBUTTONUP, 0, at);
        bar.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        bar.Send(WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(calls, (std::vector<std::wstring>{L"click panel 0", L"double bar", L"click bar", L"double panel 1"}));

    calls.clear();
    bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(bar, 0));
    bar.Send(WM_LBUTTONUP, 0, MAKELPARAM(-5, 5));
    EXPECT_TRUE(calls.empty()) << "released outside the bar";
}

TEST_F(StatusBarTest, RightClickOpensTheHotPanelsMenuElseTheBars)
{
    AddPanels({100, 100});
    const HMENU panelMenu = CreatePopupMenu();
    const HMENU barMenu = CreatePopupMenu();
    AppendMenuW(panelMenu, MF_STRING, 1, L"panel");
    AppendMenuW(barMenu, MF_STRING, 2, L"bar");
    Panel(0).SetPopupMenu(panelMenu);
    bar.SetPopupMenu(barMenu);
    CreateBar();

    for (const int part : {0, 1}) {
        RECT rect = PartRect(bar, part);
        MapWindowPoints(bar.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
        bar.Send(WM_RBUTTONDOWN, MK_RBUTTON, CentreOf(bar, part));
        bar.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar.Handle()), MAKELPARAM(rect.left + 5, rect.top + 5));
    }
    EXPECT_EQ(host.OpenedMenus(), (std::vector<HMENU>{panelMenu, barMenu}));

    bar.ForgetMenu(panelMenu);
    EXPECT_EQ(Panel(0).PopupMenu(), nullptr);
    EXPECT_EQ(bar.PopupMenu(), barMenu);
    bar.ForgetMenu(barMenu);
    EXPECT_EQ(bar.PopupMenu(), nullptr);
    DestroyMenu(panelMenu);
    DestroyMenu(barMenu);
}

TEST_F(StatusBarTest, RemovingOrReplacingPanelsForgetsTheHotPanel)
{
    AddPanels({100, 100});
    CreateBar();
    bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(bar, 1));
    bar.Send(WM_LBUTTONUP, 0, CentreOf(bar, 1));
    ASSERT_EQ(bar.HotPanel(), &Panel(1));
    bar.Panels().Delete(1);
    EXPECT_EQ(bar.HotPanel(), nullptr);

    TStatusBarPro other;
    TStatusPanelPro& source = other.Panels().Add();
    source.SetText(L"copied");
    source.SetWidth(120);
    source.SetAlignment(taRightJustify);
    source.SetBevel(pbRaised);
    source.SetHint(L"hint");
    source.SetImageIndex(3);
    int clicks = 0;
    source.OnClick = [&clicks](TStatusPanelPro&) { ++clicks; };
    other.Panels().Add();

    bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(bar, 0));
    bar.Send(WM_LBUTTONUP, 0, CentreOf(bar, 0));
    ASSERT_EQ(bar.HotPanel(), &Panel(0));
    bar.SetPanels(other.Panels());
    EXPECT_EQ(bar.HotPanel(), nullptr);
    ASSERT_EQ(bar.Panels().Count(), 2);
    EXPECT_EQ(Panel(0).Text(), L"copied");
    EXPECT_EQ(Panel(0).Width(), 120);
    EXPECT_EQ(Panel(0).Alignment(), taRightJustify);
    EXPECT_EQ(Panel(0).Bevel(), pbRaised);
    EXPECT_EQ(Panel(0).Hint(), L"hint");
    EXPECT_EQ(Panel(0).ImageIndex(), 3);
    EXPECT_EQ(Parts(bar), (std::vector<int>{120, -1}));
    UpdateWindow(bar.Handle());
    EXPECT_EQ(SentText(bar, 0), L"\t\tcopied");
    bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(bar, 0));
    bar.Send(WM_LBUTTONUP, 0, CentreOf(bar, 0));
    EXPECT_EQ(clicks, 1);
}

// A list of 16 x 16 images of one colour each.
class SolidImages {
public:
    explicit SolidImages(std::initializer_list<COLORREF> colours) : list_(ImageList_Create(16, 16, ILC_COLOR32, 4, 0))
    {
        for (const COLORREF colour : colours) {
            MemoryCanvas image(16, 16, colour);
            const HBITMAP bitmap = CreateCompatibleBitmap(image.Dc(), 16, 16);
            const HDC dc = CreateCompatibleDC(nullptr);
            const HGDIOBJ old = SelectObject(dc, bitmap);
            BitBlt(dc, 0, 0, 16, 16, image.Dc(), 0, 0, SRCCOPY);
            SelectObject(dc, old);
            DeleteDC(dc);
            ImageList_Add(list_, bitmap, nullptr);
            DeleteObject(bitmap);
        }
    }
    SolidImages(const SolidImages&) = delete;
    SolidImages& operator=(const SolidImages&) = delete;
    ~SolidImages() { ImageList_Destroy(list_); }
    HIMAGELIST Handle() const { return list_; }

private:
    HIMAGELIST list_;
};

TEST_F(StatusBarTest, DrawsTheImageAtTheRightEdgeAndTheTextLeftOfIt)
{
    constexpr COLORREF Red = RGB(255, 0, 0);
    const SolidImages images({Red});
    bar.SetImages(images.Handle());
    AddPanels({150, 150, 150});
    for (const int i : {0, 1}) {
        Panel(i).SetBevel(pbNone);
        Panel(i).SetText(L"WW");
    }
    Panel(0).SetAlignment(taRightJustify);
    Panel(0).SetImageIndex(0);
    Panel(1).SetImageIndex(1); // one past the last image
    CreateBar();
    const RECT client = bar.ClientRect();
    MemoryCanvas canvas(client.right, client.bottom, RGB(0, 0, 255));
    bar.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);

    const RECT part = PartRect(bar, 0);
    const int middle = (part.top + part.bottom) / 2;
    const int imageLeft = part.right - 17;
    EXPECT_NE(canvas.Pixel(part.right - 1, middle), Red);
    EXPECT_EQ(canvas.Pixel(part.right - 2, middle), Red);
    EXPECT_EQ(canvas.Pixel(imageLeft, middle), Red);
    EXPECT_NE(canvas.Pixel(imageLeft - 1, middle), Red);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto inkBetween = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = part.top; y < part.bottom; ++y)
                if (canvas.Pixel(x, y) != face)
                    return true;
        return false;
    };
    EXPECT_FALSE(inkBetween(imageLeft - 2, imageLeft)) << "two pixels between text and image";
    EXPECT_TRUE(inkBetween(imageLeft - 30, imageLeft - 2)) << "the text";
    EXPECT_FALSE(inkBetween(part.left, imageLeft - 40)) << "nothing else in the panel";

    const RECT second = PartRect(bar, 1);
    for (int x = second.left; x < second.right; ++x)
        ASSERT_NE(canvas.Pixel(x, middle), Red) << "no image for an index past the list, x " << x;
    EXPECT_TRUE(inkBetween(second.left + 1, second.left + 30)) << "the text from the left edge";

    bar.ForgetImages(images.Handle());
    EXPECT_EQ(bar.Images(), nullptr);
}

TEST_F(StatusBarTest, SimpleModeAndTextGoToTheControl)
{
    AddPanels({100});
    bar.SetSimpleText(L"готово");
    bar.SetSimplePanel(true);
    CreateBar();
    EXPECT_NE(bar.Send(SB_ISSIMPLE), 0);
    EXPECT_EQ(GetWindowTextLengthW(bar.Handle()), 6);
    EXPECT_EQ(SimpleText(bar), L"готово");
    bar.SetSimpleText(L"ещё");
    EXPECT_EQ(SimpleText(bar), L"ещё");
    EXPECT_EQ(GetWindowTextLengthW(bar.Handle()), 3);
    bar.SetSimplePanel(false);
    EXPECT_EQ(bar.Send(SB_ISSIMPLE), 0);
}

TEST_F(StatusBarTest, TakesTheWindowsFontUnlessItUsesTheSystemFont)
{
    const HFONT font = CreateFontW(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    bar.SetUseSystemFont(false);
    bar.SetFont(font);
    CreateBar();
    EXPECT_EQ(reinterpret_cast<HFONT>(bar.Send(WM_GETFONT)), font);
    bar.SetUseSystemFont(true);
    EXPECT_NE(reinterpret_cast<HFONT>(bar.Send(WM_GETFONT)), font);
    EXPECT_EQ(reinterpret_cast<HFONT>(bar.Send(WM_GETFONT)), bar.Font());
    bar.SetFont(font);
    bar.Send(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
    EXPECT_NE(reinterpret_cast<HFONT>(bar.Send(WM_GETFONT)), font) << "the system font again";
    DeleteObject(font);
}

TEST_F(StatusBarTest, PanelsBeyondTheLimitNeitherGetPartsNorTouchTheSimpleText)
{
    AddPanels(std::vector<int>(300, 2));
    bar.SetSimpleText(L"simple");
    CreateBar();
    EXPECT_EQ(Parts(bar).size(), std::size_t{MaxStatusParts});
    Panel(255).SetText(L"panel 256");
    Panel(256).SetText(L"panel 257");
    UpdateWindow(bar.Handle());
    bar.SetSimplePanel(true);
    EXPECT_EQ(SimpleText(bar), L"simple");
}

} // namespace
