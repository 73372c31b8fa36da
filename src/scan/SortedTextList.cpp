#include "SortedTextList.h"

#include <windows.h>

#include <algorithm>

int CompareTextIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), int(a.size()), b.c_str(), int(b.size()))
         - CSTR_EQUAL;
}

void SortedTextList::Add(const std::wstring& text)
{
    const auto at = std::lower_bound(items_.begin(), items_.end(), text, [](const std::wstring& item, const std::wstring& t) {
        return CompareTextIgnoringCase(item, t) < 0;
    });
    if (at == items_.end() || CompareTextIgnoringCase(*at, text) != 0)
        items_.insert(at, text);
}

void SortedTextList::Assign(const std::vector<std::wstring>& texts)
{
    items_.clear();
    for (const std::wstring& text : texts)
        if (!text.empty())
            Add(text);
}
