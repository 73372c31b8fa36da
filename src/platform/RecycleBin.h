// Moving files and folders to the Recycle Bin through the shell, which asks the user itself and
// reports its own errors.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// True when the shell reports success; some objects may still be where they were (the user
// may have kept them).
bool MoveToRecycleBin(HWND owner, const std::vector<std::wstring>& paths);
