// The main window's controls at their places and sizes, and their alignment on resizing.
#include "MainFormVelmor.h"

#include "Ids.h"

#include <commctrl.h>

namespace {

constexpr int StatusBarHeight = 20;
constexpr int Bevel1Height = 2;
constexpr int Panel2Border = 5;
constexpr int SpacerHeight = 2;
constexpr int SettingsSideWidth = 4;
constexpr int GeneralGroupHeight = 66;
constexpr int ControlHeight = 17;
constexpr int PickerHeight = 21;

RECT At(int left, int top, int width, int height = ControlHeight)
{
    return {left, top, left + width, top + height};
}

// One button-like control of a parameter page: where it sits and how it starts.
struct Placed {
    Button& control;
    int id;
    Button::Kind kind;
    RECT bounds;
    bool checked;
    bool enabled;
    bool firstOfGroup = false;
};

void CreatePlaced(HWND page, std::initializer_list<Placed> controls)
{
    for (const Placed& p : controls) {
        p.control.Create(page, p.id, p.kind, p.bounds, p.firstOfGroup);
        p.control.SetChecked(p.checked);
        p.control.SetEnabled(p.enabled);
    }
}

struct PlacedPicker {
    DateTimePicker& control;
    int id;
    DateTimePicker::Kind kind;
    int left, top, width;
};

void CreatePickers(HWND page, std::initializer_list<PlacedPicker> pickers)
{
    for (const PlacedPicker& p : pickers) {
        p.control.Create(page, p.id, p.kind, At(p.left, p.top, p.width, PickerHeight));
        p.control.SetEnabled(false);
        // The drop-down calendar in the system's colours.
        p.control.SetCalendarColour(MCSC_BACKGROUND, GetSysColor(COLOR_WINDOWFRAME));
        p.control.SetCalendarColour(MCSC_TITLETEXT, GetSysColor(COLOR_CAPTIONTEXT));
        p.control.SetCalendarColour(MCSC_MONTHBK, GetSysColor(COLOR_WINDOW));
        p.control.SetCalendarColour(MCSC_TRAILINGTEXT, GetSysColor(COLOR_BTNSHADOW));
    }
}

} // namespace

void TMainFormVelmor::CreateControls()
{
    Bevel1.Create(Handle(), Ctl::Bevel1);
    Bevel1.SetShape(bsTopLine);
    Panel2.Create(Handle(), Ctl::Panel2);
    Panel2.SetOnResize([this] {
        const RECT inner = Panel2.ClientRect();
        pcDTC.SetBounds(Panel2Border, Panel2Border, inner.right - 2 * Panel2Border,
                        inner.bottom - 2 * Panel2Border);
    });
    pcDTC.Create(Panel2.Handle(), Ctl::pcDTC);
    CreateFilesPage();
    CreateParametersPage();
    CreateSettingsPage();
    CreateStatusBar();
    CreateMenus();
    LayoutClient();
}

void TMainFormVelmor::CreateFilesPage()
{
    Panel& tsFiles = pcDTC.AddPage(Ctl::tsFiles);
    tsFiles.SetOnResize([this] { LayoutFilesPage(); });
    tbFileList.Create(tsFiles.Handle(), Ctl::tbFileList, false);
    tbFileList.SetImageList(ilNormal.Handle());
    using Kind = ToolBar::Kind;
    const ToolBar::ToolButton buttons[] = {
        {Cmd::item_AddFile, Kind::Button, 0},
        {Cmd::btnAddDir, Kind::DropDown, 1},
        {0, Kind::Separator},
        {Cmd::item_RemoveFile, Kind::Button, 2},
        {Cmd::item_RemoveFolder, Kind::Button, 3},
        {0, Kind::Separator},
        {Cmd::item_Delete, Kind::Button, 4},
        {0, Kind::Separator},
        {Cmd::item_ViewIcons, Kind::CheckGroup, 5},
        {Cmd::item_ViewSmallIcons, Kind::CheckGroup, 6},
        {Cmd::item_ViewList, Kind::CheckGroup, 7},
        {Cmd::item_ViewDetails, Kind::CheckGroup, 8},
        {0, Kind::Separator},
    };
    for (const auto& button : buttons)
        tbFileList.AddButton(button);
    // The nested start bar sits over a placeholder at the end of the row.
    tbFileList.AddButton({Cmd::btnStartStop, Kind::Separator});
    tbStartStop.Create(tbFileList.Handle(), Ctl::tbStartStop, true);
    tbStartStop.SetImageList(ilNormal.Handle());
    tbStartStop.SetMinButtonWidth(43);
    tbStartStop.AddButton({Cmd::btnStartStop, Kind::DropDown, 14});
    tbStartStop.SetButtonEnabled(Cmd::btnStartStop, false);

    OrrinBevel1.Create(tsFiles.Handle(), Ctl::OrrinBevel1);
    OrrinBevel1.SetShape(bsSpacer);

    lvFiles.Create(tsFiles.Handle(), Ctl::lvFiles);
    const struct {
        int width;
        bool right;
    } columns[] = {{200, false}, {55, true}, {51, false}, {102, false}, {102, false},
                   {69, false},  {45, true}, {200, false}};
    for (const auto& column : columns)
        lvFiles.AddColumn(column.width, column.right);
    lvFiles.SetOnChange([this] { lvFilesChange(); });
}

void TMainFormVelmor::CreateParametersPage()
{
    Panel& tsParameters = pcDTC.AddPage(Ctl::tsParameters);
    tsParameters.SetOnResize([this] { LayoutParametersPage(); });
    tbParams.Create(tsParameters.Handle(), Ctl::tbParams, true);
    tbParams.SetImageList(ilNormal.Handle());
    tbParams.SetButtonSize(0, 19);
    using Kind = ToolBar::Kind;
    tbParams.AddButton({Cmd::btnDateTime, Kind::CheckGroup, 9});
    tbParams.AddButton({Cmd::btnAttributes, Kind::CheckGroup, 10});
    tbParams.AddButton({Cmd::btnRename, Kind::CheckGroup, 11});
    tbParams.AddButton({Cmd::btnMultimedia, Kind::CheckGroup, 12});
    tbParams.SetDown(Cmd::btnDateTime, true);
    // The four buttons choose the page in their order.
    tbParams.SetOnClick([this](int id) { OnCommand(id); });

    pcParams.Create(tsParameters.Handle(), Ctl::pcParams);
    CreateDateTimePage(pcParams.AddPage(Ctl::tsDateTime).Handle());
    CreateAttributesPage(pcParams.AddPage(Ctl::tsAttributes).Handle());
    CreateRenamePage(pcParams.AddPage(Ctl::tsRename).Handle());
    CreateMultimediaPage(pcParams.AddPage(Ctl::tsMultimedia).Handle());
}

void TMainFormVelmor::CreateDateTimePage(HWND page)
{
    using Kind = Button::Kind;
    CreatePlaced(page, {
        {rbSetSelectedDate, Ctl::rbSetSelectedDate, Kind::Radio, At(5, 5, 410), false, true, true},
        {btnToday, Ctl::btnToday, Kind::Push, At(328, 23, 72, 23), false, false},
        {rbSetSeparateDate, Ctl::rbSetSeparateDate, Kind::Radio, At(5, 51, 396), false, true},
        {cbCreated, Ctl::cbCreated, Kind::CheckBox, At(24, 72, 91), true, false},
        {cbModified, Ctl::cbModified, Kind::CheckBox, At(24, 97, 91), true, false},
        {cbOpened, Ctl::cbOpened, Kind::CheckBox, At(24, 122, 91), true, false},
        {rbDoNotChangeDate, Ctl::rbDoNotChangeDate, Kind::Radio, At(5, 146, 241), true, true},
    });
    using Picker = DateTimePicker::Kind;
    CreatePickers(page, {
        {dtpDate, Ctl::dtpDate, Picker::LongDate, 24, 24, 211},
        {dtpTime, Ctl::dtpTime, Picker::Time, 239, 24, 71},
        {dtpCreatedDate, Ctl::dtpCreatedDate, Picker::LongDate, 115, 70, 211},
        {dtpCreatedTime, Ctl::dtpCreatedTime, Picker::Time, 329, 70, 71},
        {dtpModifiedDate, Ctl::dtpModifiedDate, Picker::LongDate, 115, 95, 211},
        {dtpModifiedTime, Ctl::dtpModifiedTime, Picker::Time, 329, 95, 71},
        {dtpOpenedDate, Ctl::dtpOpenedDate, Picker::LongDate, 115, 120, 211},
    });
}

void TMainFormVelmor::CreateAttributesPage(HWND page)
{
    using Kind = Button::Kind;
    CreatePlaced(page, {
        {cbRemoveAttr, Ctl::cbRemoveAttr, Kind::CheckBox, At(5, 5, 231), false, true},
        {cbRReadOnly, Ctl::cbRReadOnly, Kind::CheckBox, At(24, 25, 105), true, false},
        {cbRHidden, Ctl::cbRHidden, Kind::CheckBox, At(130, 25, 105), false, false},
        {cbRArchive, Ctl::cbRArchive, Kind::CheckBox, At(24, 45, 105), false, false},
        {cbRSystem, Ctl::cbRSystem, Kind::CheckBox, At(130, 45, 105), false, false},
        {cbSetAttr, Ctl::cbSetAttr, Kind::CheckBox, At(5, 85, 231), false, true},
        {cbReadOnly, Ctl::cbReadOnly, Kind::CheckBox, At(24, 105, 105), false, false},
        {cbHidden, Ctl::cbHidden, Kind::CheckBox, At(130, 105, 105), false, false},
        {cbArchive, Ctl::cbArchive, Kind::CheckBox, At(24, 125, 105), true, false},
        {cbSystem, Ctl::cbSystem, Kind::CheckBox, At(130, 125, 105), false, false},
    });
}

void TMainFormVelmor::CreateRenamePage(HWND page)
{
    using Kind = Button::Kind;
    CreatePlaced(page, {
        {rbNameLowerCase, Ctl::rbNameLowerCase, Kind::Radio, At(5, 5, 400), false, true, true},
        {rbExtLowerCase, Ctl::rbExtLowerCase, Kind::Radio, At(5, 25, 400), false, true},
        {rbNameUpperCase, Ctl::rbNameUpperCase, Kind::Radio, At(5, 45, 400), false, true},
        {rbExtUpperCase, Ctl::rbExtUpperCase, Kind::Radio, At(5, 65, 400), false, true},
        {rbNameDontChange, Ctl::rbNameDontChange, Kind::Radio, At(5, 85, 400), true, true},
    });
}

void TMainFormVelmor::CreateMultimediaPage(HWND page)
{
    using Kind = Button::Kind;
    CreatePlaced(page, {
        {cbDeleteGIFExtensions, Ctl::cbDeleteGIFExtensions, Kind::CheckBox, At(5, 5, 566), false, true},
        {cbID3v1, Ctl::cbID3v1, Kind::CheckBox, At(5, 25, 541), false, true},
    });
}

void TMainFormVelmor::CreateSettingsPage()
{
    Panel& tsSettings = pcDTC.AddPage(Ctl::tsSettings);
    tsSettings.SetOnResize([this] { LayoutSettingsPage(); });
    Panel6.Create(tsSettings.Handle(), Ctl::Panel6);
    Panel7.Create(tsSettings.Handle(), Ctl::Panel7);
    Panel8.Create(tsSettings.Handle(), Ctl::Panel8);
    // The group box only frames; the controls inside it belong to Panel7, so their
    // notifications reach the window.
    gbGeneral.Create(Panel7.Handle(), Ctl::gbGeneral, Button::Kind::GroupBox, {});
    imgSettings.Create(Panel7.Handle(), Ctl::imgSettings, At(10, 20, 32, 32));
    settingsIcon_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    imgSettings.SetIcon(settingsIcon_.get());
    using Kind = Button::Kind;
    CreatePlaced(Panel7.Handle(), {
        {cbSortWithFolderName, Ctl::cbSortWithFolderName, Kind::CheckBox, At(50, 19, 341), false, true},
        {cbShortDateFormat, Ctl::cbShortDateFormat, Kind::CheckBox, At(50, 39, 341), false, true},
    });
    // Beneath its contents, so its frame and background do not cover them.
    SetWindowPos(gbGeneral.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainFormVelmor::CreateStatusBar()
{
    SB.Create(Handle(), Ctl::SB);
    SB.SetHeight(StatusBarHeight);
    SB.SetUseSystemFont(false);
    const struct {
        int width;
        TStatusPanelBevel bevel;
    } panels[] = {{150, pbLowered}, {104, pbNone}, {50, pbLowered}};
    for (const auto& panel : panels) {
        TStatusPanelPro& added = SB.Panels().Add();
        added.SetWidth(panel.width);
        added.SetBevel(panel.bevel);
    }
    PB.Create(SB.Handle(), Ctl::PB, At(152, 2, 102, 18));
    PB.SetRange(0, 100);
    PB.SetStep(1);
}

void TMainFormVelmor::LayoutClient()
{
    const RECT client = ClientRect();
    int bottom = client.bottom;
    if (SB.Visible()) {
        bottom -= SB.Height();
        SB.SetBounds(0, bottom, client.right, SB.Height());
    }
    Bevel1.SetBounds(0, 0, client.right, Bevel1Height);
    Panel2.SetBounds(0, Bevel1Height, client.right, bottom - Bevel1Height);
}

void TMainFormVelmor::LayoutFilesPage()
{
    const RECT page = pcDTC.Page(0).ClientRect();
    int top = 0;
    if (tbFileList.Visible()) {
        PlaceStartStop();
        const int height = tbFileList.IdealSize().cy;
        tbFileList.SetBounds(0, 0, page.right, height);
        top = height;
    }
    OrrinBevel1.SetBounds(0, top, page.right, SpacerHeight);
    top += SpacerHeight;
    lvFiles.SetBounds(0, top, page.right, page.bottom - top);
}

void TMainFormVelmor::PlaceStartStop()
{
    const SIZE size = tbStartStop.IdealSize();
    TBBUTTONINFOW placeholder{};
    placeholder.cbSize = sizeof placeholder;
    placeholder.dwMask = TBIF_SIZE;
    placeholder.cx = static_cast<WORD>(size.cx);
    tbFileList.Send(TB_SETBUTTONINFOW, Cmd::btnStartStop, reinterpret_cast<LPARAM>(&placeholder));
    const RECT slot = tbFileList.ButtonRect(Cmd::btnStartStop);
    tbStartStop.SetBounds(slot.left, slot.top, size.cx, slot.bottom - slot.top);
}

void TMainFormVelmor::LayoutParametersPage()
{
    const RECT page = pcDTC.Page(1).ClientRect();
    const int height = tbParams.IdealSize().cy;
    tbParams.SetBounds(0, 0, page.right, height);
    pcParams.SetBounds(0, height, page.right, page.bottom - height);
}

void TMainFormVelmor::LayoutSettingsPage()
{
    const RECT page = pcDTC.Page(2).ClientRect();
    Panel6.SetBounds(0, 0, SettingsSideWidth, page.bottom);
    Panel8.SetBounds(page.right - SettingsSideWidth, 0, SettingsSideWidth, page.bottom);
    Panel7.SetBounds(SettingsSideWidth, 0, page.right - 2 * SettingsSideWidth, page.bottom);
    gbGeneral.SetBounds(0, 0, page.right - 2 * SettingsSideWidth, GeneralGroupHeight);
}
