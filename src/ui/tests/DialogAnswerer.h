// Answers the next dialog box the program shows, from a thread of its own, as a user would:
// finds the dialog window and hands it to the answer, which types and presses in it.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(HWND dialog)> answer);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    bool Answered() const { return answered_; }

private:
    std::atomic<bool> answered_{false};
    std::atomic<bool> leaving_{false};
    std::thread thread_;
};

// A shown dialog box of this process, or null.
HWND FindShownDialog();
// A child window of the dialog whose text is this, or null.
HWND FindChildWithText(HWND dialog, const wchar_t* text);
// Presses a button of the dialog (by its id) the way its own click would.
void PressButton(HWND dialog, int id);
