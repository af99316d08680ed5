#include <gtest/gtest.h>

#include <string>

#include "editor/util/RegexEngine.h"
#include "editor/view/RegexPattern.h"

namespace {

std::string Built(const char* typed)
{
    CString built = BuildRegexPattern(CString(typed));
    return std::string((LPCTSTR)built, (size_t)built.GetLength());
}

struct PatternCase {
    const char* typed;
    const char* built;
};

const PatternCase kPatternCases[] = {
    {"\\d+", "[0-9]+"},
    {"\\D", "[^0-9]"},
    {"\\s", "[ \t\r\n]"},
    {"\\S", "[^ \t\r\n]"},
    {"\\w\\W", "[A-Za-z0-9][^A-Za-z0-9]"},
    {"\\a\\A", "[A-Za-z][^A-Za-z]"},
    {"\\h\\H", "[A-Fa-f0-9][^A-Fa-f0-9]"},
    {"a\\tb", "a\tb"},
    {"\\\\d", "\\\\d"},       // a doubled backslash is a literal backslash before a d
    {"\\\\\\d", "\\\\[0-9]"},  // literal backslash, then a digit class
    {"\\(x\\)", "\\(x\\)"},    // other escapes pass through
    {"", ""},
    {"abc\\", "abc\\"},        // a trailing backslash stays as typed
};

TEST(RegexPatternTest, ClassEscapesBecomeSets)
{
    for (const PatternCase& c : kPatternCases)
        EXPECT_EQ(c.built, Built(c.typed)) << "typed: " << c.typed;
}

TEST(RegexPatternTest, DoubleByteTrailIsNotTakenForAnEscape)
{
    // 0x5C is a GBK trail byte here ("\x95\x5C"), not a backslash before the d.
    EXPECT_EQ("\x95\x5C" "d", Built("\x95\x5C" "d"));
}

TEST(RegexPatternTest, DigitPatternCompilesAndMatches)
{
    CRegexEngine engine;
    ASSERT_NE(nullptr, engine.Compile(BuildRegexPattern("\\d+")));
    EXPECT_EQ(3, engine.Find("abc123"));
    EXPECT_EQ(3, engine.GetMatchLength());
}

TEST(RegexPatternTest, DoubledBackslashMatchesBackslashThenD)
{
    CRegexEngine engine;
    ASSERT_NE(nullptr, engine.Compile(BuildRegexPattern("\\\\d")));
    EXPECT_EQ(2, engine.Find("ab\\d"));
    EXPECT_EQ(-1, engine.Find("ab7"));
}

TEST(RegexPatternTest, TemplateTabsExpandOthersStay)
{
    CString expanded = ExpandTemplateTabs("a\\tb\\1\\\\t");
    EXPECT_STREQ("a\tb\\1\\\\t", (LPCTSTR)expanded);
}

} // namespace
