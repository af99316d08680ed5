#include "editor/util/DbcsSet.h"

#include <gtest/gtest.h>

namespace {

const char kFullWidthParens[] = "\xA3\xA8\xA3\xA9";  // （ ）

TEST(DbcsSet, FindsPairsOfTheSet)
{
    const struct {
        const char* set;
        const char* text;
        bool found;
    } cases[] = {
        {"(),;", "\xA3\xA9x", false},          // ASCII-only set never holds a pair
        {"(),;", "()", false},
        {kFullWidthParens, "\xA3\xA9x", true},
        {kFullWidthParens, "\xA3\xA8", true},
        {kFullWidthParens, "\xA3\xAA", false},
        {"a\xA3\xA8;\xA1\xA1", "\xA1\xA1", true},  // mixed set, pair after single bytes
        {"\xA3\xA8", "\xA8\xA3", false},            // pairs are not matched across boundaries
        {"\xA3\xA8\xA3\xA9", "\xA8\xA3", false},
        {kFullWidthParens, "", false},
        {kFullWidthParens, "\xA3", false},          // lead byte at the end of the text
        {"", "\xA3\xA9", false},
        {"\x80" "A", "\x80" "A", false},            // 0x80 is a single byte of the set
    };
    for (const auto& c : cases) EXPECT_EQ(IsDbcsPairInSet(c.set, c.text), c.found) << c.set << " / " << c.text;
}

TEST(DbcsSet, CharGivenAsTwoValues)
{
    EXPECT_TRUE(IsDbcsCharInSet(kFullWidthParens, 0xA3, 0xA9));
    EXPECT_FALSE(IsDbcsCharInSet(kFullWidthParens, 0xA3, 0xA7));
    EXPECT_FALSE(IsDbcsCharInSet("()", '(', ')'));
}

TEST(DbcsSet, MalformedSetEndingInLeadByteIsNotOverread)
{
    EXPECT_FALSE(IsDbcsCharInSet("\xA3\xA8\xA3", 0xA3, 0));
    EXPECT_FALSE(IsDbcsCharInSet("\xA3", 0xA3, 0x00));
}

TEST(DbcsSet, NullArgumentsAreNotMembers)
{
    EXPECT_FALSE(IsDbcsPairInSet(nullptr, "\xA3\xA8"));
    EXPECT_FALSE(IsDbcsPairInSet(kFullWidthParens, nullptr));
}

}  // namespace
