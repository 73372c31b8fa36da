// Which drives paths may be added from: removable, fixed and network drives; not CD-ROMs, RAM
// disks, drives of unknown type or paths without a drive root.
#pragma once

#include <windows.h>

#include <map>
#include <string>

bool AcceptedDriveType(UINT driveType);
// The drive of a path judged by its first three characters; a two-character root such as C:
// counts as C:\.
bool DriveAccepted(const std::wstring& path);

// The same answers, asked of the system once per root: the query costs a millisecond under
// Wine, and every entry of a walk has the same few roots.
class DriveTypeCache {
public:
    bool Accepted(const std::wstring& path);
    void Clear() { roots_.clear(); }

private:
    std::map<std::wstring, bool> roots_;
};
