// The attribute steps of a run: clearing the chosen attributes first, giving the chosen
// combination last.
#include "MainFormVelmor.h"

#include "AttributeLetters.h"

DWORD TMainFormVelmor::AttrFromCheckBoxes() const
{
    DWORD attributes = 0;
    if (cbArchive.Checked())
        attributes |= FILE_ATTRIBUTE_ARCHIVE;
    if (cbHidden.Checked())
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    if (cbReadOnly.Checked())
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (cbSystem.Checked())
        attributes |= FILE_ATTRIBUTE_SYSTEM;
    return attributes;
}

void TMainFormVelmor::ClearChosenAttributes(const std::wstring& path, int index)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    for (const auto& [box, bit] : {std::pair{&cbRArchive, FILE_ATTRIBUTE_ARCHIVE}, std::pair{&cbRReadOnly, FILE_ATTRIBUTE_READONLY},
                                   std::pair{&cbRHidden, FILE_ATTRIBUTE_HIDDEN}, std::pair{&cbRSystem, FILE_ATTRIBUTE_SYSTEM}}) {
        if (box->Checked())
            attributes &= ~static_cast<DWORD>(bit);
    }
    if (SetFileAttributesW(path.c_str(), attributes))
        RefreshAttributeColumn(path, index);
}

void TMainFormVelmor::AssignAttributes(const std::wstring& path, int index, DWORD attributes)
{
    // "None of them" is said with FILE_ATTRIBUTE_NORMAL; 0 is no documented value.
    if (SetFileAttributesW(path.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL))
        RefreshAttributeColumn(path, index);
}

void TMainFormVelmor::RefreshAttributeColumn(const std::wstring& path, int index)
{
    lvFiles.SetItemText(index, ColumnOf(SubItem::Attributes), AttrToLetters(GetFileAttributesW(path.c_str())));
}
