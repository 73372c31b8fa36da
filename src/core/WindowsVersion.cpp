#include "WindowsVersion.h"

namespace {

std::wstring Trimmed(const std::wstring& text)
{
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

int Win9xCode(unsigned minor, const std::wstring& servicePack)
{
    if (minor < 10)
        return servicePack == L"B" ? 2 : 1;
    if (minor < 90)
        return servicePack == L"A" ? 4 : 3;
    return minor == 90 ? 5 : 0;
}

int NTCode(unsigned major, unsigned minor)
{
    if (major == 3)
        return minor == 10 ? 6 : minor == 50 ? 7 : minor == 51 ? 8 : 0;
    if (major == 4)
        return 9;
    if (major == 5)
        return minor == 0 ? 10 : minor == 1 ? 11 : 0;
    return 0;
}

} // namespace

int WindowsVersionCodeFor(const ReportedVersion& version)
{
    switch (version.PlatformId) {
    case PlatformWin9x: return Win9xCode(version.Minor, Trimmed(version.ServicePack));
    case PlatformNT: return NTCode(version.Major, version.Minor);
    default: return 0;
    }
}
