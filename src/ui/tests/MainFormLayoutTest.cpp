#include "Ids.h"
#include "MainFormProbe.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

RECT BoundsInParent(HWND control)
{
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

TEST(MainFormLayout, StatusBarPartsAndProgressBar)
{
    MainFormProbe probe;
    const HWND bar = probe.Control(Ctl::SB);
    int edges[3] = {};
    ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 150);
    EXPECT_EQ(edges[1], 254);
    EXPECT_EQ(edges[2], -1);
    const RECT barBounds = BoundsInParent(bar);
    EXPECT_EQ(barBounds.bottom - barBounds.top, 20);

    const HWND progress = probe.Control(Ctl::PB);
    EXPECT_EQ(GetParent(progress), bar);
    const RECT bounds = BoundsInParent(progress);
    EXPECT_EQ(bounds.left, 152);
    EXPECT_EQ(bounds.top, 2);
    EXPECT_EQ(bounds.right - bounds.left, 102);
    EXPECT_EQ(bounds.bottom - bounds.top, 18);
    EXPECT_EQ(SendMessageW(progress, PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 0);
}

TEST(MainFormLayout, MinimumTrackingSize)
{
    MainFormProbe probe;
    MINMAXINFO limits{};
    limits.ptMaxTrackSize = {5000, 4000};
    SendMessageW(probe.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 610);
    EXPECT_EQ(limits.ptMinTrackSize.y, 400);
    EXPECT_EQ(limits.ptMaxTrackSize.x, 5000) << "maximizing is not limited";
}

TEST(MainFormLayout, ParameterControlsStartAsTheDesignSays)
{
    MainFormProbe probe;
    const struct {
        int id;
        int left, top, width, height;
        bool enabled;
        bool checked;
    } controls[] = {
        {Ctl::rbSetSelectedDate, 5, 5, 410, 17, true, false},
        {Ctl::dtpDate, 24, 24, 211, 21, false, false},
        {Ctl::dtpTime, 239, 24, 71, 21, false, false},
        {Ctl::btnToday, 328, 23, 72, 23, false, false},
        {Ctl::cbCreated, 24, 72, 91, 17, false, true},
        {Ctl::dtpOpenedDate, 115, 120, 211, 21, false, false},
        {Ctl::rbDoNotChangeDate, 5, 146, 241, 17, true, true},
        {Ctl::cbRReadOnly, 24, 25, 105, 17, false, true},
        {Ctl::cbRHidden, 130, 25, 105, 17, false, false},
        {Ctl::cbArchive, 24, 125, 105, 17, false, true},
        {Ctl::rbNameDontChange, 5, 85, 400, 17, true, true},
        {Ctl::cbID3v1, 5, 25, 541, 17, true, false},
        {Ctl::cbShortDateFormat, 50, 39, 341, 17, true, false},
    };
    for (const auto& c : controls) {
        const HWND control = probe.Control(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        const RECT bounds = BoundsInParent(control);
        EXPECT_EQ(bounds.left, c.left) << c.id;
        EXPECT_EQ(bounds.top, c.top) << c.id;
        EXPECT_EQ(bounds.right - bounds.left, c.width) << c.id;
        EXPECT_EQ(bounds.bottom - bounds.top, c.height) << c.id;
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, c.enabled) << c.id;
        const bool isButton = c.id != Ctl::dtpDate && c.id != Ctl::dtpTime && c.id != Ctl::dtpOpenedDate;
        if (isButton) {
            EXPECT_EQ(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED, c.checked) << c.id;
        }
    }
    EXPECT_EQ(IsWindowEnabled(probe.Control(Ctl::tbStartStop)) &&
                  SendMessageW(probe.Control(Ctl::tbStartStop), TB_ISBUTTONENABLED, Cmd::btnStartStop, 0),
              FALSE)
        << "the start button is disabled when the window opens";
    EXPECT_NE(SendMessageW(probe.Control(Ctl::tbParams), TB_ISBUTTONCHECKED, Cmd::btnDateTime, 0), 0);
}

TEST(MainFormLayout, PickersShowNow)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    MainFormProbe probe;
    for (int id : {Ctl::dtpDate, Ctl::dtpTime, Ctl::dtpCreatedDate, Ctl::dtpCreatedTime,
                   Ctl::dtpModifiedDate, Ctl::dtpModifiedTime, Ctl::dtpOpenedDate}) {
        SYSTEMTIME shown{};
        ASSERT_EQ(SendMessageW(probe.Control(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
        EXPECT_EQ(shown.wYear, before.wYear) << id;
        EXPECT_EQ(shown.wDay, before.wDay) << id;
    }
}

TEST(MainFormLayout, ParameterPagesCoverTheirPageControl)
{
    MainFormProbe probe;
    const HWND pages = probe.Control(Ctl::pcParams);
    RECT client{};
    GetClientRect(pages, &client);
    const RECT page = BoundsInParent(probe.Control(Ctl::tsDateTime));
    EXPECT_LE(page.left, 0);
    EXPECT_LE(page.top, 0);
    EXPECT_GE(page.right, client.right);
    EXPECT_GE(page.bottom, client.bottom);
    EXPECT_TRUE(IsWindowVisible(probe.Control(Ctl::rbDoNotChangeDate)) ||
                !IsWindowVisible(probe.Control(Ctl::tsParameters)));
}

TEST(MainFormLayout, ToolBarImagesAreLoaded)
{
    MainFormProbe probe;
    const auto images = reinterpret_cast<HIMAGELIST>(
        SendMessageW(probe.Control(Ctl::tbFileList), TB_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 15);
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
}

} // namespace
