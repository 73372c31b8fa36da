// TFindThread: the scanner's worker. Walks drives and folder trees with its own copies of the
// scanner's settings and hands every match to the main thread, waiting while it is delivered.
#pragma once

#include "MainThreadCall.h"
#include "SearchRec.h"
#include "UniqueHandle.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TFindThread;

// In every event the sender is the worker, not the scanner.
using TMatchEvent = std::function<void(TFindThread& Sender, const std::wstring& Directory, const TSearchRec& FileInfo)>;
using TChangeDirEvent = std::function<void(TFindThread& Sender, const std::wstring& Directory)>;
using TNotifyEvent = std::function<void(TFindThread& Sender)>;

enum class TThreadPriority { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };
// The operating system's priority for a step: -15, -2, -1, 0, 1, 2, 15.
int SystemThreadPriority(TThreadPriority priority);

// What a worker copies from its scanner when it starts.
struct FindSettings {
    TMatchEvent onFileFound;
    TChangeDirEvent onChangeDirectory;
    TNotifyEvent onCompleted;
    std::wstring fileMask;
    std::vector<std::wstring> directories; // in the scanner's sorted order
    std::wstring drives;                   // letters A to Z
    std::vector<std::wstring> files;       // without leading backslashes, none empty
    std::wstring containingText;
    bool caseSensitive = false;
};

class TFindThread {
public:
    // Created suspended.
    TFindThread(FindSettings settings, const MainThreadCall& mainThread);
    // The release: sets the stop flag and waits for the walk to end, serving the worker's
    // pending main-thread calls meanwhile (they deliver nothing more).
    ~TFindThread();
    TFindThread(const TFindThread&) = delete;
    TFindThread& operator=(const TFindThread&) = delete;

    void SetPriority(TThreadPriority priority);
    void Resume();
    // The stop flag: the walk stops at its next check and delivers nothing more.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    HANDLE Handle() const { return thread_.Get(); }

private:
    // One event waiting for the main thread, with the folder and record it was found with.
    struct Delivery {
        enum class Kind { FileFound, ChangeDirectory, Completed } kind;
        std::wstring directory;
        TSearchRec record;
    };

    static DWORD WINAPI ThreadProc(void* self);
    void Execute();
    void ScanFolder(const std::wstring& folder);
    // Lists folder\FileMask and reports what matches; where the mask lists every entry, the
    // folders to enter are collected on the way instead of being listed again.
    void ScanFiles(const std::wstring& folder, std::vector<std::wstring>* subfolders);
    // The name filter, then the text search.
    bool Matches(const std::wstring& folder);
    bool NameMatches(const std::wstring& folder, const std::wstring& name) const;
    bool SearchText(const std::wstring& path, std::uint64_t size);
    void DoFileFound();
    void DoChangeDirectory();
    void DoCompleted();
    void Queue(Delivery::Kind kind);
    // On the worker: hands the pending events over when enough of them wait, or long enough.
    void DeliverSoon();
    void DeliverAll();
    void DeliverPending();

    FindSettings settings_;
    const MainThreadCall& mainThread_;
    std::string text_; // the containing text in the ANSI code page, folded unless case-sensitive
    std::size_t FTextLength = 0;
    std::wstring FDirectory;
    TSearchRec FSearchRec;
    bool listsEverything_ = false;
    std::vector<char> buffer_;
    std::vector<Delivery> pending_;
    std::uint64_t lastCall_ = 0;
    std::function<void()> deliverCall_;
    std::atomic<bool> terminated_{false};
    bool resumed_ = false;
    UniqueHandle thread_;
};
