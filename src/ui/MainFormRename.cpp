// The letter-case step of a run: the whole name by Latin letters, the extension by the locale.
#include "MainFormVelmor.h"

#include "EntryText.h"
#include "FileNameRules.h"
#include "FileRename.h"
#include "WideText.h"

#include <optional>

std::wstring TMainFormVelmor::ChangeNameCase(const std::wstring& path, int index)
{
    std::optional<CaseChange> change;
    for (const auto& [button, chosen] : {std::pair{&rbNameLowerCase, CaseChange::NameLower},
                                         std::pair{&rbExtLowerCase, CaseChange::ExtensionLower},
                                         std::pair{&rbNameUpperCase, CaseChange::NameUpper},
                                         std::pair{&rbExtUpperCase, CaseChange::ExtensionUpper}}) {
        if (button->Checked())
            change = chosen;
    }
    if (!change)
        return path;
    const std::wstring name = FileNamePart(path);
    const std::wstring newPath = path.substr(0, path.size() - name.size()) + ChangeCase(name, *change, LocaleCase);
    if (!RenameFile(path, newPath))
        return path;
    lvFiles.SetItemText(index, CaptionColumn, ChangeCase(lvFiles.ItemText(index, CaptionColumn), *change, LocaleCase));
    return newPath;
}
