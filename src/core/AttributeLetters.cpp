#include "AttributeLetters.h"

#include <array>
#include <utility>

std::wstring AttrToLetters(std::uint32_t attributes)
{
    static constexpr std::array<std::pair<std::uint32_t, wchar_t>, 7> letters{{
        {FileAttr::Directory, L'D'}, {FileAttr::ReadOnly, L'R'}, {FileAttr::Hidden, L'H'},
        {FileAttr::System, L'S'},    {FileAttr::Archive, L'A'},  {FileAttr::Compressed, L'C'},
        {FileAttr::Temporary, L'T'},
    }};
    std::wstring text;
    for (const auto& [bit, letter] : letters)
        if (attributes & bit)
            text += letter;
    return text;
}
