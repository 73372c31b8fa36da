#include "FileEntryTexts.h"

#include "DTCUtils.h"
#include "TempFolder.h"
#include "UniqueHandle.h"
#include "WideText.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

std::wstring LocaleSeparator()
{
    std::array<wchar_t, 8> text{};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text.data(), int(text.size()));
    return text.data();
}

// "#,##0" as the platform's own number formatting gives it.
std::wstring GroupedByThePlatform(std::int64_t size)
{
    std::wstring separator = LocaleSeparator();
    std::wstring point = L".";
    NUMBERFMTW format{0, 1, 3, point.data(), separator.data(), 1};
    std::array<wchar_t, 64> text{};
    GetNumberFormatW(LOCALE_USER_DEFAULT, 0, std::to_wstring(size).c_str(), &format, text.data(), int(text.size()));
    return text.data();
}

void MakeFileOfSize(const std::wstring& path, std::int64_t size)
{
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.Valid()) << Narrow(path);
    LARGE_INTEGER end;
    end.QuadPart = size; // sparse on Linux
    ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get()));
}

// Every text of the reader's row against the single-file queries made afresh for the path.
void ExpectSameAsSingleQueries(FileEntryReader& reader, const std::wstring& path, const std::wstring& name,
                               const std::wstring& folder)
{
    SCOPED_TRACE(Narrow(path));
    const auto entry = reader.Read(path);
    ASSERT_TRUE(entry);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    EXPECT_EQ(entry->attributes, attributes);
    EXPECT_EQ(entry->caption, name);
    EXPECT_EQ(entry->imageIndex, FileIconIndex(path, attributes));
    EXPECT_EQ(entry->subItems[SubItem::Size], GroupedByThePlatform(FileSizeByName(path)));
    EXPECT_EQ(entry->subItems[SubItem::Type], FileTypeName(path));
    EXPECT_EQ(entry->subItems[SubItem::Created], FileCreatedText(path));
    EXPECT_EQ(entry->subItems[SubItem::Modified], FileModifiedText(path));
    EXPECT_EQ(entry->subItems[SubItem::Opened], FileOpenedText(path));
    EXPECT_EQ(entry->subItems[SubItem::Attributes], AttrToLetters(attributes));
    EXPECT_EQ(entry->subItems[SubItem::Folder], folder);
}

// A file type registered for one test, removed afterwards.
class ScopedFileClass {
public:
    ScopedFileClass(const std::wstring& extension, const std::wstring& defaultIcon)
        : extension_(extension), class_(extension.substr(1) + L"file")
    {
        Set(extension_, class_);
        Set(class_ + L"\\DefaultIcon", defaultIcon);
    }
    ~ScopedFileClass()
    {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, class_.c_str());
    }
    ScopedFileClass(const ScopedFileClass&) = delete;
    ScopedFileClass& operator=(const ScopedFileClass&) = delete;

private:
    static void Set(const std::wstring& key, const std::wstring& value)
    {
        const auto bytes = DWORD((value.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(), bytes), ERROR_SUCCESS);
    }

    std::wstring extension_;
    std::wstring class_;
};

std::wstring SystemFile(const wchar_t* name)
{
    std::array<wchar_t, MAX_PATH> folder{};
    GetSystemDirectoryW(folder.data(), UINT(folder.size()));
    return std::wstring(folder.data()) + L'\\' + name;
}

TEST(FileEntryTexts, SeparatorOfTheSuitesLocale)
{
    std::array<wchar_t, 64> lang{};
    GetEnvironmentVariableW(L"LANG", lang.data(), DWORD(lang.size()));
    const std::wstring name = lang.data();
    if (name.starts_with(L"ru_RU")) {
        EXPECT_EQ(ThousandSeparator(), L"\u00A0");
    } else if (name.starts_with(L"en_US")) {
        EXPECT_EQ(ThousandSeparator(), L",");
    }
}

TEST(FileEntryTexts, EveryKindOfEntryReadsAsTheSingleQueriesGiveIt)
{
    TempFolder folder;
    // In this order, so that a key that loses case, dots or the folder bit answers a later
    // name from an earlier one.
    const std::vector<std::wstring> files = {
        L"a.txt", L"B.TXT", L"c.Txt", L"d.txt", L"report.ini", L"Setup.INI", L"setup.msi",
        L"Other.MSI", L"noext", L"archive.tar.gz", L"two.dots.ini", L".profile", L"..ini",
        L"x.XYZ", L"y.xyz", L"Отчёт.Док", L"отчёт.док", L"my file.doc", L"a.tar gz",
    };
    const std::vector<std::wstring> folders = {L"sub", L"folder.txt", L"Папка.XYZ", L"sysdir"};
    for (const auto& name : files)
        WriteBytes(folder.File(name), "x");
    for (const auto& name : folders)
        ASSERT_TRUE(CreateDirectoryW(folder.File(name).c_str(), nullptr));
    WriteBytes(folder.File(L"sub\\inner.txt"), "inner");
    const struct {
        const wchar_t* name;
        DWORD attributes;
    } marked[] = {{L"hidden.txt", FILE_ATTRIBUTE_HIDDEN}, {L"system.dat", FILE_ATTRIBUTE_SYSTEM},
                  {L"readonly.txt", FILE_ATTRIBUTE_READONLY}};
    for (const auto& m : marked) {
        WriteBytes(folder.File(m.name), "marked");
        ASSERT_TRUE(SetFileAttributesW(folder.File(m.name).c_str(), m.attributes));
    }
    ASSERT_TRUE(SetFileAttributesW(folder.File(L"sysdir").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
    MakeFileOfSize(folder.File(L"big.bin"), 5LL * 1024 * 1024 * 1024 + 7);
    MakeFileOfSize(folder.File(L"million.dat"), 1234567);

    FileEntryReader reader;
    for (const auto& name : files)
        ExpectSameAsSingleQueries(reader, folder.File(name), name, folder.Path());
    for (const auto& name : folders)
        ExpectSameAsSingleQueries(reader, folder.File(name), name, folder.Path());
    for (const auto& m : marked)
        ExpectSameAsSingleQueries(reader, folder.File(m.name), m.name, folder.Path());
    for (const auto* name : {L"big.bin", L"million.dat"})
        ExpectSameAsSingleQueries(reader, folder.File(name), name, folder.Path());
    ExpectSameAsSingleQueries(reader, folder.File(L"sub\\inner.txt"), L"inner.txt", folder.File(L"sub"));

    const std::wstring separator = LocaleSeparator();
    EXPECT_EQ(reader.Read(folder.File(L"million.dat"))->subItems[SubItem::Size], L"1" + separator + L"234" + separator + L"567");
    EXPECT_EQ(reader.Read(folder.File(L"big.bin"))->subItems[SubItem::Size],
              L"5" + separator + L"368" + separator + L"709" + separator + L"127");
    EXPECT_EQ(reader.Read(folder.File(L"sub"))->subItems[SubItem::Size], L"0");
    EXPECT_EQ(reader.Read(folder.File(L"sysdir"))->subItems[SubItem::Attributes].substr(0, 1), L"D");
    EXPECT_NE(reader.Read(folder.File(L"sysdir"))->subItems[SubItem::Attributes].find(L'S'), std::wstring::npos);
    EXPECT_FALSE(reader.Read(folder.File(L"missing.txt")));
    EXPECT_FALSE(reader.Read(L""));
}

TEST(FileEntryTexts, IconsTakenFromTheFileItselfAreAskedPerFile)
{
    // A type whose icon is "%1", as applications have: the shell reads each file's own icon.
    const std::wstring extension = L".velmor" + std::to_wstring(GetCurrentProcessId());
    const ScopedFileClass type(extension, L"%1");
    TempFolder folder;
    const std::wstring notepad = folder.File(L"notepad" + extension);
    const std::wstring winecfg = folder.File(L"winecfg" + extension);
    ASSERT_TRUE(CopyFileW(SystemFile(L"notepad.exe").c_str(), notepad.c_str(), TRUE));
    ASSERT_TRUE(CopyFileW(SystemFile(L"winecfg.exe").c_str(), winecfg.c_str(), TRUE));

    FileEntryReader reader;
    const int first = reader.Read(notepad)->imageIndex;
    const int second = reader.Read(winecfg)->imageIndex;
    EXPECT_EQ(first, FileIconIndex(notepad, GetFileAttributesW(notepad.c_str())));
    EXPECT_EQ(second, FileIconIndex(winecfg, GetFileAttributesW(winecfg.c_str())));
    EXPECT_NE(first, second) << "two programs with their own icons";
}

TEST(FileEntryTexts, TypeNameDependsOnTheNameAloneNotOnTheCurrentFolder)
{
    TempFolder folder;
    const std::wstring file = folder.File(L"abcdefghijklmnopqrst.ini");
    const std::wstring dots = folder.File(L"..ini");
    const std::wstring plain = folder.File(L"noext");
    for (const auto& path : {file, dots, plain})
        WriteBytes(path, "x");
    const std::wstring typeName = FileTypeName(file);

    // A current folder so deep that the name joined to it exceeds MAX_PATH.
    std::wstring deep = folder.Path();
    while (deep.size() < 230) {
        deep += L"\\" + std::wstring(20, L'd');
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    }
    std::array<wchar_t, MAX_PATH> before{};
    GetCurrentDirectoryW(DWORD(before.size()), before.data());
    ASSERT_TRUE(SetCurrentDirectoryW(deep.c_str()));
    const std::wstring inDeepFolder = FileTypeName(file);
    SetCurrentDirectoryW(before.data());

    EXPECT_EQ(inDeepFolder, typeName);
    EXPECT_EQ(FileTypeName(dots), typeName) << "a name beginning with two dots keeps its extension";
    EXPECT_NE(typeName, FileTypeName(plain)) << "the .ini type is one of its own, not the plain \"File\"";
}

} // namespace
