#include "FileNameRules.h"

#include <gtest/gtest.h>

namespace {

// Stands in for the system's conversion: marks what it was given.
std::wstring Marked(const std::wstring& text, bool upper)
{
    return (upper ? L"<U" : L"<L") + text + L">";
}

TEST(FileNameRules, ExtensionFromTheLastDot)
{
    EXPECT_EQ(NameExtension(L"Report.DOC"), L".DOC");
    EXPECT_EQ(NameExtension(L"a.tar.gz"), L".gz");
    EXPECT_EQ(NameExtension(L"README"), L"");
    EXPECT_EQ(NameExtension(L".profile"), L".profile");
    EXPECT_EQ(NameExtension(L"name."), L".");
    EXPECT_TRUE(HasExtension(L"C:\\pics\\LOGO.GIF", L".gif"));
    EXPECT_FALSE(HasExtension(L"C:\\pics\\logo.gif.bak", L".gif"));
    EXPECT_FALSE(HasExtension(L"C:\\my.gif\\logo", L".gif")); // a dot of the folder is no extension
    EXPECT_FALSE(HasExtension(L"C:\\music\\song.mp3x", L".mp3"));
}

TEST(FileNameRules, CaseChangesOfNameAndExtension)
{
    const struct {
        const wchar_t* name;
        CaseChange change;
        const wchar_t* result;
    } cases[] = {
        {L"Report.DOC", CaseChange::NameLower, L"report.doc"},
        {L"Report.DOC", CaseChange::NameUpper, L"REPORT.DOC"},
        {L"Report.DOC", CaseChange::ExtensionLower, L"Report<L.DOC>"},
        {L"Report.DOC", CaseChange::ExtensionUpper, L"Report<U.DOC>"},
        // Whole-name changes leave every non-Latin letter alone.
        {L"Отчёт Q1.Док", CaseChange::NameLower, L"Отчёт q1.Док"},
        {L"Отчёт q1.док", CaseChange::NameUpper, L"Отчёт Q1.док"},
        {L"Makefile", CaseChange::ExtensionLower, L"Makefile"},
        {L"Makefile", CaseChange::ExtensionUpper, L"Makefile"},
        {L".Profile", CaseChange::ExtensionLower, L"<L.Profile>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChangeCase(c.name, c.change, Marked), c.result) << c.name;
}

TEST(FileNameRules, NameFromTagFields)
{
    EXPECT_EQ(NameFromTag(L"Band", L"Tune", L".MP3", L"?"), L"Band - Tune.MP3");
    EXPECT_EQ(NameFromTag(L"", L"Tune", L".mp3", L"Неизвестно"), L"Неизвестно - Tune.mp3");
    EXPECT_EQ(NameFromTag(L"", L"", L".mp3", L"Неизвестно"), L"Неизвестно - Неизвестно.mp3");
    EXPECT_EQ(TagTextForName(std::string("Ba\0nd", 5)), "Ba");
    EXPECT_EQ(TagTextForName(std::string("\0Band", 5)), "");
    EXPECT_EQ(TagTextForName("Band"), "Band");
}

TEST(FileNameRules, NamesThatCouldLeaveTheirFolder)
{
    const struct {
        const wchar_t* name;
        bool stays;
    } cases[] = {
        {L"Band - Tune.mp3", true},
        {L"Live\\Band - Tune.mp3", true},   // a sub-folder of the file's folder
        {L"A.B. - Tune.mp3", true},
        {L"... - Tune.mp3", true},          // dots inside a longer component are a name
        {L".\\Band - Tune.mp3", true},
        {L"..\\Band - Tune.mp3", false},
        {L"Live\\..\\..\\x.mp3", false},
        {L"../x.mp3", false},
        {L"a\\...\\x.mp3", false},
        {L"a\\. .\\x.mp3", false},
        {L"\\Windows - x.mp3", false},
        {L"/tmp - x.mp3", false},
        {L"C:x - y.mp3", false},
        {L"Band - Tune.mp3:stream", false},
        {L"Band - ..", true},                // Windows drops the trailing dots
        {L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameStaysInFolder(c.name), c.stays) << c.name;
}

} // namespace
