// The open-file dialog: several files at once, path and file must exist, no read-only box, the
// first entry of its filter chosen.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

class OpenDialog {
public:
    // The filter is "name|patterns|name|patterns...". False when the user cancels.
    bool Execute(HWND owner, const std::wstring& filter);
    // The chosen files' full paths, in the dialog's order.
    const std::vector<std::wstring>& Files() const { return files_; }

private:
    std::vector<std::wstring> files_;
};

// GetOpenFileNameW, or what a test put in its place; returns the call it replaces.
using OpenFileNameCall = BOOL(WINAPI*)(OPENFILENAMEW*);
OpenFileNameCall ReplaceOpenFileNameCall(OpenFileNameCall call);
