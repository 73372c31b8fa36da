// The application object: its title, the common controls and the message loop.
#pragma once

#include <string>

class TApplication {
public:
    // Initialises the common controls (version 6, through the manifest).
    TApplication();

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title) { title_ = title; }
    // Runs until the main window has gone; returns the exit code.
    int Run();

private:
    std::wstring title_;
};

// The one application object of the program.
TApplication& Application();
