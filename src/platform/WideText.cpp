#include "WideText.h"

#include <windows.h>

namespace {

std::wstring WidenFrom(UINT codePage, const std::string& bytes)
{
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
    return text;
}

} // namespace

std::wstring Widen(const std::string& utf8)
{
    return WidenFrom(CP_UTF8, utf8);
}

std::wstring WidenAnsi(const std::string& bytes)
{
    return WidenFrom(CP_ACP, bytes);
}

std::wstring LocaleCase(const std::wstring& text, bool upper)
{
    std::wstring converted = text;
    const auto length = static_cast<DWORD>(converted.size());
    if (upper)
        CharUpperBuffW(converted.data(), length);
    else
        CharLowerBuffW(converted.data(), length);
    return converted;
}

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}
