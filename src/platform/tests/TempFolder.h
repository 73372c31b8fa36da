// A folder of its own for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Ends without a backslash.
    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L'\\' + name; }

private:
    std::wstring path_;
};

void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
// The Wine path (drive Z:) of a Linux path, such as a file the build made.
std::wstring WinePath(const std::string& linuxPath);
// The last component of the path as its folder holds it, with its letter case; empty when missing.
std::wstring NameOnDisk(const std::wstring& path);
