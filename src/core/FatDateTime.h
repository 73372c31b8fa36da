// The MS-DOS (FAT) date/time form through which every file time is written.
#pragma once

#include "DateTimeValue.h"

#include <cstdint>

constexpr int FatFirstYear = 1980;
constexpr int FatLastYear = 2099;
// The form itself holds years up to this one.
constexpr int FatLastDosYear = 2107;

bool IsFatYear(int year);
// Date word in the high 16 bits, time word (2-second resolution) in the low 16 bits.
// Only the date part of `date` and the time of day of `time` are used; 0 outside 1980..2099.
std::uint32_t DateTimeToFat(TDateTime date, TDateTime time);
// As above with the time word 0 (00:00:00).
std::uint32_t DateToFat(TDateTime date);

constexpr std::uint16_t FatDateWord(std::uint32_t fat) { return static_cast<std::uint16_t>(fat >> 16); }
constexpr std::uint16_t FatTimeWord(std::uint32_t fat) { return static_cast<std::uint16_t>(fat & 0xFFFF); }
