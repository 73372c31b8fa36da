// For one test, records every call that stores file times (Wine keeps no creation time to read
// back); it can also make the call fail instead.
#pragma once

#include "FileTimeSeam.h"

#include <functional>
#include <optional>
#include <vector>

struct FileTimeCall {
    std::optional<FILETIME> Created;
    std::optional<FILETIME> Accessed;
    std::optional<FILETIME> Written;
};

class FileTimeRecorder {
public:
    // With a failure code the times are not stored and the call fails with that error.
    explicit FileTimeRecorder(DWORD failWith = ERROR_SUCCESS);
    ~FileTimeRecorder();
    FileTimeRecorder(const FileTimeRecorder&) = delete;
    FileTimeRecorder& operator=(const FileTimeRecorder&) = delete;

    const std::vector<FileTimeCall>& Calls() const;
    // Called after each recorded call, with the number of calls so far.
    void SetOnCall(std::function<void(std::size_t)> handler);
};
