#include "GIFImage.h"

#include "SafeFileWrite.h"
#include "UniqueHandle.h"

#include <windows.h>

#include <algorithm>
#include <memory>

namespace {

constexpr DWORD LargestRead = 1u << 30;

std::wstring SystemMessage(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length != 0 ? std::wstring(buffer, length)
                                    : L"системная ошибка " + std::to_wstring(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.'))
        text.pop_back();
    return text;
}

std::wstring Quoted(const std::wstring& path)
{
    return L"«" + path + L"»";
}

[[noreturn]] void ThrowSystemError(const wchar_t* what, const std::wstring& path, DWORD error)
{
    throw GIFError(what + Quoted(path) + L": " + SystemMessage(error));
}

} // namespace

void TGIFImage::LoadFromFile(const std::wstring& path)
{
    const wchar_t* const readFailed = L"Не удаётся прочитать файл ";
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid())
        ThrowSystemError(L"Не удаётся открыть файл ", path, GetLastError());
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        ThrowSystemError(readFailed, path, GetLastError());

    const auto total = static_cast<std::size_t>(size.QuadPart);
    const auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(total);
    std::size_t done = 0;
    while (done < total) {
        DWORD read = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(total - done, LargestRead));
        if (!ReadFile(file.Get(), bytes.get() + done, chunk, &read, nullptr))
            ThrowSystemError(readFailed, path, GetLastError());
        if (read == 0)
            break;  // the file shrank while we read: parse what is there
        done += read;
    }
    try {
        LoadFromBytes(std::span<const std::uint8_t>(bytes.get(), done));
    } catch (const GIFError& error) {
        throw GIFError(L"Файл " + Quoted(path) + L" " + error.Message());
    }
}

void TGIFImage::SaveToFile(const std::wstring& path) const
{
    const wchar_t* const saveFailed = L"Не удаётся сохранить файл ";
    std::vector<std::uint8_t> bytes;
    try {
        bytes = SaveToBytes();
    } catch (const GIFError& error) {
        throw GIFError(saveFailed + Quoted(path) + L": " + error.Message());
    }
    if (const DWORD error = WriteFileReplacing(path, bytes))
        ThrowSystemError(saveFailed, path, error);
}
