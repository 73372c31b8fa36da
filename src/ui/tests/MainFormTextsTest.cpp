#include "Ids.h"
#include "MainFormProbe.h"
#include "TextRules.h"
#include "TextTable.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

std::wstring MenuCaption(HMENU menu, int id)
{
    wchar_t buffer[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(id), buffer, 256, MF_BYCOMMAND);
    return buffer;
}

std::wstring ToolButtonText(HWND bar, int id)
{
    wchar_t buffer[256] = {};
    SendMessageW(bar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

TEST(MainFormTexts, EveryControlShowsItsText)
{
    MainFormProbe probe;
    const struct {
        int id;
        int text;
    } controls[] = {
        {Ctl::btnToday, 65301},          {Ctl::rbSetSelectedDate, 65284}, {Ctl::rbSetSeparateDate, 65285},
        {Ctl::cbCreated, 65286},         {Ctl::cbModified, 65287},        {Ctl::cbOpened, 65288},
        {Ctl::rbDoNotChangeDate, 65289}, {Ctl::cbSetAttr, 65290},         {Ctl::cbArchive, 65291},
        {Ctl::cbHidden, 65292},          {Ctl::cbReadOnly, 65293},        {Ctl::cbSystem, 65294},
        {Ctl::cbRemoveAttr, 65295},      {Ctl::cbRArchive, 65291},        {Ctl::cbRHidden, 65292},
        {Ctl::cbRReadOnly, 65293},       {Ctl::cbRSystem, 65294},         {Ctl::rbNameLowerCase, 65265},
        {Ctl::rbExtLowerCase, 65266},    {Ctl::rbNameUpperCase, 65267},   {Ctl::rbExtUpperCase, 65268},
        {Ctl::rbNameDontChange, 65289},  {Ctl::cbDeleteGIFExtensions, 65277}, {Ctl::cbID3v1, 65278},
        {Ctl::gbGeneral, 65279},         {Ctl::cbSortWithFolderName, 65248}, {Ctl::cbShortDateFormat, 65249},
    };
    for (const auto& c : controls) {
        EXPECT_FALSE(LoadText(c.text).empty()) << c.text;
        EXPECT_EQ(probe.Text(c.id), LoadText(c.text)) << "control " << c.id;
    }

    const HWND start = probe.Control(Ctl::tbStartStop);
    EXPECT_EQ(ToolButtonText(start, Cmd::btnStartStop), L" &Начать обрабатывать...");
    const HWND params = probe.Control(Ctl::tbParams);
    EXPECT_EQ(ToolButtonText(params, Cmd::btnDateTime), L" &Дата и время");
    EXPECT_EQ(ToolButtonText(params, Cmd::btnAttributes), L" &Атрибуты ");
    EXPECT_EQ(ToolButtonText(params, Cmd::btnRename), L" &Регистр символов");
    EXPECT_EQ(ToolButtonText(params, Cmd::btnMultimedia), L" &Мультимедиа");

    const HWND tabs = probe.Control(Ctl::pcDTC);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    for (int tab = 0; tab < 3; ++tab) {
        wchar_t caption[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::wstring(caption), LoadText(65302 + tab));
    }
    EXPECT_EQ(SendMessageW(probe.Control(Ctl::pcParams), TCM_GETITEMCOUNT, 0, 0), 0) << "tabs hidden";

    const int headers[] = {65306, 65307, 65308, 65309, 65310, 65311, 65280, 65281};
    const HWND list = probe.Control(Ctl::lvFiles);
    for (int column = 0; column < 8; ++column) {
        wchar_t caption[64] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT;
        info.pszText = caption;
        info.cchTextMax = 64;
        SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(std::wstring(caption), LoadText(headers[column])) << column;
    }
    EXPECT_EQ(probe.Panel(0), L"Объектов: 0");
    EXPECT_EQ(probe.Panel(2), L"");
}

TEST(MainFormTexts, MenuBarCaptions)
{
    MainFormProbe probe;
    const HMENU bar = GetMenu(probe.Handle());
    ASSERT_NE(bar, nullptr);
    const struct {
        int id;
        const wchar_t* caption;
    } items[] = {
        {Cmd::FileMenu, L"&Файл"},          {Cmd::item_Delete, L"&Удалить"},
        {Cmd::item_Close, L"&Закрыть"},     {Cmd::EditMenu, L"&Правка"},
        {Cmd::item_AddFile, L"До&бавить файл в список"}, {Cmd::item_AddFolder, L"Добавить &папку в список..."},
        {Cmd::item_AddFilesOnly, L"Только файлы"}, {Cmd::item_AddFilesAndFolders, L"Файлы и папки"},
        {Cmd::item_AddFoldersOnly, L"Только папки"}, {Cmd::item_RemoveFile, L"&Удалить файл из списка"},
        {Cmd::item_RemoveFolder, L"Удалит&ь папку из списка"}, {Cmd::item_ClearList, L"О&чистить список файлов"},
        {Cmd::item_InvertSelection, L"Обратить в&ыделение"}, {Cmd::item_InvertChecked, L"Обратить от&метку"},
        {Cmd::ViewMenu, L"&Вид"},           {Cmd::item_Toolbar, L"&Панель инструментов"},
        {Cmd::item_StatusBar, L"&Строка состояния"}, {Cmd::item_GridLines, L"&Линии сетки"},
        {Cmd::item_ViewIcons, L"&Крупные значки"}, {Cmd::item_ViewSmallIcons, L"&Мелкие значки"},
        {Cmd::item_ViewList, L"Спис&ок"},   {Cmd::item_ViewDetails, L"&Таблица"},
        {Cmd::item_Arrange, L"&Упорядочить значки"}, {Cmd::item_ByName, L"по &имени"},
        {Cmd::item_ByType, L"по &типу"},    {Cmd::item_BySize, L"по ра&змеру"},
        {Cmd::item_ByCreated, L"по дате &создания"}, {Cmd::item_ByModified, L"по дате последнего &изменения"},
        {Cmd::item_ByOpened, L"по дате последно&го доступа"}, {Cmd::item_ByAttr, L"по &атрибутам"},
        {Cmd::item_ByFolder, L"по имени &папки"}, {Cmd::HelpMenu, L"&Справка"},
        {Cmd::item_Contents, L"&Вызов справки"}, {Cmd::item_About, L"&О программе"},
    };
    for (const auto& item : items)
        EXPECT_EQ(MenuCaption(bar, item.id), item.caption) << item.id;
    EXPECT_EQ(GetMenuItemCount(bar), 4);
}

// Opens a tool button's drop-down menu and reads it while it is shown, then closes it.
struct OpenedMenu {
    std::vector<std::wstring> captions;
    int defaultItem = -1;
};

OpenedMenu ReadDropDown(HWND bar, int button)
{
    static OpenedMenu read;
    read = {};
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        const HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup)
            return;
        KillTimer(nullptr, timer);
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t caption[256] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), caption, 256, MF_BYPOSITION);
            read.captions.push_back(caption);
        }
        read.defaultItem = static_cast<int>(GetMenuDefaultItem(menu, TRUE, 0));
        EndMenu();
    });
    NMTOOLBARW request{};
    request.hdr.hwndFrom = bar;
    request.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(bar));
    request.hdr.code = TBN_DROPDOWN;
    request.iItem = button;
    SendMessageW(GetParent(bar), WM_NOTIFY, request.hdr.idFrom, reinterpret_cast<LPARAM>(&request));
    return read;
}

TEST(MainFormTexts, DropDownMenusOfTheToolButtons)
{
    MainFormProbe probe;
    const OpenedMenu operate = ReadDropDown(probe.Control(Ctl::tbStartStop), Cmd::btnStartStop);
    const std::vector<std::wstring> targets = {
        L"Отмеченные элементы", L"Неотмеченные элементы", L"", L"Выделенные элементы",
        L"Невыделенные элементы", L"", L"Отмеченные и выделенные элементы",
        L"Неотмеченные и невыделенные элементы", L"", L"Все элементы"};
    EXPECT_EQ(operate.captions, targets);
    EXPECT_EQ(operate.defaultItem, 9) << "all items is the default, shown in bold";

    const OpenedMenu addFolder = ReadDropDown(probe.Control(Ctl::tbFileList), Cmd::btnAddDir);
    EXPECT_EQ(addFolder.captions, (std::vector<std::wstring>{L"Только файлы", L"Файлы и папки", L"Только папки"}));
}

TEST(MainFormTexts, HintsOfToolButtonsAndMenuItems)
{
    MainFormProbe probe;
    const HWND bar = probe.Control(Ctl::tbFileList);
    RECT button{};
    SendMessageW(bar, TB_GETRECT, Cmd::item_AddFile, reinterpret_cast<LPARAM>(&button));
    const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    PostMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    probe.Pump();
    EXPECT_EQ(probe.Panel(2), LoadText(65260));

    // The tooltip asks the bar for its text: the short part, without the ampersand.
    const auto tooltip = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tooltip, nullptr);
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = bar;
    tool.uId = Cmd::item_AddFile;
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Добавить файл в список");

    // Moving on to the list, which has no hint, clears the panel.
    PostMessageW(probe.Control(Ctl::lvFiles), WM_MOUSEMOVE, 0, MAKELPARAM(20, 40));
    probe.Pump();
    EXPECT_EQ(probe.Panel(2), L"");

    const HMENU bar_menu = GetMenu(probe.Handle());
    const HMENU file = GetSubMenu(bar_menu, 0);
    SendMessageW(probe.Handle(), WM_MENUSELECT, MAKEWPARAM(Cmd::item_Close, MF_HILITE),
                 reinterpret_cast<LPARAM>(file));
    EXPECT_EQ(probe.Panel(2), L"Закрытие окна.");
    SendMessageW(probe.Handle(), WM_MENUSELECT, MAKEWPARAM(0, MF_HILITE | MF_POPUP),
                 reinterpret_cast<LPARAM>(bar_menu));
    EXPECT_EQ(probe.Panel(2), LoadText(65252)) << "the File menu itself";
    SendMessageW(probe.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(probe.Panel(2), L"");
}

} // namespace
