#include "TextRules.h"

std::wstring AddBackslash(const std::wstring& text)
{
    if (!text.empty() && text.back() == L'\\')
        return text;
    return text + L'\\';
}

std::wstring StripAmpersand(const std::wstring& text)
{
    std::wstring result = text;
    if (const auto pos = result.find(L'&'); pos != std::wstring::npos)
        result.erase(pos, 1);
    return result;
}

std::wstring ShortHint(const std::wstring& hint)
{
    return hint.substr(0, hint.find(L'|'));
}

std::wstring LongHint(const std::wstring& hint)
{
    const auto bar = hint.find(L'|');
    return bar == std::wstring::npos ? hint : hint.substr(bar + 1);
}
