#include "FileTimeRecorder.h"

namespace {

std::vector<FileTimeCall> calls;
DWORD failure = ERROR_SUCCESS;
FileTimeSetter realSetter = nullptr;
std::function<void(std::size_t)> onCall;

std::optional<FILETIME> Kept(const FILETIME* time)
{
    return time ? std::optional<FILETIME>(*time) : std::nullopt;
}

BOOL WINAPI RecordingSetter(HANDLE file, const FILETIME* created, const FILETIME* accessed, const FILETIME* written)
{
    calls.push_back({Kept(created), Kept(accessed), Kept(written)});
    BOOL stored = FALSE;
    if (failure != ERROR_SUCCESS)
        SetLastError(failure);
    else
        stored = realSetter(file, created, accessed, written);
    if (onCall)
        onCall(calls.size());
    return stored;
}

} // namespace

FileTimeRecorder::FileTimeRecorder(DWORD failWith)
{
    calls.clear();
    failure = failWith;
    realSetter = ReplaceFileTimeSetter(RecordingSetter);
}

FileTimeRecorder::~FileTimeRecorder()
{
    onCall = nullptr;
    ReplaceFileTimeSetter(realSetter);
}

const std::vector<FileTimeCall>& FileTimeRecorder::Calls() const
{
    return calls;
}

void FileTimeRecorder::SetOnCall(std::function<void(std::size_t)> handler)
{
    onCall = std::move(handler);
}
