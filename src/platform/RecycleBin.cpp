#include "RecycleBin.h"

#include <shellapi.h>

bool MoveToRecycleBin(HWND owner, const std::vector<std::wstring>& paths)
{
    // Each path whole, whatever it holds, ended by a NUL; one more NUL ends the list.
    std::wstring list;
    for (const std::wstring& path : paths) {
        list += path;
        list += L'\0';
    }
    list += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    return SHFileOperationW(&operation) == 0;
}
