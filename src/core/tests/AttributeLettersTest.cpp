#include "AttributeLetters.h"

#include <gtest/gtest.h>

namespace {

TEST(AttributeLetters, OneLetterPerBitInFixedOrder)
{
    const struct {
        std::uint32_t attributes;
        const wchar_t* letters;
    } cases[] = {
        {0, L""},        {0x937, L"DRHSACT"}, {0x23, L"RHA"},    {0x10, L"D"},
        {0x80, L""},     {0x2000, L""},       {0x820, L"AC"},    {0x104, L"ST"},
        {0xFFFFFFFF, L"DRHSACT"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AttrToLetters(c.attributes), c.letters) << std::hex << c.attributes;
}

} // namespace
