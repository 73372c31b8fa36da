#include "RunFixture.h"

#include "DTCUtils.h"
#include "Ids.h"

#include <commctrl.h>

SYSTEMTIME LocalTime(const CalendarDate& date, const ClockTime& time)
{
    return {WORD(date.Year), WORD(date.Month), 0, WORD(date.Day), WORD(time.Hour), WORD(time.Minute),
            WORD(time.Second), WORD(time.Millisecond)};
}

void SetLocalFileTimes(const std::wstring& path, const SYSTEMTIME& local)
{
    SYSTEMTIME universal;
    FILETIME time;
    ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal));
    ASSERT_TRUE(SystemTimeToFileTime(&universal, &time));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, &time, &time, &time));
    CloseHandle(file);
    SetFileAttributesW(path.c_str(), attributes);
}

SYSTEMTIME LocalFromUniversal(const FILETIME& universal)
{
    SYSTEMTIME system;
    SYSTEMTIME local{};
    FileTimeToSystemTime(&universal, &system);
    SystemTimeToTzSpecificLocalTime(nullptr, &system, &local);
    return local;
}

SYSTEMTIME LocalLastWrite(const std::wstring& path)
{
    return LocalFromUniversal(ReadFileEntry(path).value().ftLastWriteTime);
}

SYSTEMTIME LocalLastAccess(const std::wstring& path)
{
    return LocalFromUniversal(ReadFileEntry(path).value().ftLastAccessTime);
}

bool SameSecond(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour
        && a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

std::wstring RunFixture::AddFile(const std::wstring& name, const std::string& bytes)
{
    const std::wstring path = folder.File(name);
    WriteBytes(path, bytes);
    probe.Form().AddFileToList(path);
    return path;
}

void RunFixture::Click(int id) const
{
    SendMessageW(probe.Control(id), BM_CLICK, 0, 0);
}

void RunFixture::SetChecked(int id, bool checked) const
{
    if ((SendMessageW(probe.Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        Click(id);
}

void RunFixture::SetPicker(int id, const SYSTEMTIME& value) const
{
    SendMessageW(probe.Control(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}

void RunFixture::ChooseSameValue(const SYSTEMTIME& value) const
{
    Click(Ctl::rbSetSelectedDate);
    SetPicker(Ctl::dtpDate, value);
    SetPicker(Ctl::dtpTime, value);
}

void RunFixture::TickRow(int row, bool ticked) const
{
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
    SendMessageW(probe.Control(Ctl::lvFiles), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void RunFixture::SelectRow(int row, bool selected) const
{
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageW(probe.Control(Ctl::lvFiles), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void RunFixture::Pick(int mode) const
{
    SendMessageW(probe.Handle(), WM_COMMAND, static_cast<WPARAM>(Cmd::item_Operate0 + mode), 0);
}

namespace {

TBBUTTONINFOW StartButton(HWND bar, wchar_t* text, int size)
{
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_IMAGE;
    info.pszText = text;
    info.cchText = size;
    SendMessageW(bar, TB_GETBUTTONINFOW, Cmd::btnStartStop, reinterpret_cast<LPARAM>(&info));
    return info;
}

} // namespace

std::wstring RunFixture::StartCaption() const
{
    wchar_t text[128] = {};
    StartButton(probe.Control(Ctl::tbStartStop), text, 128);
    return text;
}

int RunFixture::StartImage() const
{
    wchar_t text[128] = {};
    return StartButton(probe.Control(Ctl::tbStartStop), text, 128).iImage;
}

int RunFixture::ProgressMaximum() const
{
    return static_cast<int>(SendMessageW(probe.Control(Ctl::PB), PBM_GETRANGE, FALSE, 0));
}

int RunFixture::ProgressPosition() const
{
    return static_cast<int>(SendMessageW(probe.Control(Ctl::PB), PBM_GETPOS, 0, 0));
}
