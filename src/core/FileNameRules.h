// The names a run gives files: letter-case changes of a name or its extension, and the name
// made from an MP3 file's tag.
#pragma once

#include <functional>
#include <string>

// From the last dot of the name to its end, dot included; empty when the name has no dot.
std::wstring NameExtension(const std::wstring& name);
// True when the extension of the path's last component, with A-Z folded, equals `lowered`.
bool HasExtension(const std::wstring& path, const std::wstring& lowered);

// Only A-Z and a-z change.
std::wstring LatinLower(std::wstring text);
std::wstring LatinUpper(std::wstring text);

enum class CaseChange { NameLower, ExtensionLower, NameUpper, ExtensionUpper };
// The system's conversion of every letter of the user's language, to upper case when asked.
using LocaleCaseConversion = std::function<std::wstring(const std::wstring& text, bool upper)>;
// Whole-name changes fold Latin letters only; extension changes use the locale's conversion.
std::wstring ChangeCase(const std::wstring& name, CaseChange change, const LocaleCaseConversion& convert);

// A tag text as a name takes it: up to its first NUL.
std::string TagTextForName(const std::string& text);
// "artist - title" + extension; an empty field becomes `unknown`.
std::wstring NameFromTag(const std::wstring& artist, const std::wstring& title, const std::wstring& extension,
                         const std::wstring& unknown);
// False for a name that could leave its folder: a leading separator, a drive or stream colon,
// or a component of two or more dots (with blanks), which Windows reads as the parent.
bool NameStaysInFolder(const std::wstring& name);
