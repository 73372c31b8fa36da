// A list of texts kept in the locale's order ignoring case, without two equal texts.
#pragma once

#include <string>
#include <vector>

// The locale's comparison ignoring case: below, equal or above zero.
int CompareTextIgnoringCase(const std::wstring& a, const std::wstring& b);

class SortedTextList {
public:
    // A text equal to one in the list (ignoring case) is not added again.
    void Add(const std::wstring& text);
    // Replaces the contents; empty lines are left out.
    void Assign(const std::vector<std::wstring>& texts);
    void Clear() { items_.clear(); }
    const std::vector<std::wstring>& Items() const { return items_; }

private:
    std::vector<std::wstring> items_;
};
