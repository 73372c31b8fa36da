#include "OpenDialog.h"

#include "TextRules.h"

#include <utility>

#include <algorithm>

namespace {

OpenFileNameCall openFileName = GetOpenFileNameW;

// Room for many chosen names: the dialog fails rather than cut the list.
constexpr DWORD NamesCapacity = 1 << 18;

} // namespace

OpenFileNameCall ReplaceOpenFileNameCall(OpenFileNameCall call)
{
    return std::exchange(openFileName, call);
}

bool OpenDialog::Execute(HWND owner, const std::wstring& filter)
{
    std::wstring filters = filter + L"||";
    std::replace(filters.begin(), filters.end(), L'|', L'\0');
    std::wstring names(NamesCapacity, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = NamesCapacity;
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    files_.clear();
    if (!openFileName(&dialog))
        return false;
    // One name is a whole path; several are the folder followed by the names, each ended by a NUL.
    std::vector<std::wstring> parts;
    for (const wchar_t* part = names.c_str(); *part; part += parts.back().size() + 1)
        parts.emplace_back(part);
    if (parts.size() == 1)
        files_ = parts;
    for (std::size_t i = 1; i < parts.size(); ++i)
        files_.push_back(AddBackslash(parts[0]) + parts[i]);
    return true;
}
