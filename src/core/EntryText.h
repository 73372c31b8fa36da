// The path and size rules behind the texts of a file-list row.
#pragma once

#include <cstdint>
#include <string>

// The size as "#,##0": whole, grouped by threes with the given separator; -1 stays "-1".
std::wstring FormatSizeGrouped(std::int64_t size, const std::wstring& separator);

// The row's caption: the part of the path after its last backslash or colon.
std::wstring FileNamePart(const std::wstring& path);

// The folder column: the path up to its last backslash or colon. That backslash is dropped
// unless it follows a backslash or a colon or starts the path, so roots keep theirs
// ("C:\a.txt" gives "C:\"); a two-character result gets one ("C:a.txt" gives "C:\").
std::wstring FolderText(const std::wstring& path);

// The last component of a path, after its last backslash or slash: the name the shell is asked
// about for the type name.
std::wstring LastPathComponent(const std::wstring& path);

// The extension as the shell reads it from a name or path: from the last dot that no space or
// backslash follows ("a.b.c" gives ".c", "a.tar gz" and "a" nothing, "a." gives ".").
std::wstring ShellExtension(const std::wstring& name);
