// Replaces a file's whole content so that it holds either the old or the complete new bytes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

// Writes the bytes to a temporary file in the same folder, flushes it, gives it the old file's
// creation time and attributes, then moves it over the path. A read-only or locked target is
// refused before anything is written. Returns ERROR_SUCCESS or the system error; on an error the
// old file is as it was and no temporary file is left.
DWORD WriteFileReplacing(const std::wstring& path, std::span<const std::uint8_t> bytes);
