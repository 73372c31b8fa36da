#include "DTCUtils.h"
#include "Ids.h"
#include "RunFixture.h"

#include <windows.h>

namespace {

using RunNames = RunFixture;

// An MP3 file's content: some audio bytes and a tag with the title and artist as stored.
std::string Mp3(const std::string& title, const std::string& artist)
{
    std::string tag = "TAG" + title;
    tag.resize(33, '\0');
    tag += artist;
    tag.resize(63, '\0');
    tag.resize(127, '\0');
    tag += '\xFF';
    return std::string(1000, '\x55') + tag;
}

TEST_F(RunNames, LetterCaseOfNameAndExtension)
{
    const bool russian = GetACP() == 1251;
    const struct {
        int button;
        const wchar_t* name;
        const wchar_t* result;
    } cases[] = {
        {Ctl::rbNameLowerCase, L"Report.DOC", L"report.doc"},
        {Ctl::rbExtLowerCase, L"Report.DOC", L"Report.doc"},
        {Ctl::rbNameUpperCase, L"Report.DOC", L"REPORT.DOC"},
        {Ctl::rbExtUpperCase, L"Report.DOC", L"Report.DOC"},
        {Ctl::rbNameUpperCase, L"Отчёт q1.Док", L"Отчёт Q1.Док"},
        {Ctl::rbExtLowerCase, L"Отчёт Q1.Док", russian ? L"Отчёт Q1.док" : nullptr},
        {Ctl::rbExtUpperCase, L"Makefile", L"Makefile"},
    };
    for (const auto& c : cases) {
        if (!c.result)
            continue;
        TempFolder own;
        const std::wstring path = own.File(c.name);
        WriteBytes(path, "text");
        SendMessageW(probe.Control(Ctl::lvFiles), LVM_DELETEALLITEMS, 0, 0);
        probe.Form().AddFileToList(path);
        Click(c.button);
        Pick(6);
        EXPECT_EQ(NameOnDisk(path), c.result) << c.name;
        EXPECT_EQ(probe.Cell(0, 0), c.result) << c.name;
    }
}

TEST_F(RunNames, Mp3NamedAfterItsTagThenDatedUnderItsNewName)
{
    const std::wstring old = AddFile(L"Track01.MP3", Mp3("Tune", "Band"));
    Click(Ctl::cbID3v1);
    Click(Ctl::rbNameUpperCase);
    ChooseSameValue(LocalTime({2011, 11, 11}, {11, 11, 12, 0}));
    Pick(6);
    const std::wstring renamed = folder.File(L"BAND - TUNE.MP3");
    EXPECT_EQ(GetFileAttributesW(old.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(NameOnDisk(renamed), L"BAND - TUNE.MP3");
    EXPECT_EQ(probe.Cell(0, 0), L"BAND - TUNE.MP3");
    EXPECT_TRUE(SameSecond(LocalLastWrite(renamed), LocalTime({2011, 11, 11}, {11, 11, 12, 0})));
    EXPECT_EQ(probe.Cell(0, 4), FileModifiedText(renamed));
}

TEST_F(RunNames, Mp3NamesThatCannotBeUsedLeaveTheFileAsItIs)
{
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"Band - Live").c_str(), nullptr));
    WriteBytes(folder.File(L"Taken - Tune.mp3"), "already there");
    const struct {
        std::string title, artist;
        const wchar_t* result; // the name afterwards, from the file's folder
    } cases[] = {
        {"", "Band", L"Band - Неизвестно.mp3"},
        {"", "", L"Неизвестно - Неизвестно.mp3"},
        {"Tune", std::string("Ba\0nd", 5), L"Ba - Tune.mp3"},  // a NUL ends the text
        {"Tune", "Taken", nullptr},                            // the target exists
        {"What?", "Band", nullptr},                            // refused by the file system
        {"Live\\Tune", "Band", L"Band - Live\\Tune.mp3"},      // into an existing sub-folder
        {"Tune", "..\\..\\Band", nullptr},
        {"x\\..\\..\\Tune", "Band", nullptr},
        {"Tune", "\\Band", nullptr},
        {"Tune", "C:Band", nullptr},
        {"Tune", "C:\\Band", nullptr},
    };
    Click(Ctl::cbID3v1);
    int index = 0;
    for (const auto& c : cases) {
        SendMessageW(probe.Control(Ctl::lvFiles), LVM_DELETEALLITEMS, 0, 0);
        const std::wstring name = L"track" + std::to_wstring(index++) + L".mp3";
        const std::wstring path = AddFile(name, Mp3(c.title, c.artist));
        Pick(6);
        const std::wstring expected = c.result ? c.result : name;
        EXPECT_EQ(probe.Cell(0, 0), expected) << c.title << " / " << c.artist;
        EXPECT_NE(GetFileAttributesW(folder.File(expected).c_str()), INVALID_FILE_ATTRIBUTES) << c.title;
        DeleteFileW(folder.File(expected).c_str());
    }
    EXPECT_EQ(ReadBytes(folder.File(L"Taken - Tune.mp3")), "already there");

    // Files without a tag or shorter than one keep their names.
    for (const std::string& content : {std::string(500, 'x'), std::string("TAG")}) {
        SendMessageW(probe.Control(Ctl::lvFiles), LVM_DELETEALLITEMS, 0, 0);
        const std::wstring path = AddFile(L"plain.mp3", content);
        Pick(6);
        EXPECT_EQ(probe.Cell(0, 0), L"plain.mp3");
        EXPECT_EQ(ReadBytes(path), content);
    }
}

} // namespace
