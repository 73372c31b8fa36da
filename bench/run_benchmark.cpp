// run_bench FOLDER COUNT: what a same-value date run over the first COUNT files under FOLDER
// costs, with the window shown, from the pick of the start menu item to the end of the run;
// and the floor, a bare loop that opens each file, writes its times and closes it. Both by
// turns, best of five.
#include "Ids.h"
#include "ListFloor.h"
#include "MainFormProbe.h"
#include "WideText.h"
#include "toolkit/Application.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

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

double TimeRun(const MainFormProbe& probe, int round)
{
    const SYSTEMTIME moment = Moment(round);
    SendMessageW(probe.Control(Ctl::dtpDate), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&moment));
    SendMessageW(probe.Control(Ctl::dtpTime), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&moment));
    const auto start = Clock::now();
    SendMessageW(probe.Handle(), WM_COMMAND, Cmd::item_Operate0 + 6, 0); // returns when the run has ended
    return SecondsSince(start);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: run_bench FOLDER COUNT\n");
        return 2;
    }
    Application().SetTitle(L"Velmor");
    std::vector<std::wstring> paths;
    ForEachFile(argv[1], [&](const std::wstring& path) { paths.push_back(path); });
    paths.resize(std::min(paths.size(), static_cast<std::size_t>(_wtoi(argv[2]))));
    if (paths.empty()) {
        std::fprintf(stderr, "no files under %s\n", Narrow(argv[1]).c_str());
        return 1;
    }
    MainFormProbe probe;
    for (const auto& path : paths)
        probe.Form().AddFileToList(path);
    probe.Pump();
    SendMessageW(probe.Control(Ctl::rbSetSelectedDate), BM_CLICK, 0, 0);
    std::printf("%zu files in the list, window shown; floor and run by turns, best of %d\n", paths.size(), Runs);

    double floor = 1e9;
    double run = 1e9;
    for (int round = 0; round < Runs; ++round) {
        floor = std::min(floor, TimeFloor(paths, 2 * round));
        run = std::min(run, TimeRun(probe, 2 * round + 1));
    }
    PrintFigure("floor: CreateFileW + SetFileTime + CloseHandle", floor, paths.size());
    PrintFigure("run: pick of \"all entries\" to its end (same-value dates)", run, paths.size());
    std::printf("run / floor = %.2f\n", run / floor);
    return 0;
}
