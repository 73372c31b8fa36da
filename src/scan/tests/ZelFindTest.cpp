#include "ZelFind.h"

#include "TempFolder.h"
#include "UniqueHandle.h"
#include "WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

namespace {

// Lets the scanner's calls run until the walk completes (or the deadline passes).
void PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline = std::chrono::seconds(60))
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!done() && std::chrono::steady_clock::now() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}

// What one walk reported: every entry as its directory + "\" + name, in order.
struct Walk {
    std::vector<std::wstring> found;
    int completions = 0;
};

void Record(TZelFind& find, Walk& walk)
{
    find.OnFileFound = [&walk](TFindThread&, const std::wstring& directory, const TSearchRec& info) {
        walk.found.push_back(directory + L'\\' + info.Name);
    };
    find.OnCompleted = [&walk](TFindThread&) { ++walk.completions; };
}

Walk WalkToTheEnd(TZelFind& find)
{
    Walk walk;
    Record(find, walk);
    find.Start();
    PumpUntil([&] { return walk.completions > 0; });
    EXPECT_EQ(walk.completions, 1);
    return walk;
}

bool Contains(const std::vector<std::wstring>& list, const std::wstring& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

void MakeFolder(const std::wstring& path)
{
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) << Narrow(path);
}

// The same folder tree under one path on C: and on Z: (the Linux root), so that a line
// relative to the drive root names a tree on both drives.
class TwoDriveTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const wchar_t* drive : {L"C:", L"Z:"}) {
            MakeFolder(std::wstring(drive) + L"\\tmp");
            const std::wstring data = std::wstring(drive) + relative_;
            MakeFolder(data.substr(0, data.size() - 5));
            MakeFolder(data);
            WriteBytes(data + L"\\a.txt", "a");
            MakeFolder(data + L"\\Sub");
            WriteBytes(data + L"\\Sub\\b.txt", "b");
            WriteBytes(data + L"\\z.txt", "z");
            for (const auto& [name, attribute] : {std::pair{L"Hidden", FILE_ATTRIBUTE_HIDDEN},
                                                  std::pair{L"System", FILE_ATTRIBUTE_SYSTEM}}) {
                MakeFolder(data + L'\\' + name);
                WriteBytes(data + L'\\' + name + L"\\inside.txt", "i");
                ASSERT_TRUE(SetFileAttributesW((data + L'\\' + name).c_str(), attribute));
            }
        }
    }
    void TearDown() override
    {
        for (const wchar_t* drive : {L"C:", L"Z:"}) {
            const std::wstring data = std::wstring(drive) + relative_;
            for (const wchar_t* name : {L"Hidden", L"System"}) {
                SetFileAttributesW((data + L'\\' + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW((data + L'\\' + name + L"\\inside.txt").c_str());
                RemoveDirectoryW((data + L'\\' + name).c_str());
            }
            for (const wchar_t* file : {L"\\a.txt", L"\\Sub\\b.txt", L"\\z.txt"})
                DeleteFileW((data + file).c_str());
            RemoveDirectoryW((data + L"\\Sub").c_str());
            RemoveDirectoryW(data.c_str());
            RemoveDirectoryW(data.substr(0, data.size() - 5).c_str());
        }
    }
    // Everything a walk of one drive's tree reports, in an order that is depth first.
    std::vector<std::wstring> Expected(const wchar_t* drive) const
    {
        const std::wstring data = drive + relative_;
        return {data + L"\\a.txt", data + L"\\Hidden", data + L"\\Sub", data + L"\\System", data + L"\\z.txt",
                data + L"\\Sub\\b.txt"};
    }

    // "\tmp\velmor-scan-<process>\Data"
    const std::wstring relative_ = L"\\tmp\\velmor-scan-" + std::to_wstring(GetCurrentProcessId()) + L"\\Data";
};

TEST_F(TwoDriveTree, DrivesAndDirectoriesChooseTheFoldersWalked)
{
    const struct {
        const wchar_t* drives;
        std::vector<std::wstring> directories;
        std::vector<const wchar_t*> walked; // drives whose tree is reported (as written), in order
    } cases[] = {
        {L"C", {L"C:" + relative_}, {L"C:"}},
        {L"c", {L"c:" + relative_}, {L"c:"}},                 // a line's own drive, any case
        {L"CZ", {relative_.substr(1)}, {L"C:", L"Z:"}},       // relative: on every drive, in order
        {L"ZC", {relative_}, {L"Z:", L"C:"}},
        {L"C", {L"Z:" + relative_}, {}},                      // a foreign drive: nothing, still completes
        {L"c:, z", {L"Z:" + relative_}, {L"Z:"}},
        {L"CZ", {relative_ + L":"}, {}},                     // ":" elsewhere: ignored
        {L"", {relative_}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.drives) + " " + Narrow(c.directories[0]));
        TZelFind find;
        find.FileMask = L"*.*";
        find.SetDrives(c.drives);
        find.Directories().Assign(c.directories);
        const Walk walk = WalkToTheEnd(find);
        std::vector<std::wstring> expected;
        std::size_t at = 0;
        for (const wchar_t* drive : c.walked) {
            const std::vector<std::wstring> tree = Expected(drive);
            ASSERT_LE(at + tree.size(), walk.found.size());
            // One drive's tree after the other; within it, the folder's own entries first.
            const std::vector<std::wstring> part(walk.found.begin() + std::ptrdiff_t(at),
                                                 walk.found.begin() + std::ptrdiff_t(at + tree.size()));
            EXPECT_EQ(Sorted(part), Sorted(tree));
            EXPECT_EQ(part.back(), tree.back()) << "Sub's entries after Data's own";
            at += tree.size();
        }
        EXPECT_EQ(at, walk.found.size());
    }
}

// Entering a folder is an event of its own, before the folder's entries; hidden and system
// folders are never entered.
TEST_F(TwoDriveTree, EnteringAFolderIsReported)
{
    TZelFind find;
    find.FileMask = L"*.txt";
    find.Directories().Add(L"C:" + relative_);
    std::vector<std::wstring> events;
    find.OnChangeDirectory = [&](TFindThread&, const std::wstring& directory) { events.push_back(L"> " + directory); };
    find.OnFileFound = [&](TFindThread&, const std::wstring& directory, const TSearchRec& info) {
        events.push_back(directory + L'\\' + info.Name);
    };
    bool completed = false;
    find.OnCompleted = [&](TFindThread&) { completed = true; };
    find.Start();
    PumpUntil([&] { return completed; });
    const std::wstring data = L"C:" + relative_;
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0], L"> " + data);
    EXPECT_EQ(Sorted({events[1], events[2]}), Sorted({data + L"\\a.txt", data + L"\\z.txt"}));
    EXPECT_EQ(events[3], L"> " + data + L"\\Sub");
    EXPECT_EQ(events[4], data + L"\\Sub\\b.txt");
}

TEST(ZelFind, SettingsHaveTheirDefaultsAndRules)
{
    TZelFind find;
    EXPECT_EQ(find.Drives(), L"C");
    EXPECT_EQ(find.FileMask, L"*.exe");
    EXPECT_EQ(find.ThreadPriority, TThreadPriority::Normal);
    EXPECT_FALSE(find.CaseSensitive);
    EXPECT_EQ(find.Worker(), nullptr);
    find.SetDrives(L"c:");
    EXPECT_EQ(find.Drives(), L"C");
    find.SetDrives(L"c:, d;1Ё");
    EXPECT_EQ(find.Drives(), L"CD");

    find.Directories().Add(L"C:\\b");
    find.Directories().Add(L"c:\\A");
    find.Directories().Add(L"C:\\a"); // equal ignoring case: not added
    EXPECT_EQ(find.Directories().Items(), (std::vector<std::wstring>{L"c:\\A", L"C:\\b"}));
    find.Directories().Assign({L"z", L"", L"Y", L"y"});
    EXPECT_EQ(find.Directories().Items(), (std::vector<std::wstring>{L"Y", L"z"}));

    const int system[] = {-15, -2, -1, 0, 1, 2, 15};
    for (int step = 0; step < 7; ++step)
        EXPECT_EQ(SystemThreadPriority(static_cast<TThreadPriority>(step)), system[step]);
    find.ThreadPriority = TThreadPriority::Higher;
    find.SetDrives(L"");
    Walk walk = WalkToTheEnd(find); // no drive: nothing walked, completed at once
    EXPECT_TRUE(walk.found.empty());
    ASSERT_NE(find.Worker(), nullptr);
    EXPECT_EQ(GetThreadPriority(find.Worker()->Handle()), THREAD_PRIORITY_ABOVE_NORMAL);
}

// The whole drive: the root's entries come with the two-character directory "C:".
TEST(ZelFind, AWholeDriveReportsItsRootAsTwoCharacters)
{
    const std::wstring name = L"velmor-scan-root-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    TempFolder folder;
    WriteBytes(L"C:\\" + name, "r");
    WriteBytes(folder.File(L"deep.txt"), "d");
    TZelFind find;
    find.FileMask = L"*.txt";
    const Walk walk = WalkToTheEnd(find);
    DeleteFileW((L"C:\\" + name).c_str());
    EXPECT_TRUE(Contains(walk.found, L"C:\\" + name));
    EXPECT_TRUE(Contains(walk.found, folder.File(L"deep.txt")));
}

TEST(ZelFind, TheTextSearchFindsFilesHoldingTheText)
{
    TempFolder folder;
    std::string border(32767 + 10, 'x');
    border.replace(32767 - 2, 3, "aBc"); // begins 2 bytes before the end of the first chunk
    std::string late(200000, 'y');
    late.replace(150000, 3, "abc");
    std::string longText(40000, 'q');
    const struct {
        const wchar_t* name;
        std::string bytes;
    } files[] = {
        {L"upper.txt", "xABCx"}, {L"two.txt", "ab"},      {L"none.txt", "xabx"},
        {L"border.bin", border}, {L"late.bin", late},     {L"twice.txt", "abc abc"},
        {L"long.bin", "z" + longText + "z"},
    };
    for (const auto& file : files)
        WriteBytes(folder.File(file.name), file.bytes);
    MakeFolder(folder.File(L"abc"));

    const auto found = [&](const std::wstring& text, bool caseSensitive) {
        TZelFind find;
        find.FileMask = L"*";
        find.Directories().Add(folder.Path());
        find.ContainingText = text;
        find.CaseSensitive = caseSensitive;
        std::vector<std::wstring> names;
        for (const std::wstring& path : WalkToTheEnd(find).found)
            names.push_back(path.substr(folder.Path().size() + 1));
        std::sort(names.begin(), names.end());
        return names;
    };
    EXPECT_EQ(found(L"abc", false), (std::vector<std::wstring>{L"border.bin", L"late.bin", L"twice.txt", L"upper.txt"}));
    EXPECT_EQ(found(L"ABC", true), (std::vector<std::wstring>{L"upper.txt"}));
    // A text longer than a chunk is still found, and the search ends.
    EXPECT_EQ(found(Widen(longText), false), (std::vector<std::wstring>{L"long.bin"}));
}

TEST(ZelFind, TheFilesListFiltersByNameOrPath)
{
    TempFolder folder;
    MakeFolder(folder.File(L"one"));
    MakeFolder(folder.File(L"two"));
    for (const wchar_t* path : {L"one\\README.TXT", L"two\\readme.txt", L"two\\other.txt", L"one\\x.txt"})
        WriteBytes(folder.File(path), "r");
    const struct {
        std::vector<std::wstring> files;
        std::vector<std::wstring> found;
    } cases[] = {
        {{L"readme.txt"}, {L"one\\README.TXT", L"two\\readme.txt"}},
        {{L"\\\\" + folder.File(L"one\\x.txt").substr(3)}, {L"one\\x.txt"}}, // below the root, leading backslashes stripped
        {{folder.File(L"TWO\\other.txt")}, {L"two\\other.txt"}},            // the whole path
        {{L"\\"}, {L"one", L"one\\README.TXT", L"one\\x.txt", L"two", L"two\\other.txt", L"two\\readme.txt"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.files[0]));
        TZelFind find;
        find.FileMask = L"*.*";
        find.Directories().Add(folder.Path());
        find.SetFiles(c.files);
        std::vector<std::wstring> names;
        for (const std::wstring& path : WalkToTheEnd(find).found)
            names.push_back(path.substr(folder.Path().size() + 1));
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, c.found);
    }
}

// The record holds the whole size (the text search reads that much), and a long folder is not
// cut short for the name filter, where the cut name could be another path's.
TEST(ZelFind, NeitherSizesNorFoldersAreCutShort)
{
    TempFolder folder;
    {
        const UniqueHandle big(CreateFileW(folder.File(L"big.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER end;
        end.QuadPart = 5368709127; // sparse on Linux
        ASSERT_TRUE(SetFilePointerEx(big.Get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(big.Get()));
    }
    std::wstring deep = folder.Path();
    while (deep.size() < 300) {
        deep += L'\\' + std::wstring(50, L'п');
        MakeFolder(deep);
    }
    WriteBytes(deep + L"\\x.txt", "x");

    TZelFind find;
    find.FileMask = L"*.*";
    find.Directories().Add(folder.Path());
    std::uint64_t size = 0;
    find.OnFileFound = [&](TFindThread&, const std::wstring&, const TSearchRec& info) {
        if (info.Name == L"big.bin")
            size = info.Size;
    };
    Walk walk;
    find.OnCompleted = [&](TFindThread&) { ++walk.completions; };
    find.Start();
    PumpUntil([&] { return walk.completions > 0; });
    EXPECT_EQ(size, 5368709127u);

    const std::wstring belowRoot = deep.substr(3);
    for (const bool whole : {false, true}) {
        find.SetFiles({(whole ? belowRoot : belowRoot.substr(0, 255)) + L"\\x.txt"});
        EXPECT_EQ(WalkToTheEnd(find).found, whole ? std::vector<std::wstring>{deep + L"\\x.txt"} : std::vector<std::wstring>{});
    }
    DeleteFileW((deep + L"\\x.txt").c_str());
    while (deep != folder.Path()) {
        RemoveDirectoryW(deep.c_str());
        deep.erase(deep.find_last_of(L'\\'));
    }
}

// A tree big enough that a walk is still going on when the next start comes.
class BigTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tree_ = new TempFolder;
        for (int f = 0; f < 40; ++f) {
            const std::wstring sub = tree_->File(L"d" + std::to_wstring(f));
            CreateDirectoryW(sub.c_str(), nullptr);
            for (int i = 0; i < 50; ++i)
                WriteBytes(sub + L"\\f" + std::to_wstring(i), "");
        }
    }
    static void TearDownTestSuite() { delete tree_; }
    static TempFolder* tree_;
};
TempFolder* BigTree::tree_ = nullptr;

TEST_F(BigTree, StartDuringAWalkEndsTheOldWalkWithoutCompletion)
{
    TZelFind find;
    find.FileMask = L"*";
    find.Directories().Add(tree_->Path());
    Walk first;
    Record(find, first);
    find.Start();
    PumpUntil([&] { return !first.found.empty(); });
    ASSERT_FALSE(first.found.empty());
    ASSERT_EQ(first.completions, 0) << "the tree is too small to stop a walk in it";

    Walk second;
    Record(find, second); // the old worker keeps the handlers it was started with
    const std::size_t reportedBefore = first.found.size();
    find.Start(); // the old worker's pending calls are served here, delivering nothing
    EXPECT_EQ(first.found.size(), reportedBefore);
    PumpUntil([&] { return second.completions > 0; });
    EXPECT_EQ(first.found.size(), reportedBefore);
    EXPECT_EQ(first.completions, 0);
    EXPECT_EQ(second.completions, 1);
    EXPECT_EQ(second.found.size(), 40u * 51u) << "the new walk reports from the beginning";
    EXPECT_EQ(second.found.front().substr(0, tree_->Path().size()), tree_->Path());
}

TEST_F(BigTree, StopEndsTheWalkAndDestructionWaitsForIt)
{
    Walk walk;
    {
        TZelFind find;
        find.FileMask = L"*";
        find.Directories().Add(tree_->Path());
        Record(find, walk);
        find.Start();
        PumpUntil([&] { return !walk.found.empty(); });
        find.Stop();
        const std::size_t reported = walk.found.size();
        PumpUntil([] { return false; }, std::chrono::milliseconds(300));
        EXPECT_EQ(walk.found.size(), reported);
        find.Start(); // a second walk still running when the scanner goes
        PumpUntil([&] { return walk.found.size() > reported; });
    }
    EXPECT_EQ(walk.completions, 0);
}

// A link back to its own parent (made by the build: Wine cannot make links) is reported, not
// entered: the walk ends.
TEST(ZelFind, ALinkBackUpTheTreeIsReportedButNotEntered)
{
    std::wstring loop = L"Z:" + Widen(VELMOR_LINK_LOOP);
    std::replace(loop.begin(), loop.end(), L'/', L'\\');
    ASSERT_NE(GetFileAttributesW((loop + L"\\inner\\up").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    TZelFind find;
    find.FileMask = L"*.*";
    find.SetDrives(L"Z");
    find.Directories().Add(loop);
    const Walk walk = WalkToTheEnd(find);
    EXPECT_EQ(Sorted(walk.found), Sorted({loop + L"\\inner", loop + L"\\inner\\file.txt", loop + L"\\inner\\up"}));
}

} // namespace
