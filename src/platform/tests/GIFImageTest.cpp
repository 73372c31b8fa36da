#include "FileTimeRecorder.h"
#include "GifFixture.h"
#include "GIFImage.h"
#include "SafeFileWrite.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using namespace GifFixture;

std::vector<std::uint8_t> AsBytes(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::wstring> FolderNames(const TempFolder& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder.Path() + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
}

DWORD Attributes(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str());
}

std::wstring LoadError(TGIFImage& image, const std::wstring& path)
{
    try {
        image.LoadFromFile(path);
    } catch (const GIFError& error) {
        return error.Message();
    }
    return L"(loaded)";
}

bool Contains(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}

TEST(GIFImage, RemovesCommentsFromAFileOnDisk)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"анимация.gif");
    WriteBytes(path, WithComments);
    TGIFImage image;
    image.LoadFromFile(path);
    EXPECT_EQ(RemoveComments(image), 3);
    image.SaveToFile(path);
    EXPECT_EQ(ReadBytes(path), WithoutComments);
    EXPECT_EQ(FolderNames(folder), std::vector<std::wstring>{L"анимация.gif"});
}

TEST(GIFImage, SavingToANewPathCreatesTheFile)
{
    TempFolder folder;
    WriteBytes(folder.File(L"in.gif"), WithoutComments);
    TGIFImage image;
    image.LoadFromFile(folder.File(L"in.gif"));
    image.SaveToFile(folder.File(L"out.gif"));
    EXPECT_EQ(ReadBytes(folder.File(L"out.gif")), WithoutComments);
}

TEST(GIFImage, ReplacedFileKeepsHiddenAndSystem)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"kept.gif");
    WriteBytes(path, WithComments);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    TGIFImage image;
    image.LoadFromFile(path);
    RemoveComments(image);
    image.SaveToFile(path);
    EXPECT_EQ(Attributes(path), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(ReadBytes(path), WithoutComments);
}

// Each case holds the target in a way that must stop the save before the old file is touched.
TEST(GIFImage, RefusedSaveLeavesTheOldFileAsItWas)
{
    const struct {
        const char* name;
        DWORD attributes;
        DWORD heldWithSharing;  // ~0u: not held open
    } cases[] = {
        {"read-only", FILE_ATTRIBUTE_READONLY, ~0u},
        {"held open without sharing", FILE_ATTRIBUTE_NORMAL, 0},
        {"held open without delete sharing", FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::wstring path = folder.File(L"old.gif");
        WriteBytes(path, WithComments);
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), c.attributes));
        TGIFImage image;
        image.LoadFromFile(path);
        RemoveComments(image);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.heldWithSharing != ~0u)
            held = CreateFileW(path.c_str(), GENERIC_READ, c.heldWithSharing, nullptr, OPEN_EXISTING, 0, nullptr);
        try {
            image.SaveToFile(path);
            ADD_FAILURE() << c.name << ": saved";
        } catch (const GIFError& error) {
            EXPECT_TRUE(Contains(error.Message(), L"Не удаётся сохранить файл «" + path + L"»: ")) << c.name;
        }
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        EXPECT_EQ(ReadBytes(path), WithComments) << c.name;
        EXPECT_EQ(FolderNames(folder), std::vector<std::wstring>{L"old.gif"}) << c.name;
        EXPECT_EQ(Attributes(path) & FILE_ATTRIBUTE_READONLY, c.attributes & FILE_ATTRIBUTE_READONLY) << c.name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(SafeFileWrite, HandsTheOldCreationTimeToTheNewFile)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"dated.bin");
    WriteBytes(path, "old");
    WIN32_FILE_ATTRIBUTE_DATA before;
    ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &before));
    {
        FileTimeRecorder recorder;
        EXPECT_EQ(WriteFileReplacing(path, AsBytes("new")), DWORD(ERROR_SUCCESS));
        ASSERT_EQ(recorder.Calls().size(), 1u);
        const FileTimeCall& handed = recorder.Calls()[0];
        ASSERT_TRUE(handed.Created);
        EXPECT_FALSE(handed.Accessed || handed.Written);
        EXPECT_EQ(CompareFileTime(&*handed.Created, &before.ftCreationTime), 0);
    }
    EXPECT_EQ(ReadBytes(path), "new");

    FileTimeRecorder recorder;
    EXPECT_EQ(WriteFileReplacing(folder.File(L"fresh.bin"), AsBytes("x")), DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST(SafeFileWrite, FailureAfterTheTemporaryFileLeavesNothingBehind)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"old.bin");
    WriteBytes(path, "old content");
    FileTimeRecorder failing(ERROR_WRITE_PROTECT);
    EXPECT_EQ(WriteFileReplacing(path, AsBytes("new")), DWORD(ERROR_WRITE_PROTECT));
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(FolderNames(folder), std::vector<std::wstring>{L"old.bin"});
}

TEST(SafeFileWrite, MissingFolderFailsWithoutCreatingAnything)
{
    TempFolder folder;
    EXPECT_EQ(WriteFileReplacing(folder.File(L"missing\\new.bin"), AsBytes("x")), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(FolderNames(folder).empty());
}

TEST(GIFImage, UnreadableFilesAreNamedInTheMessage)
{
    const struct {
        std::string bytes;
        std::wstring expected;
    } cases[] = {
        {"just some text", L"не является изображением GIF"},
        {Header + Image, L"обрезан на смещении 34"},
        {Header + "\x99", L"содержит неизвестный байт блока 0x99 на смещении 19"},
    };
    TempFolder folder;
    const std::wstring good = folder.File(L"good.gif");
    WriteBytes(good, WithComments);
    for (const auto& c : cases) {
        const std::wstring path = folder.File(L"bad.gif");
        WriteBytes(path, c.bytes);
        TGIFImage image;
        image.LoadFromFile(good);
        const std::wstring message = LoadError(image, path);
        EXPECT_TRUE(Contains(message, L"Файл «" + path + L"» " + c.expected)) << message;
        EXPECT_EQ(image.SaveToBytes(), AsBytes(WithComments));
        EXPECT_EQ(ReadBytes(path), c.bytes);
    }
}

TEST(GIFImage, MissingFileGivesTheSystemReason)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"missing.gif");
    TGIFImage image;
    const std::wstring message = LoadError(image, path);
    const std::wstring prefix = L"Не удаётся открыть файл «" + path + L"»: ";
    EXPECT_EQ(message.rfind(prefix, 0), 0u) << message;
    EXPECT_GT(message.size(), prefix.size() + 3) << message;
}

} // namespace
