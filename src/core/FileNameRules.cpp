#include "FileNameRules.h"

#include <algorithm>

namespace {

std::wstring LastComponent(const std::wstring& path)
{
    const auto separator = path.find_last_of(L"\\:");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Windows drops a component's trailing dots and blanks, so ". ." and "..." mean ".." too.
bool MeansParent(const std::wstring& component)
{
    const bool dotsAndBlanks = std::all_of(component.begin(), component.end(),
                                           [](wchar_t c) { return c == L'.' || c == L' '; });
    return dotsAndBlanks && std::count(component.begin(), component.end(), L'.') >= 2;
}

} // namespace

std::wstring NameExtension(const std::wstring& name)
{
    const auto dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

bool HasExtension(const std::wstring& path, const std::wstring& lowered)
{
    return LatinLower(NameExtension(LastComponent(path))) == lowered;
}

std::wstring LatinLower(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

std::wstring LatinUpper(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    return text;
}

std::wstring ChangeCase(const std::wstring& name, CaseChange change, const LocaleCaseConversion& convert)
{
    switch (change) {
    case CaseChange::NameLower: return LatinLower(name);
    case CaseChange::NameUpper: return LatinUpper(name);
    case CaseChange::ExtensionLower:
    case CaseChange::ExtensionUpper: break;
    }
    const std::wstring extension = NameExtension(name);
    if (extension.empty())
        return name;
    return name.substr(0, name.size() - extension.size())
         + convert(extension, change == CaseChange::ExtensionUpper);
}

std::string TagTextForName(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

std::wstring NameFromTag(const std::wstring& artist, const std::wstring& title, const std::wstring& extension,
                         const std::wstring& unknown)
{
    return (artist.empty() ? unknown : artist) + L" - " + (title.empty() ? unknown : title) + extension;
}

bool NameStaysInFolder(const std::wstring& name)
{
    if (name.empty() || IsSeparator(name.front()) || name.find(L':') != std::wstring::npos)
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        auto end = std::find_if(name.begin() + static_cast<std::ptrdiff_t>(start), name.end(), IsSeparator);
        const auto stop = static_cast<std::size_t>(end - name.begin());
        if (MeansParent(name.substr(start, stop - start)))
            return false;
        start = stop + 1;
    }
    return true;
}
