// Conversions between UTF-8 and the UTF-16 text of the wide Win32 API.
#pragma once

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);
