// The shell's folder browser: file-system folders only, starting at the desktop.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

// The chosen folder's path; nothing when the user cancels or the choice has no path.
std::optional<std::wstring> BrowseForFolder(HWND owner, const std::wstring& title);

// SHBrowseForFolderW, or what a test put in its place; returns the call it replaces.
using BrowseForFolderCall = PIDLIST_ABSOLUTE(WINAPI*)(BROWSEINFOW*);
BrowseForFolderCall ReplaceBrowseForFolderCall(BrowseForFolderCall call);
