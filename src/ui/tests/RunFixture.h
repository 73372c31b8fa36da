// A shown main window with files of a temporary folder in its list, and the user's ways of
// setting up and starting a run: the parameter controls, the rows' ticks and selection, and
// the items of the start menu.
#pragma once

#include "DateTimeValue.h"
#include "MainFormProbe.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

// Local calendar times of files, read and written without the program's own conversions.
SYSTEMTIME LocalTime(const CalendarDate& date, const ClockTime& time);
void SetLocalFileTimes(const std::wstring& path, const SYSTEMTIME& local);
SYSTEMTIME LocalLastWrite(const std::wstring& path);
SYSTEMTIME LocalLastAccess(const std::wstring& path);
SYSTEMTIME LocalFromUniversal(const FILETIME& universal);
bool SameSecond(const SYSTEMTIME& a, const SYSTEMTIME& b);

class RunFixture : public testing::Test {
protected:
    TempFolder folder;
    MainFormProbe probe;

    // Writes the file and adds it to the list; returns its path.
    std::wstring AddFile(const std::wstring& name, const std::string& bytes = "content");
    void Click(int id) const;
    void SetChecked(int id, bool checked) const;
    void SetPicker(int id, const SYSTEMTIME& value) const;
    void ChooseSameValue(const SYSTEMTIME& value) const;
    void TickRow(int row, bool ticked) const;
    void SelectRow(int row, bool selected) const;
    // Picks the start menu item of the target mode, as a click on it does.
    void Pick(int mode) const;
    std::wstring StartCaption() const;
    int StartImage() const;
    int ProgressMaximum() const;
    int ProgressPosition() const;
};
