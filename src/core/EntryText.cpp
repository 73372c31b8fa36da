#include "EntryText.h"

std::wstring FormatSizeGrouped(std::int64_t size, const std::wstring& separator)
{
    // The magnitude as unsigned, so that even the most negative value has one.
    const std::uint64_t magnitude = size < 0 ? 0 - static_cast<std::uint64_t>(size) : static_cast<std::uint64_t>(size);
    const std::wstring digits = std::to_wstring(magnitude);
    std::wstring text = size < 0 ? L"-" : L"";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

std::wstring FileNamePart(const std::wstring& path)
{
    const auto delimiter = path.find_last_of(L"\\:");
    return delimiter == std::wstring::npos ? path : path.substr(delimiter + 1);
}

std::wstring FolderText(const std::wstring& path)
{
    const auto delimiter = path.find_last_of(L"\\:");
    if (delimiter == std::wstring::npos)
        return {};
    std::size_t length = delimiter + 1;
    if (path[delimiter] == L'\\' && delimiter > 0 && path[delimiter - 1] != L'\\' && path[delimiter - 1] != L':')
        --length;
    std::wstring folder = path.substr(0, length);
    if (folder.size() == 2)
        folder += L'\\';
    return folder;
}

std::wstring LastPathComponent(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ShellExtension(const std::wstring& name)
{
    std::size_t dot = std::wstring::npos;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == L'\\' || name[i] == L' ')
            dot = std::wstring::npos;
        else if (name[i] == L'.')
            dot = i;
    }
    return dot == std::wstring::npos ? std::wstring{} : name.substr(dot);
}
