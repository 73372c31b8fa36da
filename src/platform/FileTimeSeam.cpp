#include "FileTimeSeam.h"

#include <utility>

namespace {
FileTimeSetter fileTimeSetter = ::SetFileTime;
} // namespace

BOOL StoreFileTimes(HANDLE file, const FILETIME* created, const FILETIME* accessed, const FILETIME* written)
{
    return fileTimeSetter(file, created, accessed, written);
}

FileTimeSetter ReplaceFileTimeSetter(FileTimeSetter setter)
{
    return std::exchange(fileTimeSetter, setter);
}
