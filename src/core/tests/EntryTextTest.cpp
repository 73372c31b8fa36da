#include "EntryText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(EntryText, SizesGroupedByThrees)
{
    const std::wstring nbsp = L"\u00A0";
    const struct {
        std::int64_t size;
        const wchar_t* separator;
        const wchar_t* text;
    } cases[] = {
        {-1, L",", L"-1"},
        {0, L",", L"0"},
        {999, L",", L"999"},
        {1000, L",", L"1,000"},
        {1234567, nbsp.c_str(), L"1\u00A0234\u00A0567"},
        {4294967296, L",", L"4,294,967,296"}, // 4 GiB: no 32-bit wrap
        {5LL * 1024 * 1024 * 1024 + 7, L" ", L"5 368 709 127"},
        {std::numeric_limits<std::int64_t>::max(), L",", L"9,223,372,036,854,775,807"},
        {-1234, L",", L"-1,234"},
        {std::numeric_limits<std::int64_t>::min(), L"", L"-9223372036854775808"},
        {1234567, L"", L"1234567"},
        {1234567, L"<>", L"1<>234<>567"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSizeGrouped(c.size, c.separator), c.text) << c.size;
}

TEST(EntryText, CaptionAndFolderOfAPath)
{
    const struct {
        const wchar_t* path;
        const wchar_t* caption;
        const wchar_t* folder;
    } cases[] = {
        {L"C:\\Data\\a.txt", L"a.txt", L"C:\\Data"},
        {L"C:\\a.txt", L"a.txt", L"C:\\"},
        {L"C:a.txt", L"a.txt", L"C:\\"},
        {L"C:\\Data\\Отчёт 2.txt", L"Отчёт 2.txt", L"C:\\Data"},
        {L"\\\\server\\share\\x", L"x", L"\\\\server\\share"},
        {L"\\\\server\\share", L"share", L"\\\\server"},
        {L"a.txt", L"a.txt", L""},
        {L"C:\\Data\\", L"", L"C:\\Data"},
        {L"C:\\", L"", L"C:\\"},
        {L"\\a.txt", L"a.txt", L"\\"},
        {L"C:\\Data\\a.txt:stream", L"stream", L"C:\\Data\\a.txt:"},
        {L"ab\\c", L"c", L"ab\\"}, // any two-character folder gets its backslash back
        {L"", L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNamePart(c.path), c.caption) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(FolderText(c.path), c.folder) << testing::PrintToString(std::wstring(c.path));
    }
}

TEST(EntryText, LastPathComponentSplitsAtEitherSlash)
{
    EXPECT_EQ(LastPathComponent(L"C:\\Data\\a.b.txt"), L"a.b.txt");
    EXPECT_EQ(LastPathComponent(L"C:\\dir.v2/readme"), L"readme");
    EXPECT_EQ(LastPathComponent(L"C:a.txt"), L"C:a.txt");
    EXPECT_EQ(LastPathComponent(L".profile"), L".profile");
    EXPECT_EQ(LastPathComponent(L"C:\\Data\\"), L"");
}

TEST(EntryText, ShellExtensionKeepsCaseAndTakesTheLastDot)
{
    const struct {
        const wchar_t* name;
        const wchar_t* extension;
    } cases[] = {
        {L"a.txt", L".txt"},         {L"B.TXT", L".TXT"},       {L"archive.tar.gz", L".gz"},
        {L"noext", L""},             {L"a.", L"."},             {L".profile", L".profile"},
        {L"..ini", L".ini"},         {L"a.tar gz", L""},        {L"my file.doc", L".doc"},
        {L"C:\\dir.d\\readme", L""}, {L"C:\\dir.d/readme", L".d/readme"},
        {L"x.ini:stream", L".ini:stream"}, {L"Отчёт.Док", L".Док"}, {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellExtension(c.name), c.extension) << testing::PrintToString(std::wstring(c.name));
}

} // namespace
