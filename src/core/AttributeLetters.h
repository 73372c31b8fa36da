// The attribute letters of the list's attribute column.
#pragma once

#include <cstdint>
#include <string>

namespace FileAttr {
constexpr std::uint32_t ReadOnly = 0x1;
constexpr std::uint32_t Hidden = 0x2;
constexpr std::uint32_t System = 0x4;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Archive = 0x20;
constexpr std::uint32_t Temporary = 0x100;
constexpr std::uint32_t Compressed = 0x800;
} // namespace FileAttr

// One letter per set bit, always in the order D R H S A C T.
std::wstring AttrToLetters(std::uint32_t attributes);
