#include "DTCUtils.h"

#include "EntryText.h"
#include "FileTimeSeam.h"
#include "UniqueHandle.h"
#include "WindowsVersion.h"

#include <shellapi.h>

#include <array>

namespace {

std::optional<SYSTEMTIME> LocalCalendarTime(const FILETIME& universal)
{
    FILETIME local;
    SYSTEMTIME calendar;
    if (!FileTimeToLocalFileTime(&universal, &local) || !FileTimeToSystemTime(&local, &calendar))
        return std::nullopt;
    return calendar;
}

TDateTime FileTimeValue(const FILETIME& universal, bool withTimeOfDay)
{
    const auto calendar = LocalCalendarTime(universal);
    if (!calendar)
        return 0;
    const TDateTime date = EncodeDate(calendar->wYear, calendar->wMonth, calendar->wDay);
    if (!withTimeOfDay)
        return date;
    return date + EncodeTime(calendar->wHour, calendar->wMinute, calendar->wSecond, calendar->wMilliseconds);
}

enum class Which { Created, Modified, Opened };

const FILETIME& TimeOf(const WIN32_FILE_ATTRIBUTE_DATA& entry, Which which)
{
    switch (which) {
    case Which::Created: return entry.ftCreationTime;
    case Which::Modified: return entry.ftLastWriteTime;
    case Which::Opened: break;
    }
    return entry.ftLastAccessTime;
}

std::wstring TimeText(const std::wstring& path, Which which)
{
    const auto entry = ReadFileEntry(path);
    return entry ? FileTimeListText(TimeOf(*entry, which), which != Which::Opened) : std::wstring{};
}

TDateTime TimeValue(const std::wstring& path, Which which)
{
    const auto entry = ReadFileEntry(path);
    return entry ? FileTimeValue(TimeOf(*entry, which), which != Which::Opened) : 0;
}

std::wstring RegionalText(const SYSTEMTIME& calendar, bool date)
{
    std::array<wchar_t, 128> buffer{};
    const int length = date
        ? GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &calendar, nullptr, buffer.data(), int(buffer.size()))
        : GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &calendar, nullptr, buffer.data(), int(buffer.size()));
    return length > 0 ? std::wstring(buffer.data()) : std::wstring{};
}

// A FAT value as a universal file time; nothing for the 0 of a year outside the window.
std::optional<FILETIME> UniversalFromFat(std::uint32_t fat)
{
    FILETIME local;
    FILETIME universal;
    if (fat == 0 || !DosDateTimeToFileTime(FatDateWord(fat), FatTimeWord(fat), &local)
        || !LocalFileTimeToFileTime(&local, &universal))
        return std::nullopt;
    return universal;
}

const FILETIME* Given(const std::optional<FILETIME>& time)
{
    return time ? &*time : nullptr;
}

bool WriteFileTimes(const std::wstring& path, const std::optional<FILETIME>& created,
                    const std::optional<FILETIME>& accessed, const std::optional<FILETIME>& written)
{
    if (!created && !accessed && !written)
        return false;
    // Backup semantics let folders be opened too; no write sharing, so nobody writes meanwhile.
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid())
        return false;
    return StoreFileTimes(file.Get(), Given(created), Given(accessed), Given(written)) != FALSE;
}

} // namespace

std::optional<WIN32_FILE_ATTRIBUTE_DATA> ReadFileEntry(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA entry;
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &entry))
        return std::nullopt;
    return entry;
}

bool IsDosDatedFile(const std::wstring& path)
{
    const auto entry = ReadFileEntry(path);
    if (!entry || (entry->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // The years of the MS-DOS form, asked directly: Wine's FileTimeToDosDateTime wraps 2108
    // round to 1980 where Windows refuses it.
    FILETIME local;
    SYSTEMTIME calendar;
    return FileTimeToLocalFileTime(&entry->ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &calendar)
        && calendar.wYear >= FatFirstYear && calendar.wYear <= FatLastDosYear;
}

std::int64_t FileSizeByName(const std::wstring& path)
{
    const auto entry = ReadFileEntry(path);
    return entry ? EntrySize(*entry) : -1;
}

std::int64_t EntrySize(const WIN32_FILE_ATTRIBUTE_DATA& entry)
{
    return static_cast<std::int64_t>(std::uint64_t(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow);
}

std::wstring FileTimeListText(const FILETIME& universal, bool withTimeOfDay)
{
    const auto calendar = LocalCalendarTime(universal);
    if (!calendar)
        return {};
    std::wstring text = RegionalText(*calendar, true);
    if (withTimeOfDay)
        text += L"  " + RegionalText(*calendar, false);
    return text;
}

std::wstring FileCreatedText(const std::wstring& path) { return TimeText(path, Which::Created); }
std::wstring FileModifiedText(const std::wstring& path) { return TimeText(path, Which::Modified); }
std::wstring FileOpenedText(const std::wstring& path) { return TimeText(path, Which::Opened); }

TDateTime FileCreatedValue(const std::wstring& path) { return TimeValue(path, Which::Created); }
TDateTime FileModifiedValue(const std::wstring& path) { return TimeValue(path, Which::Modified); }
TDateTime FileOpenedValue(const std::wstring& path) { return TimeValue(path, Which::Opened); }

int FileIconIndex(const std::wstring& path, DWORD attributes)
{
    SHFILEINFOW info{};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_LINKOVERLAY;
    if (SHGetFileInfoW(path.c_str(), attributes, &info, sizeof info, flags) == 0)
        return 0;
    if (info.hIcon)
        DestroyIcon(info.hIcon);
    return info.iIcon;
}

std::wstring FileTypeName(const std::wstring& path)
{
    const auto entry = ReadFileEntry(path);
    return entry ? FileTypeNameFor(LastPathComponent(path), entry->dwFileAttributes) : std::wstring{};
}

std::wstring FileTypeNameFor(const std::wstring& name, DWORD attributes)
{
    // Asked root-relative: a bare name is first joined to the current folder, and a long join or
    // a leading ".." changes the extension the shell looks at (Wine then calls x.ini a "File").
    const std::wstring rooted = L'\\' + name;
    SHFILEINFOW info{};
    const UINT flags = SHGFI_TYPENAME | SHGFI_DISPLAYNAME | SHGFI_USEFILEATTRIBUTES;
    if (SHGetFileInfoW(rooted.c_str(), attributes, &info, sizeof info, flags) == 0)
        return {};
    return info.szTypeName;
}

bool SetFileTimesSame(const std::wstring& path, TDateTime date, TDateTime time)
{
    const auto universal = UniversalFromFat(DateTimeToFat(date, time));
    return WriteFileTimes(path, universal, universal, universal);
}

bool SetFileTimesSeparate(const std::wstring& path, TDateTime createdDate, TDateTime createdTime,
                          TDateTime modifiedDate, TDateTime modifiedTime, TDateTime openedDate)
{
    const auto created = UniversalFromFat(DateTimeToFat(createdDate, createdTime));
    const auto modified = UniversalFromFat(DateTimeToFat(modifiedDate, modifiedTime));
    const auto opened = UniversalFromFat(DateToFat(openedDate));
    return WriteFileTimes(path, created, opened, modified);
}

int WindowsVersionCode()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info))
        return 0;
    return WindowsVersionCodeFor({info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.szCSDVersion});
}

int ScreenColorDepth()
{
    const HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    if (ReleaseDC(nullptr, screen) == 0)
        MessageBoxW(nullptr, L"DC not released", L"Information", MB_ICONWARNING | MB_OK);
    return depth;
}
