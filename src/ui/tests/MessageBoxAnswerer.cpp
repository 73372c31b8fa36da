#include "MessageBoxAnswerer.h"

#include "DialogAnswerer.h"

#include <chrono>

namespace {

constexpr int MessageTextId = 0xFFFF; // the static control that holds a message box's text

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

} // namespace

MessageBoxAnswerer::MessageBoxAnswerer() : watcher_([this] { Watch(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    stop_ = true;
    watcher_.join();
}

std::vector<MessageBoxAnswerer::Box> MessageBoxAnswerer::Boxes() const
{
    std::lock_guard lock(mutex_);
    return boxes_;
}

void MessageBoxAnswerer::Watch()
{
    while (!stop_) {
        if (const HWND box = FindShownDialog()) {
            {
                std::lock_guard lock(mutex_);
                boxes_.push_back({TextOf(box), TextOf(GetDlgItem(box, MessageTextId))});
            }
            PressButton(box, IDOK);
            while (!stop_ && IsWindow(box) && IsWindowVisible(box))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}
