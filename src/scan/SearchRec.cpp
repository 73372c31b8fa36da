#include "SearchRec.h"

TSearchRec MakeSearchRec(const WIN32_FIND_DATAW& data)
{
    TSearchRec record;
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local))
        FileTimeToDosDateTime(&local, &date, &time);
    record.Time = int((DWORD(date) << 16) | time);
    record.Size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    record.Attr = data.dwFileAttributes;
    record.Name = data.cFileName;
    record.FindData = data;
    return record;
}
