// TZelFind: searches drives and folder trees on a worker thread and reports every entry that
// matches its settings to its owner, on the main thread. It knows nothing of what the owner
// does with an entry. Made, started and destroyed on the main thread; not restarted from
// within one of its own events.
#pragma once

#include "FindThread.h"
#include "MainThreadCall.h"
#include "SortedTextList.h"

#include <memory>
#include <string>
#include <vector>

class TZelFind {
public:
    TZelFind() = default;
    // Stops the current walk and waits for it to end; it delivers nothing more.
    ~TZelFind();
    TZelFind(const TZelFind&) = delete;
    TZelFind& operator=(const TZelFind&) = delete;

    TMatchEvent OnFileFound;       // once for every matching entry
    TNotifyEvent OnCompleted;      // once when a walk ends without a stop
    TChangeDirEvent OnChangeDirectory; // when the walk enters a folder
    bool CaseSensitive = false;    // of the text search only
    std::wstring ContainingText;   // empty: no text search
    std::wstring FileMask = L"*.exe"; // one wildcard mask, as the directory listing matches it
    TThreadPriority ThreadPriority = TThreadPriority::Normal;

    // Kept sorted (locale, ignoring case) and free of duplicates.
    SortedTextList& Directories() { return directories_; }
    const std::wstring& Drives() const { return drives_; }
    // Upper-cased, then every character outside A to Z deleted: "c:, d" becomes "CD".
    void SetDrives(const std::wstring& drives);
    // Empty: no name filter.
    const std::vector<std::wstring>& Files() const { return files_; }
    void SetFiles(std::vector<std::wstring> files) { files_ = std::move(files); }

    // Stops and releases the previous worker (serving its pending calls, which deliver
    // nothing), then walks anew with the current settings on a new worker; returns at once.
    void Start();
    // Sets the stop flag of the current worker; does not wait.
    void Stop();
    // The worker of the latest start, kept after its walk ended; null before the first start.
    TFindThread* Worker() const { return FWorker.get(); }

private:
    FindSettings WorkerSettings() const;

    MainThreadCall mainThread_;
    SortedTextList directories_;
    std::wstring drives_ = L"C";
    std::vector<std::wstring> files_;
    std::unique_ptr<TFindThread> FWorker;
};
