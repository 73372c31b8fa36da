#include "MainFormVelmor.h"
#include "toolkit/Application.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MainFormVelmor, CaptionIsTheApplicationTitle)
{
    Application().SetTitle(L"Velmor");
    TMainFormVelmor form;
    ASSERT_NE(form.Handle(), nullptr);
    EXPECT_EQ(form.Text(), L"Velmor");
    wchar_t className[64] = {};
    GetClassNameW(form.Handle(), className, 64);
    EXPECT_STREQ(className, L"TMainFormVelmor");
}


// The window exists (with its caption) before the program shows it, so wait for it to be shown.
HWND WaitForShownWindow(const wchar_t* className, const wchar_t* caption, DWORD milliseconds)
{
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(20))
        if (const HWND found = FindWindowW(className, caption); found && IsWindowVisible(found))
            return found;
    return nullptr;
}

TEST(VelmorExe, StartsShowsItsWindowAndEndsWhenClosed)
{
    std::wstring commandLine = L"\"" + WinePath(VELMOR_EXE) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << GetLastError();
    const HWND window = WaitForShownWindow(L"TMainFormVelmor", L"Velmor", 10000);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
