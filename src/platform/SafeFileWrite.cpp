#include "SafeFileWrite.h"

#include "FileTimeSeam.h"
#include "UniqueHandle.h"

#include <algorithm>
#include <optional>

namespace {

// Attributes a rewrite keeps; archive is set as by any change of content.
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM
                                 | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE
                                 | FILE_ATTRIBUTE_TEMPORARY;
constexpr DWORD LargestWrite = 1u << 30;

struct Existing {
    DWORD Attributes;
    FILETIME Created;
};

// Opening for writing is the check that works under Wine too, where a move replaces read-only
// files; DELETE access also proves that nobody holds the file without delete sharing.
DWORD QueryWritableTarget(const std::wstring& path, std::optional<Existing>& existing)
{
    UniqueHandle target(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
    if (!target.Valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(target.Get(), &info))
        return GetLastError();
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        return ERROR_ACCESS_DENIED;
    existing = Existing{info.dwFileAttributes, info.ftCreationTime};
    return ERROR_SUCCESS;
}

// A new file beside the target, deleted again unless it was moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target)
    {
        for (unsigned attempt = 0; attempt < 100; ++attempt) {
            path_ = target + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-"
                    + std::to_wstring(attempt) + L".tmp";
            HANDLE handle = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle != INVALID_HANDLE_VALUE) {
                handle_ = UniqueHandle(handle);
                return;
            }
            error_ = GetLastError();
            if (error_ != ERROR_FILE_EXISTS)
                break;
        }
        path_.clear();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        handle_.Close();
        if (!path_.empty())
            DeleteFileW(path_.c_str());
    }

    DWORD CreateError() const { return error_; }
    HANDLE Handle() const { return handle_.Get(); }
    const std::wstring& Path() const { return path_; }
    DWORD Close() { return handle_.Close() ? ERROR_SUCCESS : GetLastError(); }
    void Release() { path_.clear(); }

private:
    UniqueHandle handle_;
    std::wstring path_;
    DWORD error_ = ERROR_SUCCESS;
};

DWORD WriteAll(HANDLE file, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), LargestWrite));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        bytes = bytes.subspan(written);
    }
    return FlushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
}

} // namespace

DWORD WriteFileReplacing(const std::wstring& path, std::span<const std::uint8_t> bytes)
{
    std::optional<Existing> existing;
    if (const DWORD error = QueryWritableTarget(path, existing))
        return error;

    TemporaryFile temporary(path);
    if (const DWORD error = temporary.CreateError())
        return error;
    if (const DWORD error = WriteAll(temporary.Handle(), bytes))
        return error;
    if (existing && !StoreFileTimes(temporary.Handle(), &existing->Created, nullptr, nullptr))
        return GetLastError();
    if (const DWORD error = temporary.Close())
        return error;
    if (existing) {
        const DWORD attributes = (existing->Attributes & KeptAttributes) | FILE_ATTRIBUTE_ARCHIVE;
        if (!SetFileAttributesW(temporary.Path().c_str(), attributes))
            return GetLastError();
    }
    if (!MoveFileExW(temporary.Path().c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return GetLastError();
    temporary.Release();
    return ERROR_SUCCESS;
}
