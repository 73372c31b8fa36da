// Conversions into and out of the UTF-16 text of the wide Win32 API: from UTF-8, from the ANSI
// code page, and the locale's letter case.
#pragma once

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);
// 8-bit text of the user's ANSI code page (the bytes of a tag).
std::wstring WidenAnsi(const std::string& bytes);
// Every letter of the user's language converted, as the system's locale does it.
std::wstring LocaleCase(const std::wstring& text, bool upper);
