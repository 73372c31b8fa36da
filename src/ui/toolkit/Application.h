// The application object: its title, the common controls, the message loop, the current hint
// and its handler, and a way to let pending window events run.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TApplication {
public:
    // Initialises the common controls (version 6, through the manifest).
    TApplication();

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title) { title_ = title; }
    const std::wstring& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::wstring& path) { helpFile_ = path; }

    // The hint of the control under the mouse or of the highlighted menu item ("short|long").
    const std::wstring& Hint() const { return hint_; }
    // Stores a new hint; the handler runs only when the text changes.
    void SetHint(const std::wstring& hint);
    void SetOnHint(std::function<void()> handler) { onHint_ = std::move(handler); }

    // Runs until Terminate; returns the exit code.
    int Run();
    // Ends the message loop of Run (the main window calls it when it goes); without a running
    // loop (in-process tests) it does nothing.
    void Terminate();
    // The error box: the text, the application's title, the error icon and OK, over the window.
    void ShowError(HWND owner, const std::wstring& text) const;
    // Lets every pending window event run, then returns; false once the program should end.
    bool ProcessMessages();

private:
    void Dispatch(MSG& message);

    std::wstring title_;
    std::wstring helpFile_;
    std::wstring hint_;
    std::function<void()> onHint_;
    bool running_ = false;
    bool quitting_ = false;
    int exitCode_ = 0;
};

// The one application object of the program.
TApplication& Application();
