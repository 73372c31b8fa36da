#include "TargetModes.h"

#include <gtest/gtest.h>

namespace {

TEST(TargetModes, EachModeAgainstTheFourStatesOfAnEntry)
{
    // Columns: neither, ticked only, selected only, ticked and selected.
    const bool taken[TargetModeCount][4] = {
        {false, true, false, true},  // ticked
        {true, false, true, false},  // not ticked
        {false, false, true, true},  // selected
        {true, true, false, false},  // not selected
        {false, true, true, true},   // ticked or selected
        {true, true, true, false},   // all but ticked and selected
        {true, true, true, true},    // all
    };
    for (int mode = 0; mode < TargetModeCount; ++mode)
        for (int state = 0; state < 4; ++state)
            EXPECT_EQ(IsTarget(mode, state & 1, state & 2), taken[mode][state]) << mode << " " << state;
    EXPECT_FALSE(IsTarget(7, true, true));
    EXPECT_FALSE(IsTarget(-1, true, true));
}

} // namespace
