// The row of the file list for one path (caption, icon, the seven column texts), read with one
// query of the file; the shell's answers are asked once per extension and folder bit.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>

// Positions of the sub-item texts, in column order.
namespace SubItem {
enum : std::size_t { Size, Type, Created, Modified, Opened, Attributes, Folder, Count };
} // namespace SubItem

struct FileEntry {
    DWORD attributes = 0;
    std::wstring caption;
    int imageIndex = 0;
    std::array<std::wstring, SubItem::Count> subItems;

    bool operator==(const FileEntry&) const = default;
};

// The user's thousands separator, which the size column groups with.
std::wstring ThousandSeparator();

// Gives exactly what the single-file queries give, at the cost of one attribute query per path
// once each extension has been seen. Takes the locale's separator when it is made.
class FileEntryReader {
public:
    FileEntryReader();

    // Nothing when the path is not found.
    std::optional<FileEntry> Read(const std::wstring& path);

private:
    // All that the shell's answer depends on when it is given attributes instead of the file.
    struct ShellKey {
        std::wstring extension; // with its case: unknown types are named after it
        bool folder;
        auto operator<=>(const ShellKey&) const = default;
    };

    std::wstring TypeName(const std::wstring& path, DWORD attributes);
    int IconIndex(const std::wstring& path, DWORD attributes);
    bool IconFromFileItself(const std::wstring& extension);

    std::wstring separator_;
    std::map<ShellKey, std::wstring> typeNames_;
    std::map<ShellKey, int> iconIndexes_;
    std::map<std::wstring, bool> iconFromFile_;
};
