// The program's texts by number, read from the string table of the executable each time.
#pragma once

#include <string>

// The text with that number; an empty text for a number without one.
std::wstring LoadText(int number);
// A text with one "%d", filled with a number.
std::wstring FormatText(int number, long long value);
