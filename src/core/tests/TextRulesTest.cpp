#include "TextRules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRules, AddBackslash)
{
    EXPECT_EQ(AddBackslash(L"C:"), L"C:\\");
    EXPECT_EQ(AddBackslash(L"C:\\"), L"C:\\");
    EXPECT_EQ(AddBackslash(L""), L"\\");
    EXPECT_EQ(AddBackslash(L"C:\\Данные"), L"C:\\Данные\\");
}

TEST(TextRules, StripAmpersandRemovesTheFirstOnly)
{
    EXPECT_EQ(StripAmpersand(L"До&бавить файл в список"), L"Добавить файл в список");
    EXPECT_EQ(StripAmpersand(L"Без метки"), L"Без метки");
    EXPECT_EQ(StripAmpersand(L"&&"), L"&");
    EXPECT_EQ(StripAmpersand(L"&A&B"), L"A&B");
    EXPECT_EQ(StripAmpersand(L""), L"");
}

TEST(TextRules, HintPartsSplitAtTheFirstBar)
{
    EXPECT_EQ(ShortHint(L"Крупные значки|Отображение"), L"Крупные значки");
    EXPECT_EQ(LongHint(L"Крупные значки|Отображение"), L"Отображение");
    EXPECT_EQ(ShortHint(L"Только текст"), L"Только текст");
    EXPECT_EQ(LongHint(L"Только текст"), L"Только текст");
    EXPECT_EQ(LongHint(L"a|b|c"), L"b|c");
    EXPECT_EQ(LongHint(L""), L"");
}

} // namespace
