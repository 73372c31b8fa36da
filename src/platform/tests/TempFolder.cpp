#include "TempFolder.h"

#include "UniqueHandle.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

namespace {

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L'\\' + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(path);
            else if (!DeleteFileW(path.c_str()))
                RemoveDirectoryW(path.c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

} // namespace

TempFolder::TempFolder()
{
    std::vector<wchar_t> base(MAX_PATH + 1);
    base.resize(GetTempPathW(DWORD(base.size()), base.data()));
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(base.begin(), base.end()) + L"velmor-" + std::to_wstring(GetCurrentProcessId())
              + L"-" + std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr))
            return;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create a temporary folder");
    }
}

TempFolder::~TempFolder()
{
    RemoveTree(path_);
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        throw std::runtime_error("cannot create a test file");
    DWORD written = 0;
    const BOOL ok = WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr);
    if (!file.Close() || !ok || written != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

std::string ReadBytes(const std::wstring& path)
{
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        throw std::runtime_error("cannot open a test file");
    LARGE_INTEGER size{};
    GetFileSizeEx(file.Get(), &size);
    std::string bytes(std::size_t(size.QuadPart), '\0');
    DWORD read = 0;
    ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

std::wstring NameOnDisk(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return L"";
    FindClose(find);
    return found.cFileName;
}

std::wstring WinePath(const std::string& linuxPath)
{
    std::wstring path = L"Z:";
    for (char c : linuxPath)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}
