// ApplyTexts: every caption, header, menu text and hint of the main window from the text
// table, once, in a fixed order; and ShowHint, which puts the long hint into the status bar.
#include "Ids.h"
#include "MainFormMenus.h"
#include "MainFormVelmor.h"
#include "TextTable.h"
#include "TextRules.h"
#include "toolkit/Application.h"

namespace {

struct ControlText {
    Window& control;
    int text;
};

void SetTexts(std::initializer_list<ControlText> texts)
{
    for (const ControlText& entry : texts)
        entry.control.SetText(LoadText(entry.text));
}

} // namespace

void TMainFormVelmor::ApplyTexts()
{
    tbStartStop.SetCaption(Cmd::btnStartStop, L" " + LoadText(65299));
    for (const MenuItemText& item : OperateTexts())
        if (item.id)
            pmOperate.SetCaption(item.id, LoadText(item.caption));
    pmOperate.SetDefaultItem(Cmd::item_Operate6);
    btnToday.SetText(LoadText(65301));
    for (int page = 0; page < pcDTC.PageCount(); ++page)
        pcDTC.SetPageCaption(page, LoadText(65302 + page));
    const int headers[] = {65306, 65307, 65308, 65309, 65310, 65311, 65280, 65281};
    for (int column = 0; column < 8; ++column)
        lvFiles.SetColumnCaption(column, LoadText(headers[column]));
    SB.Panels()[0].SetText(FormatText(65305, 0));

    tbParams.SetCaption(Cmd::btnDateTime, LoadText(65283));
    SetTexts({{rbSetSelectedDate, 65284}, {rbSetSeparateDate, 65285}, {cbCreated, 65286},
              {cbModified, 65287}, {cbOpened, 65288}, {rbDoNotChangeDate, 65289}});
    tbParams.SetCaption(Cmd::btnAttributes, L" &" + LoadText(65280) + L" ");
    SetTexts({{cbSetAttr, 65290}, {cbArchive, 65291}, {cbHidden, 65292}, {cbReadOnly, 65293},
              {cbSystem, 65294}, {cbRemoveAttr, 65295}, {cbRArchive, 65291}, {cbRHidden, 65292},
              {cbRReadOnly, 65293}, {cbRSystem, 65294}});
    tbParams.SetCaption(Cmd::btnRename, LoadText(65264));
    SetTexts({{rbNameLowerCase, 65265}, {rbExtLowerCase, 65266}, {rbNameUpperCase, 65267},
              {rbExtUpperCase, 65268}, {rbNameDontChange, 65289}});
    tbParams.SetCaption(Cmd::btnMultimedia, LoadText(65276));
    SetTexts({{cbDeleteGIFExtensions, 65277}, {cbID3v1, 65278}});
    SetTexts({{gbGeneral, 65279}, {cbSortWithFolderName, 65248}, {cbShortDateFormat, 65249}});
    openDlgFilter_ = LoadText(65250);

    const struct {
        Menu& menu;
        std::span<const MenuItemText> items;
    } menus[] = {{MainMenu1, MainMenuTexts()}, {pmAddFolderParams, AddFolderParamsTexts()},
                 {PopupMenu1, PopupMenu1Texts()}};
    for (const auto& [menu, items] : menus)
        for (const MenuItemText& item : items) {
            if (!item.id)
                continue;
            menu.SetCaption(item.id, LoadText(item.caption));
            menuHints_[item.id] = LoadText(item.hint);
        }
    DrawMenuBar(Handle());

    const struct {
        int button;
        int shortPart;
        int longPart;
    } hints[] = {{Cmd::item_AddFile, 65259, 65260},       {Cmd::btnAddDir, 65261, 65262},
                 {Cmd::item_RemoveFile, 65234, 65235},    {Cmd::item_RemoveFolder, 65236, 65237},
                 {Cmd::item_Delete, 65253, 65254},        {Cmd::item_ViewIcons, 65220, 65221},
                 {Cmd::item_ViewSmallIcons, 65222, 65223}, {Cmd::item_ViewList, 65224, 65225},
                 {Cmd::item_ViewDetails, 65226, 65227}};
    for (const auto& hint : hints)
        tbFileList.SetHint(hint.button, StripAmpersand(LoadText(hint.shortPart)) + L"|" + LoadText(hint.longPart));
}

void TMainFormVelmor::ShowHint()
{
    SB.Panels()[2].SetText(LongHint(Application().Hint()));
}
