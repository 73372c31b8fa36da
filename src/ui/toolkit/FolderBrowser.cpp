#include "FolderBrowser.h"

#include <utility>

namespace {

BrowseForFolderCall browseForFolder = SHBrowseForFolderW;

} // namespace

BrowseForFolderCall ReplaceBrowseForFolderCall(BrowseForFolderCall call)
{
    return std::exchange(browseForFolder, call);
}

std::optional<std::wstring> BrowseForFolder(HWND owner, const std::wstring& title)
{
    const HRESULT com = CoInitialize(nullptr); // the browser is a shell (COM) object
    wchar_t display[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = display;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    std::optional<std::wstring> path;
    if (const PIDLIST_ABSOLUTE item = browseForFolder(&browse)) {
        wchar_t chosen[MAX_PATH] = {};
        if (SHGetPathFromIDListW(item, chosen))
            path = chosen;
        CoTaskMemFree(item); // the shell's allocator
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return path;
}
