#include "AttributeLetters.h"
#include "DTCUtils.h"
#include "Ids.h"
#include "RunFixture.h"

namespace {

using RunAttributes = RunFixture;

constexpr DWORD R = FILE_ATTRIBUTE_READONLY, H = FILE_ATTRIBUTE_HIDDEN, S = FILE_ATTRIBUTE_SYSTEM;
constexpr DWORD Classic = R | H | S; // Wine reports archive for every file and cannot clear it

struct Boxes {
    bool readOnly, hidden, archive, system;
};

TEST_F(RunAttributes, RemovalFirstSettingLast)
{
    const struct {
        DWORD before;
        bool remove;
        Boxes removed;
        bool set;
        Boxes given;
        DWORD after;
    } cases[] = {
        // Wine keeps hidden and system in an extended attribute, which a read-only file cannot
        // take, so no state below holds read-only together with either.
        {H | S, false, {}, true, {false, false, true, false}, 0},          // the default set: archive alone
        {H | S, false, {}, true, {false, false, false, false}, 0},         // nothing ticked: all four go
        {R, true, {true, false, false, false}, false, {}, 0},              // the default removal: read-only
        {H, true, {true, false, false, false}, false, {}, H},              // ... keeps the others
        {0, true, {false, true, false, false}, false, {}, 0},              // removing what is not set
        {H, true, {false, true, false, false}, true, {true, false, false, false}, R},
        {H | S, true, {true, true, true, true}, false, {}, 0},
        {0, false, {}, true, {false, true, false, true}, H | S},
        {0, false, {}, true, {true, false, false, false}, R},
    };
    const std::wstring file = AddFile(L"a.txt");
    for (const auto& c : cases) {
        ASSERT_TRUE(SetFileAttributesW(file.c_str(), c.before ? c.before : FILE_ATTRIBUTE_NORMAL));
        SetChecked(Ctl::cbRemoveAttr, c.remove);
        SetChecked(Ctl::cbRReadOnly, c.removed.readOnly);
        SetChecked(Ctl::cbRHidden, c.removed.hidden);
        SetChecked(Ctl::cbRArchive, c.removed.archive);
        SetChecked(Ctl::cbRSystem, c.removed.system);
        SetChecked(Ctl::cbSetAttr, c.set);
        SetChecked(Ctl::cbReadOnly, c.given.readOnly);
        SetChecked(Ctl::cbHidden, c.given.hidden);
        SetChecked(Ctl::cbArchive, c.given.archive);
        SetChecked(Ctl::cbSystem, c.given.system);
        Pick(6);
        const DWORD now = GetFileAttributesW(file.c_str());
        EXPECT_EQ(now & Classic, c.after) << c.before << " -> " << c.after;
        EXPECT_EQ(probe.Cell(0, 6), AttrToLetters(now));
    }
}

TEST_F(RunAttributes, AReadOnlyFileGetsNewTimesOnlyWhenTheSameRunRemovesReadOnlyFirst)
{
    const std::wstring file = AddFile(L"a.txt");
    const SYSTEMTIME old = LocalTime({2001, 1, 1}, {10, 0, 0, 0});
    const SYSTEMTIME wanted = LocalTime({2012, 12, 12}, {12, 12, 12, 0});
    SetLocalFileTimes(file, old);
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), R));
    ChooseSameValue(wanted);
    Pick(6);
    EXPECT_TRUE(SameSecond(LocalLastWrite(file), old));
    EXPECT_EQ(probe.Cell(0, 4), FileModifiedText(file)) << "refreshed with the kept times";

    // Setting read-only in the same run comes after the dates and does not hinder them.
    SetChecked(Ctl::cbRemoveAttr, true);
    SetChecked(Ctl::cbSetAttr, true);
    SetChecked(Ctl::cbArchive, false);
    SetChecked(Ctl::cbReadOnly, true);
    Pick(6);
    EXPECT_TRUE(SameSecond(LocalLastWrite(file), wanted));
    EXPECT_NE(GetFileAttributesW(file.c_str()) & R, 0u);
}

} // namespace
