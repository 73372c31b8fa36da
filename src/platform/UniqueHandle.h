// Owns a kernel handle (file, thread, event) and closes it once.
#pragma once

#include <windows.h>

#include <utility>

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Close(); }

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    // Closes now and reports whether the system accepted it (a write may fail only here).
    bool Close()
    {
        if (!Valid())
            return true;
        return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};
