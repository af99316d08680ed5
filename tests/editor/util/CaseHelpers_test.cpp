#include "editor/util/CaseHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Inverted(std::string text)
{
    InvertCase(&text[0]);
    return text;
}

std::string Capitalized(std::string text)
{
    CapitalizeWords(&text[0]);
    return text;
}

TEST(CaseHelpers, InvertCase)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"aBc", "AbC"},
        {"Hello, World 42_x", "hELLO, wORLD 42_X"},
        {"墨a", "墨A"},
    };
    for (const auto& c : cases) EXPECT_EQ(Inverted(c.in), c.out) << c.in;
}

TEST(CaseHelpers, CapitalizeWords)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"hello wORLD_x", "Hello World_X"},
        {"ABC1DEF", "Abc1Def"},
        {"a", "A"},
        {"中abc", "中Abc"},  // a double-byte character ends a run like any non-letter
    };
    for (const auto& c : cases) EXPECT_EQ(Capitalized(c.in), c.out) << c.in;
}

// Trail bytes 0x41-0x5A and 0x61-0x7A are ASCII letters; they must keep their value.
TEST(CaseHelpers, TrailBytesInLetterRangeAreNotChanged)
{
    const std::string text = "\x81" "A" "x" "\xB0" "z" "\xFE" "a";
    EXPECT_EQ(Inverted(text), "\x81" "A" "X" "\xB0" "z" "\xFE" "a");
    EXPECT_EQ(Capitalized(text), "\x81" "A" "X" "\xB0" "z" "\xFE" "a");
    EXPECT_EQ(Capitalized("ab\x81" "Acd"), "Ab\x81" "ACd");
}

TEST(CaseHelpers, LeadByteAtEndIsLeftAlone)
{
    EXPECT_EQ(Inverted("a\xB0"), "A\xB0");
    EXPECT_EQ(Capitalized("ab\xB0"), "Ab\xB0");
}

TEST(CaseHelpers, NullIsIgnored)
{
    InvertCase(nullptr);
    CapitalizeWords(nullptr);
}

}  // namespace
