#include "FileTimeRecorder.h"

namespace {

std::vector<FileTimeCall> calls;
DWORD failure = ERROR_SUCCESS;
FileTimeSetter realSetter = nullptr;

std::optional<FILETIME> Kept(const FILETIME* time)
{
    return time ? std::optional<FILETIME>(*time) : std::nullopt;
}

BOOL WINAPI RecordingSetter(HANDLE file, const FILETIME* created, const FILETIME* accessed, const FILETIME* written)
{
    calls.push_back({Kept(created), Kept(accessed), Kept(written)});
    if (failure != ERROR_SUCCESS) {
        SetLastError(failure);
        return FALSE;
    }
    return realSetter(file, created, accessed, written);
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
    ReplaceFileTimeSetter(realSetter);
}

const std::vector<FileTimeCall>& FileTimeRecorder::Calls() const
{
    return calls;
}
