#include "TextTable.h"

#include <windows.h>

std::wstring LoadText(int number)
{
    // With a zero length the system hands out a pointer into the resource itself.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(number),
                                   reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::wstring FormatText(int number, long long value)
{
    std::wstring text = LoadText(number);
    const auto at = text.find(L"%d");
    if (at != std::wstring::npos)
        text.replace(at, 2, std::to_wstring(value));
    return text;
}
