// list_bench FOLDER [FULL_COUNT]: what filling the file list with every file under FOLDER
// costs, with the window shown. Prints the floor (a bare listing, then rows whose texts were
// made beforehand), the row reader alone, the single-file queries one by one for the first
// 2,000 files, and the main window's own AddFileToList for the first FULL_COUNT files (all by
// default), in total and per entry, and the full path's ratio to the floor.
#include "DTCUtils.h"
#include "EntryText.h"
#include "FileEntryTexts.h"
#include "ListFloor.h"
#include "MainFormVelmor.h"
#include "WideText.h"
#include "toolkit/Application.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr std::size_t SingleQueryCount = 2000;
// Rows drawn one at a time, each redrawing the scroll bar, on a sample only: under Wine on a
// virtual display each costs milliseconds.
constexpr std::size_t RowByRowCount = 1000;
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
