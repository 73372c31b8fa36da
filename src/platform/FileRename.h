// Renaming a file without ever replacing another, also where only the letter case changes.
#pragma once

#include <string>

// True when the file now has exactly the new name. Fails when a file or folder of that name
// exists, the name is refused or the file is in use. A change of letter case alone is carried
// out through a name of its own where the file system takes it for no change (Wine on Linux).
bool RenameFile(const std::wstring& from, const std::wstring& to);
