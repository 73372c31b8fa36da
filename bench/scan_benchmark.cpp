// scan_bench FOLDER [RUNS]: what adding every file under FOLDER through the folder command (files only)
// costs with the window shown, from the command to the completion event with all entries in
// the list. Beside it in the same run, the floor: a bare FindFirstFileW walk of the same tree
// plus the same rows, made beforehand, into a list view (no queries, no thread). While the
// walks run, a thread posts a message to the main thread every 10 ms; how long each waited
// for its answer is printed too.
#include "FileEntryTexts.h"
#include "Ids.h"
#include "ListFloor.h"
#include "MainFormProbe.h"
#include "WideText.h"
#include "toolkit/Application.h"
#include "toolkit/FolderBrowser.h"

#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr UINT WM_PROBE = WM_APP + 7;
constexpr DWORD ProbeInterval = 10; // milliseconds

std::wstring chosenFolder;

PIDLIST_ABSOLUTE WINAPI ChooseTheTree(BROWSEINFOW*)
{
    return ILCreateFromPathW(chosenFolder.c_str());
}

// How long messages posted to the main thread wait for their answer while it is busy.
class ResponsivenessProbe {
public:
    ResponsivenessProbe()
    {
        WNDCLASSW probeClass{};
        probeClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message != WM_PROBE)
                return DefWindowProcW(window, message, wParam, lParam);
            auto* self = reinterpret_cast<ResponsivenessProbe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            self->waits_.push_back(SecondsSince(Clock::time_point(Clock::duration(lParam))) * 1000);

            return 0;
        };
        probeClass.hInstance = GetModuleHandleW(nullptr);
        probeClass.lpszClassName = L"ScanBenchProbe";
        RegisterClassW(&probeClass);
        window_ = CreateWindowExW(0, L"ScanBenchProbe", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        poster_ = std::thread([this] {
            while (!leaving_) {
                PostMessageW(window_, WM_PROBE, 0, LPARAM(Clock::now().time_since_epoch().count()));
                Sleep(ProbeInterval);
            }
        });
    }
    ~ResponsivenessProbe()
    {
        leaving_ = true;
        poster_.join();
        DestroyWindow(window_);
    }
    ResponsivenessProbe(const ResponsivenessProbe&) = delete;
    ResponsivenessProbe& operator=(const ResponsivenessProbe&) = delete;

    // Milliseconds each answered message waited, sorted.
    std::vector<double> Waits() const
    {
        std::vector<double> waits = waits_;
        std::sort(waits.begin(), waits.end());
        return waits;
    }

private:
    HWND window_ = nullptr;
    std::vector<double> waits_;
    std::atomic<bool> leaving_{false};
    std::thread poster_;
};

// From the folder command to the completion event, then until the list has drawn; false in
// complete when the list does not hold every file. With waits, how long posted messages waited
// while the walk ran (from the command's return, once the folder is chosen).
double TimeFolderCommand(std::size_t files, bool& complete, std::vector<double>* waits)
{
    const MainFormProbe form;
    const HWND startStop = form.Control(Ctl::tbStartStop);
    const auto completed = [&] { return SendMessageW(startStop, TB_ISBUTTONENABLED, Cmd::btnStartStop, 0) != 0; };
    const auto start = Clock::now();
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(Cmd::item_AddFilesOnly, 0), 0);
    std::optional<ResponsivenessProbe> probe;
    if (waits)
        probe.emplace();
    while (!completed()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
        Application().ProcessMessages();
    }
    if (probe)
        *waits = probe->Waits();
    complete = std::size_t(form.Rows()) == files;
    FinishDrawing(form.Handle());
    return SecondsSince(start);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: scan_bench FOLDER [RUNS]\n");
        return 2;
    }
    const int runs = argc == 3 ? std::max(1, _wtoi(argv[2])) : Runs;
    chosenFolder = argv[1];
    Application().SetTitle(L"Velmor"); // the common controls, as the program has them
    ReplaceBrowseForFolderCall(ChooseTheTree);

    std::vector<std::wstring> paths;
    ForEachFile(chosenFolder, [&](const std::wstring& path) { paths.push_back(path); }); // warms the caches
    const std::size_t count = paths.size();
    if (count == 0) {
        std::fprintf(stderr, "no files under %s\n", Narrow(chosenFolder).c_str());
        return 1;
    }
    FileEntryReader reader;
    std::vector<FileEntry> entries;
    entries.reserve(count);
    for (const auto& path : paths)
        entries.push_back(*reader.Read(path));
    std::printf("under %s, %zu files, with the window shown; floor and full by turns, best of %d:\n",
                Narrow(chosenFolder).c_str(), count, runs);

    double listing = 1e9;
    double rows = 1e9;
    double full = 1e9;
    bool complete = true;
    std::vector<double> waits;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        std::size_t listed = 0;
        ForEachFile(chosenFolder, [&](const std::wstring&) { ++listed; });
        listing = std::min(listing, SecondsSince(start));
        rows = std::min(rows, TimeRows(entries, count, Drawing::AsTheProgramDoes));
        bool all = false;
        full = std::min(full, TimeFolderCommand(count, all, run == 0 ? &waits : nullptr));
        complete = complete && all;
    }
    PrintFigure("floor: FindFirstFileW/FindNextFileW walk", listing, count);
    PrintFigure("floor: the same rows, ready texts, into a list view", rows, count);
    PrintFigure("floor: total", listing + rows, count);
    PrintFigure("full: folder command to completion, every file in the list", full, count);
    std::printf("full / floor: %.2f (goal: at most 1.5)%s\n", full / (listing + rows),
                complete ? "" : "  -- the list did not hold every file");
    if (!waits.empty()) {
        std::printf("posted messages during the first walk: %zu, answered after %.1f ms (median), %.1f ms (99%%), "
                    "%.1f ms (longest; goal: under 100)\n",
                    waits.size(), waits[waits.size() / 2], waits[waits.size() * 99 / 100], waits.back());
    }
    return complete ? 0 : 1;
}
