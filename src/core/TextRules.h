// Small text rules for folder paths and menu captions.
#pragma once

#include <string>

// The text with a backslash at its end; an empty text becomes "\".
std::wstring AddBackslash(const std::wstring& text);
// The text without its first "&" (so "&&" becomes "&"): a menu caption turned into a hint.
std::wstring StripAmpersand(const std::wstring& text);
// The parts of a hint "short|long": the tooltip and the status text. A hint without a bar is both.
std::wstring ShortHint(const std::wstring& hint);
std::wstring LongHint(const std::wstring& hint);
