// The settings file: an INI file read and written through the system's profile functions.
#pragma once

#include <string>

class TIniFile {
public:
    explicit TIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}
    const std::wstring& FileName() const { return fileName_; }

private:
    std::wstring fileName_;
};
