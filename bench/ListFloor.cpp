#include "ListFloor.h"

#include "FindHandle.h"
#include "MainFormVelmor.h"
#include "toolkit/Application.h"

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <cstdio>
#include <utility>

namespace {

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

} // namespace

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void PrintFigure(const char* what, double seconds, std::size_t entries)
{
    std::printf("%-70s %8.2f s %9.1f us/entry\n", what, seconds, seconds * 1e6 / double(entries));
    std::fflush(stdout);
}

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

void FinishDrawing(HWND window)
{
    for (const auto end = Clock::now() + std::chrono::milliseconds(TMainFormVelmor::ListDrawingInterval + 100);
         Clock::now() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Application().ProcessMessages();
    }
    UpdateWindow(window);
}

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

