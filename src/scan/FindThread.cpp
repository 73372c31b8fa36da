#include "FindThread.h"

#include "FindHandle.h"
#include "SortedTextList.h"

#include <algorithm>
#include <string_view>

namespace {

// The text search reads a file in chunks of this size, each overlapping the last by the text.
constexpr std::size_t ChunkSize = 32767;
// A call to the main thread costs far more than an entry (a round trip through the system), so
// the entries found meanwhile go in one call: at most this many, and at least this often while
// the walk goes on (milliseconds), so that the list keeps up and the window stays responsive.
constexpr std::size_t MaxPending = 512;
constexpr std::uint64_t DeliveryInterval = 50;
// One call runs on the main thread for at most about this long (milliseconds); the rest of the
// entries follow in the next call, behind whatever else was posted to the window meanwhile.
constexpr std::uint64_t DeliveryTimeSlice = 20;

bool IsDotEntry(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

// Hidden and system folders are never entered, and neither are reparse points (junctions,
// symbolic links), which may lead back up the tree; all are still reported as entries.
bool IsFolderToEnter(const WIN32_FIND_DATAW& data)
{
    const DWORD attributes = data.dwFileAttributes;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY)
        && !(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT))
        && !IsDotEntry(data.cFileName);
}

template <typename Entry>
void ForEachEntry(const std::wstring& pattern, Entry&& entry)
{
    WIN32_FIND_DATAW data;
    const FindHandle find(
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find.Valid())
        return;
    do {
        if (!IsDotEntry(data.cFileName))
            entry(data);
    } while (FindNextFileW(find.Get(), &data));
}

void FoldLatinLetters(char* bytes, std::size_t count)
{
    for (char* c = bytes; c != bytes + count; ++c)
        if (*c >= 'A' && *c <= 'Z')
            *c = char(*c - 'A' + 'a');
}

std::string AnsiText(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

wchar_t UpperLatin(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? wchar_t(c - L'a' + L'A') : c;
}

} // namespace

int SystemThreadPriority(TThreadPriority priority)
{
    static constexpr int system[] = {THREAD_PRIORITY_IDLE,  THREAD_PRIORITY_LOWEST,  THREAD_PRIORITY_BELOW_NORMAL,
                                     THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                     THREAD_PRIORITY_TIME_CRITICAL};
    return system[static_cast<int>(priority)];
}

TFindThread::TFindThread(FindSettings settings, const MainThreadCall& mainThread)
    : settings_(std::move(settings)), mainThread_(mainThread), deliverCall_([this] { DeliverPending(); }),
      thread_(CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, nullptr))
{
}

TFindThread::~TFindThread()
{
    Terminate();
    Resume();
    MainThreadCall::WaitServing(thread_.Get());
}

void TFindThread::SetPriority(TThreadPriority priority)
{
    SetThreadPriority(thread_.Get(), SystemThreadPriority(priority));
}

void TFindThread::Resume()
{
    if (!resumed_)
        ResumeThread(thread_.Get());
    resumed_ = true;
}

DWORD WINAPI TFindThread::ThreadProc(void* self)
{
    static_cast<TFindThread*>(self)->Execute();
    return 0;
}

void TFindThread::Execute()
{
    text_ = AnsiText(settings_.containingText);
    FTextLength = text_.size();
    if (!settings_.caseSensitive)
        FoldLatinLetters(text_.data(), text_.size());
    listsEverything_ = settings_.fileMask == L"*" || settings_.fileMask == L"*.*";
    lastCall_ = GetTickCount64();
    for (const wchar_t letter : settings_.drives) {
        const std::wstring drive{letter, L':'};
        if (settings_.directories.empty()) {
            if (!Terminated())
                ScanFolder(drive);
            continue;
        }
        for (const std::wstring& line : settings_.directories) {
            if (Terminated())
                break;
            const std::size_t colon = line.find(L':');
            if (colon == std::wstring::npos)
                ScanFolder(line.empty() ? drive : drive + (line[0] == L'\\' ? line : L'\\' + line));
            else if (colon == 1 && UpperLatin(line[0]) == letter)
                ScanFolder(line);
        }
    }
    if (!Terminated())
        DoCompleted();
    DeliverAll();
}

void TFindThread::ScanFolder(const std::wstring& folder)
{
    FDirectory = folder;
    DoChangeDirectory();
    DeliverSoon();
    if (Terminated())
        return;
    std::vector<std::wstring> subfolders;
    ScanFiles(folder, listsEverything_ ? &subfolders : nullptr);
    if (Terminated())
        return;
    if (!listsEverything_) {
        ForEachEntry(folder + L"\\*", [&](const WIN32_FIND_DATAW& data) {
            if (IsFolderToEnter(data))
                subfolders.emplace_back(data.cFileName);
        });
    }
    for (const std::wstring& name : subfolders) {
        ScanFolder(folder + L'\\' + name);
        if (Terminated())
            break;
    }
}

void TFindThread::ScanFiles(const std::wstring& folder, std::vector<std::wstring>* subfolders)
{
    if (Terminated())
        return;
    // The listing runs to its end even after a stop; the deliveries then find the flag set.
    ForEachEntry(folder + L'\\' + settings_.fileMask, [&](const WIN32_FIND_DATAW& data) {
        if (subfolders && IsFolderToEnter(data))
            subfolders->emplace_back(data.cFileName);
        if (Terminated())
            return;
        FSearchRec = MakeSearchRec(data);
        FDirectory = folder;
        if (Matches(folder))
            DoFileFound();
        DeliverSoon();
    });
}

bool TFindThread::Matches(const std::wstring& folder)
{
    if (!NameMatches(folder, FSearchRec.Name))
        return false;
    if (FTextLength < 1)
        return true;
    const bool folderEntry = (FSearchRec.Attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return !folderEntry && FSearchRec.Size >= FTextLength && SearchText(folder + L'\\' + FSearchRec.Name, FSearchRec.Size);
}

bool TFindThread::NameMatches(const std::wstring& folder, const std::wstring& name) const
{
    if (settings_.files.empty())
        return true;
    const std::wstring path = folder + L'\\' + name;
    // The whole folder below the drive root: not cut short, so that it never names another path.
    const std::wstring belowRoot = (folder.size() > 3 ? folder.substr(3) : std::wstring()) + L'\\' + name;
    return std::any_of(settings_.files.begin(), settings_.files.end(), [&](const std::wstring& line) {
        return CompareTextIgnoringCase(line, name) == 0 || CompareTextIgnoringCase(line, path) == 0
            || CompareTextIgnoringCase(line, belowRoot) == 0;
    });
}

bool TFindThread::SearchText(const std::wstring& path, std::uint64_t size)
{
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid())
        return false;
    // A text as long as a chunk would never move the search on: such a chunk holds it twice.
    const std::size_t chunkSize = FTextLength < ChunkSize ? ChunkSize : 2 * FTextLength;
    buffer_.resize(chunkSize);
    std::uint64_t remaining = size;
    std::uint64_t position = 0;
    while (remaining > 0) {
        const std::size_t chunk = std::size_t(std::min<std::uint64_t>(remaining, chunkSize));
        OVERLAPPED at{};
        at.Offset = DWORD(position);
        at.OffsetHigh = DWORD(position >> 32);
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer_.data(), DWORD(chunk), &read, &at) || read < FTextLength)
            return false;
        if (!settings_.caseSensitive)
            FoldLatinLetters(buffer_.data(), read);
        if (std::string_view(buffer_.data(), read).find(text_) != std::string_view::npos)
            return true;
        if (chunk == remaining || read < chunk) // the end, or the file is shorter than it was listed
            return false;
        remaining = remaining - chunk + FTextLength; // the overlap is read again
        position += chunk - FTextLength;
    }
    return false;
}

void TFindThread::DoFileFound()
{
    if (!Terminated() && settings_.onFileFound)
        Queue(Delivery::Kind::FileFound);
}

void TFindThread::DoChangeDirectory()
{
    if (!Terminated() && settings_.onChangeDirectory)
        Queue(Delivery::Kind::ChangeDirectory);
}

void TFindThread::DoCompleted()
{
    if (settings_.onCompleted)
        Queue(Delivery::Kind::Completed);
}

void TFindThread::Queue(Delivery::Kind kind)
{
    pending_.push_back({kind, FDirectory, kind == Delivery::Kind::FileFound ? FSearchRec : TSearchRec{}});
}

void TFindThread::DeliverSoon()
{
    if (pending_.empty())
        return;
    const std::uint64_t now = GetTickCount64();
    if (pending_.size() < MaxPending && now - lastCall_ < DeliveryInterval)
        return;
    DeliverAll();
    lastCall_ = GetTickCount64();
}

void TFindThread::DeliverAll()
{
    while (!pending_.empty()) {
        if (!mainThread_.Run(deliverCall_)) {
            pending_.clear(); // no main thread to deliver to
            return;
        }
    }
}

// On the main thread, the worker waiting: the events in the order they were found, for one
// time slice. A stop (also one made by an event handler) ends the delivery there.
void TFindThread::DeliverPending()
{
    const std::uint64_t start = GetTickCount64();
    std::size_t delivered = 0;
    while (delivered < pending_.size() && GetTickCount64() - start < DeliveryTimeSlice) {
        if (Terminated()) {
            pending_.clear();
            return;
        }
        const Delivery& delivery = pending_[delivered++];
        switch (delivery.kind) {
        case Delivery::Kind::FileFound:
            settings_.onFileFound(*this, delivery.directory, delivery.record);
            break;
        case Delivery::Kind::ChangeDirectory:
            settings_.onChangeDirectory(*this, delivery.directory);
            break;
        case Delivery::Kind::Completed:
            settings_.onCompleted(*this);
            break;
        }
    }
    pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(delivered));
}
