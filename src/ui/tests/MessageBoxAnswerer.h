// Answers the message boxes of this process from a thread of its own, as a user would: it
// records each box's caption and text and presses OK.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MessageBoxAnswerer {
public:
    struct Box {
        std::wstring caption;
        std::wstring text;
    };

    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    std::vector<Box> Boxes() const;

private:
    void Watch();

    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<Box> boxes_;
    std::thread watcher_;
};
