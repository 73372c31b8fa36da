// Which entries of the list a run takes: the seven targets of the start menu, by their number.
#pragma once

constexpr int TargetModeCount = 7;

// 0 ticked, 1 not ticked, 2 selected, 3 not selected, 4 ticked or selected, 5 not ticked or not
// selected, 6 every entry; any other number takes nothing.
bool IsTarget(int mode, bool checked, bool selected);
