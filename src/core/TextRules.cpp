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
