#include "DriveType.h"

namespace {

std::wstring Root(const std::wstring& path)
{
    std::wstring root = path.substr(0, 3);
    if (root.size() == 2 && root[1] == L':')
        root += L'\\';
    return root;
}

} // namespace

bool AcceptedDriveType(UINT driveType)
{
    return driveType == DRIVE_REMOVABLE || driveType == DRIVE_FIXED || driveType == DRIVE_REMOTE;
}

bool DriveAccepted(const std::wstring& path)
{
    return AcceptedDriveType(GetDriveTypeW(Root(path).c_str()));
}

bool DriveTypeCache::Accepted(const std::wstring& path)
{
    const std::wstring root = Root(path);
    const auto known = roots_.find(root);
    if (known != roots_.end())
        return known->second;
    return roots_[root] = AcceptedDriveType(GetDriveTypeW(root.c_str()));
}
