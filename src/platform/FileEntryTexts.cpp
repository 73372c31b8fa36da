#include "FileEntryTexts.h"

#include "DTCUtils.h"
#include "EntryText.h"

#include <vector>

namespace {

bool IsFolder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// "C:\..." or "\\server\...": a path the shell takes as it stands. Others it joins to the
// current folder, so their answer may change with it.
bool IsFullPath(const std::wstring& path)
{
    return (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') || path.starts_with(L"\\\\");
}

// The default value of a key of the file types; empty when there is none.
std::wstring ClassesText(const std::wstring& key)
{
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return {};
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
    bytes = DWORD(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, flags, nullptr, text.data(), &bytes) != ERROR_SUCCESS)
        return {};
    return text.data();
}

} // namespace

std::wstring ThousandSeparator()
{
    std::vector<wchar_t> text(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, nullptr, 0) + 1);
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text.data(), int(text.size()));
    return text.data();
}

FileEntryReader::FileEntryReader() : separator_(ThousandSeparator()) {}

std::optional<FileEntry> FileEntryReader::Read(const std::wstring& path)
{
    const auto found = ReadFileEntry(path);
    if (!found)
        return std::nullopt;
    FileEntry entry;
    entry.attributes = found->dwFileAttributes;
    entry.caption = FileNamePart(path);
    entry.imageIndex = IconIndex(path, entry.attributes);
    entry.subItems = {FormatSizeGrouped(EntrySize(*found), separator_),
                      TypeName(path, entry.attributes),
                      FileTimeListText(found->ftCreationTime, true),
                      FileTimeListText(found->ftLastWriteTime, true),
                      FileTimeListText(found->ftLastAccessTime, false),
                      AttrToLetters(entry.attributes),
                      FolderText(path)};
    return entry;
}

std::wstring FileEntryReader::TypeName(const std::wstring& path, DWORD attributes)
{
    const std::wstring name = LastPathComponent(path);
    const auto [known, added] = typeNames_.try_emplace({ShellExtension(name), IsFolder(attributes)});
    if (added)
        known->second = FileTypeNameFor(name, attributes);
    return known->second;
}

int FileEntryReader::IconIndex(const std::wstring& path, DWORD attributes)
{
    const ShellKey key{ShellExtension(path), IsFolder(attributes)};
    // The shell cuts a path at MAX_PATH, and takes an icon of the "%1" kind from the file.
    if (!IsFullPath(path) || path.size() >= MAX_PATH || IconFromFileItself(key.extension))
        return FileIconIndex(path, attributes);
    const auto [known, added] = iconIndexes_.try_emplace(key);
    if (added)
        known->second = FileIconIndex(path, attributes);
    return known->second;
}

bool FileEntryReader::IconFromFileItself(const std::wstring& extension)
{
    const auto [known, added] = iconFromFile_.try_emplace(extension);
    if (added) {
        const std::wstring fileClass = ClassesText(extension);
        known->second = !fileClass.empty()
                     && ClassesText(fileClass + L"\\DefaultIcon").find(L"%1") != std::wstring::npos;
    }
    return known->second;
}
