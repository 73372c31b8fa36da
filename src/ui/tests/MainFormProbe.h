// What the tests see of a shown main window: its controls found by id, the status bar's
// panels, and a way to let the window's events run.
#pragma once

#include "MainFormVelmor.h"
#include "controls/SBPro.h"
#include "toolkit/Application.h"

#include <windows.h>

#include <memory>
#include <string>

class MainFormProbe {
public:
    MainFormProbe();
    ~MainFormProbe();

    TMainFormVelmor& Form() { return *form_; }
    HWND Handle() const { return form_->Handle(); }
    HWND Control(int id) const;
    std::wstring Text(int id) const;
    TStatusBarPro& StatusBar() const;
    std::wstring Panel(int index) const;
    // The text of a list cell.
    std::wstring Cell(int row, int column) const;
    int Rows() const;
    void Pump() const { Application().ProcessMessages(); }

private:
    std::unique_ptr<TMainFormVelmor> form_;
};
