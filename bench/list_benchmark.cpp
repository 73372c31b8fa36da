// list_bench FOLDER [FULL_COUNT]: what filling the file list with every file under FOLDER
// costs, with the window shown. Prints the floor (a bare listing, then rows whose texts were
// made beforehand), the row reader alone, the single-file queries one by one for the first
// 2,000 files, and the main window's own AddFileToList for the first FULL_COUNT files (all by
// default), in total and per entry, and the full path's ratio to the floor.
#include "DTCUtils.h"
#include "EntryText.h"
#include "FileEntryTexts.h"
#include "MainFormVelmor.h"
#include "WideText.h"
#include "toolkit/Application.h"
#include "toolkit/ListView.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t SingleQueryCount = 2000;
// Rows drawn one at a time, each redrawing the scroll bar, on a sample only: under Wine on a
// virtual display each costs milliseconds.
constexpr std::size_t RowByRowCount = 1000;
// Pending window events run after this many rows, as a folder scan lets them run between entries.
constexpr std::size_t RowsBetweenEvents = 100;

// The floor and the full path are timed this often, by turns; the best run of each counts, as
// the others only add what the rest of the machine did meanwhile.
constexpr int Runs = 5;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}


// Printed as soon as measured: a slow step shows which it is.
void PrintFigure(const char* what, double seconds, std::size_t entries)
{
    std::printf("%-70s %8.2f s %9.1f us/entry\n", what, seconds, seconds * 1e6 / double(entries));
    std::fflush(stdout);
}

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle()
    {
        if (Valid())
            FindClose(handle_);
    }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Every file under the folder, depth first, in the order the system lists them.
void ForEachFile(const std::wstring& folder, const std::function<void(const std::wstring&)>& found)
{
    WIN32_FIND_DATAW data;
    const FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (!find.Valid())
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
    } while (FindNextFileW(find.Get(), &data));
}

// The row as the single-file queries give it, each asking the system again.
FileEntry EntryFromSingleQueries(const std::wstring& path, const std::wstring& separator)
{
    FileEntry entry;
    entry.attributes = GetFileAttributesW(path.c_str());
    entry.imageIndex = FileIconIndex(path, entry.attributes);
    entry.caption = FileNamePart(path);
    entry.subItems = {FormatSizeGrouped(FileSizeByName(path), separator),
                      FileTypeName(path),
                      FileCreatedText(path),
                      FileModifiedText(path),
                      FileOpenedText(path),
                      AttrToLetters(GetFileAttributesW(path.c_str())),
                      FolderText(path)};
    return entry;
}

// How the rows of a series get drawn.
enum class Drawing {
    RowByRow,          // each row at once, as a plain list does
    AsTheProgramDoes,  // at the main window's interval while rows keep coming
    OnceAtTheEnd,      // not before the series is complete: the least drawing possible
};

// A shown window filled by the toolkit's list view, set up and drawn as the main window's file
// list, but given its rows the plain way.
class FloorList {
public:
    FloorList()
    {
        WNDCLASSW frameClass{};
        frameClass.lpfnWndProc = DefWindowProcW;
        frameClass.hInstance = GetModuleHandleW(nullptr);
        frameClass.lpszClassName = L"ListBenchFloor";
        frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&frameClass);
        frame_ = CreateWindowExW(0, L"ListBenchFloor", L"floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                 711, 463, nullptr, nullptr, frameClass.hInstance, nullptr);
        list_.Create(frame_, 1);
        RECT client;
        GetClientRect(frame_, &client);
        list_.SetBounds(client);
        const std::array<std::pair<int, bool>, 8> columns{{{200, false}, {55, true}, {51, false}, {102, false},
                                                            {102, false}, {69, false}, {45, true}, {200, false}}};
        for (const auto& [width, right] : columns)
            list_.AddColumn(width, right);
        SHFILEINFOW info{};
        const auto small = SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        const auto normal = SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX);
        list_.SetImageLists(reinterpret_cast<HIMAGELIST>(small), reinterpret_cast<HIMAGELIST>(normal));
        ShowWindow(frame_, SW_SHOW);
        UpdateWindow(frame_);
        Application().ProcessMessages();
    }
    FloorList(const FloorList&) = delete;
    FloorList& operator=(const FloorList&) = delete;
    ~FloorList() { DestroyWindow(frame_); }

    // The plain way: the control is handed the caption and then each column's text.
    void Append(const FileEntry& entry)
    {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = rows_++;
        item.iImage = entry.imageIndex;
        item.pszText = const_cast<wchar_t*>(entry.caption.c_str());
        const LRESULT row = list_.Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (std::size_t column = 0; column < entry.subItems.size(); ++column) {
            LVITEMW text{};
            text.iSubItem = int(column + 1);
            text.pszText = const_cast<wchar_t*>(entry.subItems[column].c_str());
            list_.Send(LVM_SETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&text));
        }
        list_.RedrawItem(int(row));
    }
    ListView& List() { return list_; }
    HWND Frame() const { return frame_; }

private:
    HWND frame_ = nullptr;
    ListView list_;
    int rows_ = 0;
};

// Lets the last deferred drawing of a list happen, and waits for it.
void FinishDrawing(HWND window)
{
    for (const auto end = Clock::now() + std::chrono::milliseconds(TMainFormVelmor::ListDrawingInterval + 100);
         Clock::now() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Application().ProcessMessages();
    }
    UpdateWindow(window);
}

// The first count rows into a fresh shown list, drawn as asked.
double TimeRows(const std::vector<FileEntry>& entries, std::size_t count, Drawing drawing)
{
    FloorList floor;
    const auto start = Clock::now();
    if (drawing == Drawing::OnceAtTheEnd)
        floor.List().Send(WM_SETREDRAW, FALSE);
    for (std::size_t i = 0; i < count; ++i) {
        if (drawing == Drawing::AsTheProgramDoes)
            floor.List().DeferDrawing(TMainFormVelmor::ListDrawingInterval);
        floor.Append(entries[i]);
        if ((i + 1) % RowsBetweenEvents == 0)
            Application().ProcessMessages();
    }
    if (drawing == Drawing::OnceAtTheEnd) {
        floor.List().Send(WM_SETREDRAW, TRUE);
        InvalidateRect(floor.List().Handle(), nullptr, TRUE);
    }
    FinishDrawing(floor.Frame());
    return SecondsSince(start);
}

double TimeAddFileToList(const std::vector<std::wstring>& paths, std::size_t count)
{
    TMainFormVelmor form;
    ShowWindow(form.Handle(), SW_SHOW);
    UpdateWindow(form.Handle());
    Application().ProcessMessages();
    const auto start = Clock::now();
    for (std::size_t i = 0; i < count; ++i) {
        form.AddFileToList(paths[i]);
        if ((i + 1) % RowsBetweenEvents == 0)
            Application().ProcessMessages();
    }
    FinishDrawing(form.Handle());
    return SecondsSince(start);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: list_bench FOLDER [FULL_COUNT]\n");
        return 2;
    }
    const std::wstring root = argv[1];
    TApplication& application = Application(); // the common controls, as the program has them
    application.SetTitle(L"Velmor");

    std::vector<std::wstring> paths;
    ForEachFile(root, [&](const std::wstring& path) { paths.push_back(path); }); // warms the caches
    if (paths.empty()) {
        std::fprintf(stderr, "no files under %s\n", Narrow(root).c_str());
        return 1;
    }
    paths.clear();
    std::printf("under %s, with the window shown:\n", Narrow(root).c_str());

    auto start = Clock::now();
    ForEachFile(root, [&](const std::wstring& path) { paths.push_back(path); });
    const double listing = SecondsSince(start);
    const std::size_t count = paths.size();
    std::printf("%zu files\n", count);
    PrintFigure("floor: FindFirstFileW/FindNextFileW listing", listing, count);

    start = Clock::now();
    FileEntryReader reader;
    std::vector<FileEntry> entries;
    entries.reserve(count);
    for (const auto& path : paths)
        entries.push_back(*reader.Read(path));
    const double reading = SecondsSince(start);

    const std::size_t fullCount = argc == 3 ? std::min(count, std::size_t(_wtoi(argv[2]))) : count;
    double rows = TimeRows(entries, count, Drawing::AsTheProgramDoes);
    double adding = TimeAddFileToList(paths, fullCount);
    for (int run = 1; run < Runs; ++run) {
        rows = std::min(rows, TimeRows(entries, count, Drawing::AsTheProgramDoes));
        adding = std::min(adding, TimeAddFileToList(paths, fullCount));
    }
    PrintFigure("floor: rows, ready texts, 8 columns, drawn as the list does, best of 5", rows, count);
    const double floorPerEntry = (listing + rows) / double(count);
    PrintFigure("floor: total", listing + rows, count);
    PrintFigure("  (the rows drawn only once, at the end)", TimeRows(entries, count, Drawing::OnceAtTheEnd), count);
    const std::size_t rowByRow = std::min(count, RowByRowCount);
    char what[128];
    std::snprintf(what, sizeof what, "  (the rows drawn one by one, first %zu)", rowByRow);
    PrintFigure(what, TimeRows(entries, rowByRow, Drawing::RowByRow), rowByRow);
    PrintFigure("FileEntryReader alone, every file", reading, count);

    const std::size_t sampled = std::min(count, SingleQueryCount);
    const std::wstring separator = ThousandSeparator();
    std::size_t agreeing = 0;
    start = Clock::now();
    for (std::size_t i = 0; i < sampled; ++i)
        agreeing += EntryFromSingleQueries(paths[i], separator) == entries[i] ? 1 : 0;
    const double singleQueries = SecondsSince(start);
    std::snprintf(what, sizeof what, "single-file queries one by one, first %zu files", sampled);
    PrintFigure(what, singleQueries, sampled);
    std::printf("  %.0f times the reader per entry; %zu of %zu rows the same as the reader's\n",
                (singleQueries / double(sampled)) / (reading / double(count)), agreeing, sampled);

    std::snprintf(what, sizeof what, "full: TMainFormVelmor::AddFileToList, first %zu files, best of 5", fullCount);
    PrintFigure(what, adding, fullCount);
    const double fullPerEntry = listing / double(count) + adding / double(fullCount);
    std::printf("full: listing + AddFileToList %46.1f us/entry\n", fullPerEntry * 1e6);
    std::printf("full / floor: %.2f (goal: at most 1.5)\n", fullPerEntry / floorPerEntry);
    return agreeing == sampled ? 0 : 1;
}
