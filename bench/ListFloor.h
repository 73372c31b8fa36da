// What the list benchmarks share: timing and printing, the bare listing of a tree, and the
// floor list (a shown list view set up as the main window's, given ready rows the plain way).
#pragma once

#include "FileEntryTexts.h"
#include "toolkit/ListView.h"

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

// The floor and the full path are timed this often, by turns; the best run of each counts, as
// the others only add what the rest of the machine did meanwhile.
constexpr int Runs = 5;
// Pending window events run after this many rows, as the program lets them run between entries.
constexpr std::size_t RowsBetweenEvents = 100;

double SecondsSince(Clock::time_point start);
// Printed as soon as measured: a slow step shows which it is.
void PrintFigure(const char* what, double seconds, std::size_t entries);

// Every file under the folder, depth first, in the order the system lists them.
void ForEachFile(const std::wstring& folder, const std::function<void(const std::wstring&)>& found);

// How the rows of a series get drawn.
enum class Drawing {
    RowByRow,         // each row at once, as a plain list does
    AsTheProgramDoes, // at the main window's interval while rows keep coming
    OnceAtTheEnd,     // not before the series is complete: the least drawing possible
};

// The first count rows into a fresh shown floor list, drawn as asked, until drawn.
double TimeRows(const std::vector<FileEntry>& entries, std::size_t count, Drawing drawing);

// Lets the last deferred drawing of a list happen, and waits for it.
void FinishDrawing(HWND window);
