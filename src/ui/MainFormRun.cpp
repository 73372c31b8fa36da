// The processing run: the targets of the start menu, the stop, the progress and the per-entry
// steps in their fixed order.
#include "MainFormVelmor.h"

#include "DTCUtils.h"
#include "FileNameRules.h"
#include "Ids.h"
#include "TargetModes.h"
#include "TextTable.h"
#include "toolkit/Application.h"

#include <chrono>

void TMainFormVelmor::btnStartStopClick(int targetMode)
{
    if (!FIdle) { // picked again while the run lets events run: a stop
        EndRun();
        return;
    }
    if (lvFiles.Count() == 0)
        return;
    FIdle = false;
    ShowRunning(true);
    if (ValidateDates()) {
        try {
            RunOver(targetMode);
        } catch (const GIFError& error) {
            Application().ShowError(Handle(), error.Message());
        }
    }
    EndRun();
    if (closeAfterRun_)
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TMainFormVelmor::RunOver(int targetMode)
{
    pcDTC.SetActivePageIndex(0);
    const DWORD setAttributes = cbSetAttr.Checked() ? AttrFromCheckBoxes() : 0;
    const int count = lvFiles.Count(); // entries keep their places until the run ends
    PB.SetRange(0, count - 1);
    using Clock = std::chrono::steady_clock;
    int progress = 0;
    auto eventsRan = Clock::now() - RunEventInterval; // they run before the first entry
    auto barMoved = eventsRan;
    for (int index = 0; index < count; ++index) {
        // Under Wine, asking for pending events costs as much as a small file's whole step and
        // drawing the bar several: they happen before an entry once their interval has passed.
        if (const auto now = Clock::now(); now - eventsRan >= RunEventInterval) {
            if (now - barMoved >= ProgressInterval) {
                PB.SetPosition(progress);
                barMoved = now;
            }
            if (!Application().ProcessMessages() || FIdle)
                return;
            eventsRan = Clock::now();
        }
        if (!IsTarget(targetMode, lvFiles.Checked(index), lvFiles.Selected(index)))
            continue;
        const std::wstring path = EntryPath(index);
        if (!IsDosDatedFile(path))
            continue;
        ProcessEntry(path, index, setAttributes);
        progress = index;
    }
}

// Every control is read anew for each entry; a rename hands its new path to the later steps.
void TMainFormVelmor::ProcessEntry(std::wstring path, int index, DWORD setAttributes)
{
    if (cbRemoveAttr.Checked())
        ClearChosenAttributes(path, index);
    if (cbDeleteGIFExtensions.Checked() && HasExtension(path, L".gif"))
        StripGifComments(path, index);
    if (cbID3v1.Checked() && HasExtension(path, L".mp3"))
        path = RenameMp3FromTag(path, index);
    path = ChangeNameCase(path, index);
    if (rbSetSelectedDate.Checked() || rbSetSeparateDate.Checked()) {
        ChangeFileTimes(path, index);
        RefreshDateColumns(path, index);
    }
    if (cbSetAttr.Checked())
        AssignAttributes(path, index, setAttributes);
}

void TMainFormVelmor::EndRun()
{
    if (FIdle)
        return;
    PB.SetPosition(0);
    FIdle = true;
    ShowRunning(false);
}

void TMainFormVelmor::ShowRunning(bool running)
{
    tbStartStop.SetCaption(Cmd::btnStartStop, LoadText(running ? 65300 : 65299));
    tbStartStop.SetImage(Cmd::btnStartStop, tbStartStop.Image(Cmd::btnStartStop) + (running ? -1 : 1));
    PlaceStartStop();
}
