// The parameter pages: their buttons, and which controls each choice enables.
#include "MainFormVelmor.h"

#include "Ids.h"

#include <initializer_list>

namespace {

void EnableAll(std::initializer_list<Window*> controls, bool enabled)
{
    for (Window* control : controls)
        control->SetEnabled(enabled);
}

void SetToNow(std::initializer_list<DateTimePicker*> pickers)
{
    for (DateTimePicker* picker : pickers)
        picker->SetToNow();
}

} // namespace

void TMainFormVelmor::ConnectPageControls()
{
    pcParams.SetOnChange([this] { pcParamsChange(); });
    rbSetSelectedDate.SetOnClick([this] { rbSetSelectedDateClick(); });
    rbSetSeparateDate.SetOnClick([this] { rbSetSeparateDateClick(); });
    rbDoNotChangeDate.SetOnClick([this] { rbDoNotChangeDateClick(); });
    btnToday.SetOnClick([this] { btnTodayClick(); });
    cbRemoveAttr.SetOnClick([this] { cbRemoveAttrClick(); });
    cbSetAttr.SetOnClick([this] { rbSetAttrClick(); });
}

void TMainFormVelmor::btnDateTimeClick()
{
    pcParams.SetActivePageIndex(0);
}

void TMainFormVelmor::btnAttributesClick()
{
    pcParams.SetActivePageIndex(1);
}

void TMainFormVelmor::btnRenameClick()
{
    pcParams.SetActivePageIndex(2);
}

void TMainFormVelmor::btnMultimediaClick()
{
    pcParams.SetActivePageIndex(3);
}

void TMainFormVelmor::pcParamsChange()
{
    static constexpr int pageButtons[] = {Cmd::btnDateTime, Cmd::btnAttributes, Cmd::btnRename,
                                          Cmd::btnMultimedia};
    const int page = pcParams.ActivePageIndex();
    if (page >= 0 && page < 4)
        tbParams.SetDown(pageButtons[page], true);
}

void TMainFormVelmor::SetDateControlsEnabled(bool oneValue, bool today, bool separateValues)
{
    EnableAll({&dtpDate, &dtpTime}, oneValue);
    btnToday.SetEnabled(today);
    EnableAll({&cbCreated, &dtpCreatedDate, &dtpCreatedTime, &cbModified, &dtpModifiedDate,
                &dtpModifiedTime, &cbOpened, &dtpOpenedDate},
               separateValues);
}

void TMainFormVelmor::rbSetSelectedDateClick()
{
    SetDateControlsEnabled(true, true, false);
}

void TMainFormVelmor::rbSetSeparateDateClick()
{
    SetDateControlsEnabled(false, true, true);
}

void TMainFormVelmor::rbDoNotChangeDateClick()
{
    SetDateControlsEnabled(false, false, false);
}

void TMainFormVelmor::btnTodayClick()
{
    if (rbSetSelectedDate.Checked())
        SetToNow({&dtpDate, &dtpTime});
    if (rbSetSeparateDate.Checked())
        SetToNow({&dtpCreatedDate, &dtpModifiedDate, &dtpOpenedDate, &dtpCreatedTime, &dtpModifiedTime});
}

void TMainFormVelmor::cbRemoveAttrClick()
{
    EnableAll({&cbRReadOnly, &cbRArchive, &cbRHidden, &cbRSystem}, cbRemoveAttr.Checked());
}

void TMainFormVelmor::rbSetAttrClick()
{
    EnableAll({&cbArchive, &cbHidden, &cbReadOnly, &cbSystem}, cbSetAttr.Checked());
}
