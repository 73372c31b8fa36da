// The find record of one directory entry, as the scanner reports it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct TSearchRec {
    int Time = 0;           // last-write time in local time, MS-DOS date (high word) and time
    std::uint64_t Size = 0; // the whole size: a size of 4 GiB or more is not cut to 32 bits
    DWORD Attr = 0;
    std::wstring Name;
    WIN32_FIND_DATAW FindData{}; // the native record, listed without the short name
};

TSearchRec MakeSearchRec(const WIN32_FIND_DATAW& data);
