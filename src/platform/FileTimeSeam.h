// The one call through which the program stores file times. Tests replace it to see the values
// handed over, because Wine keeps no creation time on Linux file systems.
#pragma once

#include <windows.h>

using FileTimeSetter = BOOL(WINAPI*)(HANDLE, const FILETIME*, const FILETIME*, const FILETIME*);

// SetFileTime, or the setter a test put in its place.
BOOL StoreFileTimes(HANDLE file, const FILETIME* created, const FILETIME* accessed, const FILETIME* written);
// Returns the setter it replaces.
FileTimeSetter ReplaceFileTimeSetter(FileTimeSetter setter);
