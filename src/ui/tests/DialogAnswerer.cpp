#include "DialogAnswerer.h"

#include <chrono>
#include <string>

HWND FindShownDialog()
{
    struct Search {
        DWORD process;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows([](HWND window, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (process != s->process || std::wstring(className) != L"#32770" || !IsWindowVisible(window))
            return TRUE;
        s->found = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DialogAnswerer::DialogAnswerer(std::function<void(HWND dialog)> answer)
    : thread_([this, answer = std::move(answer)] {
          const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
          while (!leaving_ && std::chrono::steady_clock::now() < deadline) {
              if (const HWND dialog = FindShownDialog()) {
                  answer(dialog);
                  answered_ = true;
                  return;
              }
              Sleep(20);
          }
      })
{
}

DialogAnswerer::~DialogAnswerer()
{
    leaving_ = true;
    thread_.join();
}

HWND FindChildWithText(HWND dialog, const wchar_t* text)
{
    struct Search {
        const wchar_t* text;
        HWND found;
    } search{text, nullptr};
    EnumChildWindows(dialog, [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t buffer[256] = {};
        GetWindowTextW(child, buffer, 256);
        if (std::wstring(buffer) != s->text)
            return TRUE;
        s->found = child;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PressButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
