// Questions about one file (size, times, shell type and icon, attributes), the writing of file
// times through the MS-DOS form, and facts about the running system. Failures are values.
#pragma once

#include "AttributeLetters.h"
#include "DateTimeValue.h"
#include "FatDateTime.h"
#include "TextRules.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// Attributes, size and the three universal times of a file or folder, or nothing when it is
// not found. Every query below answers from this one call.
std::optional<WIN32_FILE_ATTRIBUTE_DATA> ReadFileEntry(const std::wstring& path);

// True for an existing file, not a folder, whose last-write time in local time has an MS-DOS
// form (1980 to 2107): the files a run may change.
bool IsDosDatedFile(const std::wstring& path);
// The whole size in bytes, or -1 when the path is not found.
std::int64_t FileSizeByName(const std::wstring& path);
// The same from an entry already read.
std::int64_t EntrySize(const WIN32_FILE_ATTRIBUTE_DATA& entry);

// List texts: the regional short date, two spaces, the regional short time; empty when not found.
std::wstring FileCreatedText(const std::wstring& path);
std::wstring FileModifiedText(const std::wstring& path);
// The date alone.
std::wstring FileOpenedText(const std::wstring& path);
// The same from a universal time already read; empty when it cannot be converted.
std::wstring FileTimeListText(const FILETIME& universal, bool withTimeOfDay);

// Local date-time values, 0 when not found; the opened value has no time of day.
TDateTime FileCreatedValue(const std::wstring& path);
TDateTime FileModifiedValue(const std::wstring& path);
TDateTime FileOpenedValue(const std::wstring& path);

// The shell's system image list index for a name and attribute word, without opening the file.
int FileIconIndex(const std::wstring& path, DWORD attributes);
// The shell's type name of the file, at most 80 characters; empty when not found.
std::wstring FileTypeName(const std::wstring& path);
// The shell's type name for a file name (no folder part) and attribute word, without reading
// the file; empty when the shell has none.
std::wstring FileTypeNameFor(const std::wstring& name, DWORD attributes);

// Write creation, last-access and last-write time. A time whose year lies outside 1980..2099 is
// left as it is on disk; true when the times that could be given were written.
bool SetFileTimesSame(const std::wstring& path, TDateTime date, TDateTime time);
// The last-access time becomes 00:00:00 of openedDate.
bool SetFileTimesSeparate(const std::wstring& path, TDateTime createdDate, TDateTime createdTime,
                          TDateTime modifiedDate, TDateTime modifiedTime, TDateTime openedDate);

int WindowsVersionCode();
// Bits per pixel of the screen.
int ScreenColorDepth();
