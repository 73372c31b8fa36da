// The date step of a run: one value for all three times or a value per ticked time, and the
// year check made before the first entry.
#include "MainFormVelmor.h"

#include "DTCUtils.h"
#include "TextTable.h"

namespace {

TDateTime PickerValue(const DateTimePicker& picker)
{
    const SYSTEMTIME value = picker.Value();
    return EncodeDateTime({value.wYear, value.wMonth, value.wDay},
                          {value.wHour, value.wMinute, value.wSecond, value.wMilliseconds});
}

} // namespace

bool TMainFormVelmor::ValidateDates()
{
    const auto yearAccepted = [this](const DateTimePicker& picker) {
        if (IsFatYear(picker.Value().wYear))
            return true;
        MessageBoxW(Handle(), LoadText(65194).c_str(), LoadText(65193).c_str(), MB_OK | MB_ICONERROR);
        return false;
    };
    if (rbSetSelectedDate.Checked())
        return yearAccepted(dtpDate);
    if (rbSetSeparateDate.Checked()) {
        bool anyTicked = false; // with no time ticked a run has nothing to write
        for (const auto& [box, picker] : {std::pair{&cbCreated, &dtpCreatedDate}, std::pair{&cbModified, &dtpModifiedDate},
                                          std::pair{&cbOpened, &dtpOpenedDate}}) {
            if (!box->Checked())
                continue;
            if (!yearAccepted(*picker))
                return false;
            anyTicked = true;
        }
        return anyTicked;
    }
    return rbDoNotChangeDate.Checked();
}

void TMainFormVelmor::ChangeFileTimes(const std::wstring& path, int)
{
    if (rbSetSelectedDate.Checked()) {
        SetFileTimesSame(path, PickerValue(dtpDate), PickerValue(dtpTime));
        return;
    }
    if (!rbSetSeparateDate.Checked() || !(cbCreated.Checked() || cbModified.Checked() || cbOpened.Checked()))
        return;
    // A time that is not ticked is read from the file just before the write and written again.
    const TDateTime created = cbCreated.Checked() ? 0 : FileCreatedValue(path);
    const TDateTime modified = cbModified.Checked() ? 0 : FileModifiedValue(path);
    SetFileTimesSeparate(path, cbCreated.Checked() ? PickerValue(dtpCreatedDate) : created,
                         cbCreated.Checked() ? PickerValue(dtpCreatedTime) : created,
                         cbModified.Checked() ? PickerValue(dtpModifiedDate) : modified,
                         cbModified.Checked() ? PickerValue(dtpModifiedTime) : modified,
                         cbOpened.Checked() ? PickerValue(dtpOpenedDate) : FileOpenedValue(path));
}

void TMainFormVelmor::RefreshDateColumns(const std::wstring& path, int index)
{
    // One query answers all three columns as the three single-file texts would.
    const auto entry = ReadFileEntry(path);
    const auto text = [&entry](FILETIME WIN32_FILE_ATTRIBUTE_DATA::*time, bool withTimeOfDay) {
        return entry ? FileTimeListText((*entry).*time, withTimeOfDay) : std::wstring();
    };
    lvFiles.SetItemText(index, ColumnOf(SubItem::Created), text(&WIN32_FILE_ATTRIBUTE_DATA::ftCreationTime, true));
    lvFiles.SetItemText(index, ColumnOf(SubItem::Modified), text(&WIN32_FILE_ATTRIBUTE_DATA::ftLastWriteTime, true));
    lvFiles.SetItemText(index, ColumnOf(SubItem::Opened), text(&WIN32_FILE_ATTRIBUTE_DATA::ftLastAccessTime, false));
}
