// run_bench FOLDER: what a same-value date run over every file under FOLDER costs, with the
// window shown, from the pick of the start menu item to the end of the run; and the floor, a
// bare loop that opens each file, writes its times and closes it. Both by turns, best of five.
#include "Ids.h"
#include "MainFormVelmor.h"
#include "WideText.h"
#include "toolkit/Application.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 5;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void ForEachFile(const std::wstring& folder, const std::function<void(const std::wstring&)>& found)
{
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = folder + L'\\' + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ForEachFile(path, found);
        else
            found(path);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

HWND Control(HWND window, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(window, [](HWND child, LPARAM data) {
        auto& s = *reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s.id)
            return TRUE;
        s.found = child;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SYSTEMTIME Moment(int round)
{
    return {WORD(2000 + round), 6, 0, 15, 12, 30, 10, 0};
}

double TimeFloor(const std::vector<std::wstring>& paths, int round)
{
    SYSTEMTIME universal = Moment(round);
    FILETIME time;
    SystemTimeToFileTime(&universal, &time);
    const auto start = Clock::now();
    for (const auto& path : paths) {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        SetFileTime(file, &time, &time, &time);
        CloseHandle(file);
    }
    return SecondsSince(start);
}

double TimeRun(HWND form, int round)
{
    const SYSTEMTIME moment = Moment(round);
    SendMessageW(Control(form, Ctl::dtpDate), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&moment));
    SendMessageW(Control(form, Ctl::dtpTime), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&moment));
    const auto start = Clock::now();
    SendMessageW(form, WM_COMMAND, Cmd::item_Operate0 + 6, 0); // returns when the run has ended
    return SecondsSince(start);
}

void Print(const char* what, double seconds, std::size_t files)
{
    std::printf("%-62s %7.2f s %8.1f us/file\n", what, seconds, seconds * 1e6 / double(files));
    std::fflush(stdout);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: run_bench FOLDER\n");
        return 2;
    }
    Application().SetTitle(L"Velmor");
    std::vector<std::wstring> paths;
    ForEachFile(argv[1], [&](const std::wstring& path) { paths.push_back(path); });
    if (paths.empty()) {
        std::fprintf(stderr, "no files under %s\n", Narrow(argv[1]).c_str());
        return 1;
    }
    TMainFormVelmor form;
    ShowWindow(form.Handle(), SW_SHOW);
    UpdateWindow(form.Handle());
    for (const auto& path : paths)
        form.AddFileToList(path);
    Application().ProcessMessages();
    SendMessageW(Control(form.Handle(), Ctl::rbSetSelectedDate), BM_CLICK, 0, 0);
    std::printf("%zu files in the list, window shown; floor and run by turns, best of %d\n", paths.size(), Runs);

    double floor = 1e9;
    double run = 1e9;
    for (int round = 0; round < Runs; ++round) {
        floor = std::min(floor, TimeFloor(paths, 2 * round));
        run = std::min(run, TimeRun(form.Handle(), 2 * round + 1));
    }
    Print("floor: CreateFileW + SetFileTime + CloseHandle", floor, paths.size());
    Print("run: pick of \"all entries\" to its end (same-value dates)", run, paths.size());
    std::printf("run / floor = %.2f\n", run / floor);
    return 0;
}
