#include "ZelFind.h"

#include <windows.h>

#include <algorithm>

TZelFind::~TZelFind()
{
    Stop();
    FWorker.reset();
}

void TZelFind::SetDrives(const std::wstring& drives)
{
    std::wstring letters = drives;
    if (!letters.empty())
        CharUpperBuffW(letters.data(), DWORD(letters.size()));
    std::erase_if(letters, [](wchar_t c) { return c < L'A' || c > L'Z'; });
    drives_ = letters;
}

void TZelFind::Start()
{
    FWorker.reset(); // stops the old walk and waits for it
    FWorker = std::make_unique<TFindThread>(WorkerSettings(), mainThread_);
    FWorker->SetPriority(ThreadPriority);
    FWorker->Resume();
}

void TZelFind::Stop()
{
    if (FWorker)
        FWorker->Terminate();
}

FindSettings TZelFind::WorkerSettings() const
{
    FindSettings settings;
    settings.onFileFound = OnFileFound;
    settings.onChangeDirectory = OnChangeDirectory;
    settings.onCompleted = OnCompleted;
    settings.fileMask = FileMask;
    settings.directories = directories_.Items();
    settings.drives = drives_;
    for (const std::wstring& line : files_) {
        const std::size_t start = line.find_first_not_of(L'\\');
        if (start != std::wstring::npos)
            settings.files.push_back(line.substr(start));
    }
    settings.containingText = ContainingText;
    settings.caseSensitive = CaseSensitive;
    return settings;
}
