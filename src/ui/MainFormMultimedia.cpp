// The multimedia steps of a run: comment blocks out of GIF files, MP3 files named after their tag.
#include "MainFormVelmor.h"

#include "DTCUtils.h"
#include "EntryText.h"
#include "FileNameRules.h"
#include "FileRename.h"
#include "TextTable.h"
#include "WideText.h"

void TMainFormVelmor::StripGifComments(const std::wstring& path, int index)
{
    FGIFImage->LoadFromFile(path); // a file that is no GIF ends the run with the layer's error
    RemoveComments(*FGIFImage);
    FGIFImage->SaveToFile(path);
    lvFiles.SetItemText(index, ColumnOf(SubItem::Size), FormatSizeGrouped(FileSizeByName(path), ThousandSeparator()));
}

std::wstring TMainFormVelmor::RenameMp3FromTag(const std::wstring& path, int index)
{
    if (!FID3v1->LoadFromFile(path) || !FID3v1->Present)
        return path;
    const std::wstring name = FileNamePart(path);
    const std::wstring newName = NameFromTag(WidenAnsi(TagTextForName(FID3v1->Artist)),
                                             WidenAnsi(TagTextForName(FID3v1->Title)), NameExtension(name),
                                             LoadText(65195));
    // A tag never moves its file out of the file's folder; a sub-folder that exists is fine.
    if (!NameStaysInFolder(newName))
        return path;
    const std::wstring newPath = path.substr(0, path.size() - name.size()) + newName;
    if (!RenameFile(path, newPath)) // never replaces an existing file
        return path;
    lvFiles.SetItemText(index, CaptionColumn, newName);
    return newPath;
}
