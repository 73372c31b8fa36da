// startup_time.exe VELMOR_EXE [RUNS]: starts the program RUNS times and prints how long each
// start took until its main window was shown, then closes it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

HWND WaitForShownWindow(DWORD milliseconds)
{
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(1))
        if (const HWND found = FindWindowW(L"TMainFormVelmor", nullptr); found && IsWindowVisible(found))
            return found;
    return nullptr;
}

// A Linux path as Wine shows it (its root is drive Z:); a Windows path stays as it is.
std::wstring WinePath(std::wstring path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"Z:" + path;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: startup_time VELMOR_EXE [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        std::wstring commandLine = L"\"" + WinePath(argv[1]) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        LARGE_INTEGER begin, end;
        QueryPerformanceCounter(&begin);
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
            return 1;
        }
        const HWND window = WaitForShownWindow(20000);
        QueryPerformanceCounter(&end);
        if (!window) {
            std::fputs("no window appeared\n", stderr);
            TerminateProcess(process.hProcess, 1);
            return 1;
        }
        times.push_back(double(end.QuadPart - begin.QuadPart) * 1000.0 / double(frequency.QuadPart));
        PostMessageW(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 20000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        std::printf("start %d: window shown after %.0f ms\n", run + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("median of %d starts: %.0f ms\n", runs, times[times.size() / 2]);
    return 0;
}
