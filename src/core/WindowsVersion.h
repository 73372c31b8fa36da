// The program's code 0..11 for a Windows version, from what the system reports about itself.
#pragma once

#include <string>

struct ReportedVersion {
    unsigned PlatformId; // 1 Windows 9x, 2 NT
    unsigned Major;
    unsigned Minor;
    std::wstring ServicePack;
};

constexpr unsigned PlatformWin9x = 1;
constexpr unsigned PlatformNT = 2;

// 1 Windows 95 .. 11 Windows XP; 0 for anything else.
int WindowsVersionCodeFor(const ReportedVersion& version);
