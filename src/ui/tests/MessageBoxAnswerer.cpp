#include "MessageBoxAnswerer.h"

#include <chrono>

namespace {

constexpr int MessageTextId = 0xFFFF; // the static control that holds a message box's text

HWND FindOwnDialog()
{
    struct Search {
        DWORD process;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows([](HWND window, LPARAM data) {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (process == s.process && IsWindowVisible(window) && std::wstring(className) == L"#32770") {
            s.found = window;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

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
        if (const HWND box = FindOwnDialog()) {
            {
                std::lock_guard lock(mutex_);
                boxes_.push_back({TextOf(box), TextOf(GetDlgItem(box, MessageTextId))});
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            while (!stop_ && IsWindow(box) && IsWindowVisible(box))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}
